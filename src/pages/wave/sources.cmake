list(APPEND VITTREL_PAGES_PURE src/pages/wave/wave_devices.cpp)
list(APPEND VITTREL_PAGES_WIN src/pages/wave/wave_environment_win.cpp)
list(APPEND VITTREL_PAGES_CLASSES src/pages/wave/wave_devices_page.cpp)
