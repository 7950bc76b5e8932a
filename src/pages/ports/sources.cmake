list(APPEND VITTREL_PAGES_PURE src/pages/ports/ports.cpp)
list(APPEND VITTREL_PAGES_WIN src/pages/ports/port_environment_win.cpp)
list(APPEND VITTREL_PAGES_CLASSES src/pages/ports/ports_page.cpp)
list(APPEND VITTREL_PAGES_TESTS tests/unit/ports_test.cpp)
