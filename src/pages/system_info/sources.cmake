list(APPEND VITTREL_PAGES_PURE src/pages/system_info/system_info.cpp)
list(APPEND VITTREL_PAGES_WIN src/pages/system_info/system_info_win.cpp)
list(APPEND VITTREL_PAGES_CLASSES src/pages/system_info/system_info_page.cpp)
list(APPEND VITTREL_PAGES_TESTS tests/unit/system_info_test.cpp)
