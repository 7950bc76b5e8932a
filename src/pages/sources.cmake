# The six pages, one folder each in tab order. Each page lists its pure code (VITTREL_PAGES_PURE),
# its platform glue (VITTREL_PAGES_WIN), its page class (VITTREL_PAGES_CLASSES) and its unit tests.
set(VITTREL_PAGES_PURE src/pages/device_texts.cpp) # the texts the wave and auxiliary pages share
set(VITTREL_PAGES_WIN)
set(VITTREL_PAGES_CLASSES)
set(VITTREL_PAGES_TESTS tests/unit/devices_test.cpp) # the wave and auxiliary pages
foreach(page installation system_info wave aux ports braille)
    include(${CMAKE_CURRENT_LIST_DIR}/${page}/sources.cmake)
endforeach()
