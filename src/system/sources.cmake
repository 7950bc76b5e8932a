# What the program needs of Windows beyond dialogs; it uses neither the framework nor the pages.
set(VITTREL_SYSTEM_PURE
    src/system/system_reason.cpp)
set(VITTREL_SYSTEM_WIN
    src/system/system_library.cpp
    src/system/annotation.cpp
    src/system/live_region.cpp
    src/system/system_reason_win.cpp
    src/system/os_version_win.cpp)
