set(VITTREL_SHEET_PURE
    src/sheet/sheet_buttons.cpp
    src/sheet/version_gate.cpp)
set(VITTREL_SHEET_WIN
    src/sheet/my_property_sheet.cpp
    src/sheet/about_dialog.cpp)
set(VITTREL_SHEET_TESTS tests/unit/sheet_buttons_test.cpp tests/unit/version_gate_test.cpp tests/unit/resource_ids_test.cpp)
