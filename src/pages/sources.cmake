# The six pages, one folder each in tab order. Each page lists its pure code (VITTREL_PAGES_PURE),
# its platform glue (VITTREL_PAGES_WIN), its page class (VITTREL_PAGES_CLASSES) and its unit tests.
# What pages share beside them: the texts of the wave and auxiliary pages, and the page-shown flags
# (set by the pages, read by the sheet's snapshot for the report).
set(VITTREL_PAGES_PURE src/pages/device_texts.cpp src/pages/page_flags.cpp)
set(VITTREL_PAGES_WIN)
set(VITTREL_PAGES_CLASSES)
set(VITTREL_PAGES_TESTS tests/unit/devices_test.cpp) # the wave and auxiliary pages
foreach(page installation system_info wave aux ports braille)
    include(${CMAKE_CURRENT_LIST_DIR}/${page}/sources.cmake)
endforeach()
