list(APPEND VITTREL_PAGES_PURE src/pages/braille/braille.cpp)
list(APPEND VITTREL_PAGES_WIN src/pages/braille/braille_environment_win.cpp)
list(APPEND VITTREL_PAGES_CLASSES src/pages/braille/braille_speech_page.cpp)
list(APPEND VITTREL_PAGES_TESTS tests/unit/braille_test.cpp)
