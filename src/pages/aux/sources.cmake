list(APPEND VITTREL_PAGES_PURE src/pages/aux/aux_devices.cpp)
list(APPEND VITTREL_PAGES_WIN src/pages/aux/aux_environment_win.cpp)
list(APPEND VITTREL_PAGES_CLASSES src/pages/aux/aux_devices_page.cpp)
