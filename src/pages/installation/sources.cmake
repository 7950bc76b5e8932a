list(APPEND VITTREL_PAGES_PURE src/pages/installation/diagnosis.cpp src/pages/installation/reason_solutions.cpp)
list(APPEND VITTREL_PAGES_WIN src/pages/installation/install_environment_win.cpp)
list(APPEND VITTREL_PAGES_CLASSES src/pages/installation/installation_page.cpp)
list(APPEND VITTREL_PAGES_TESTS tests/unit/diagnosis_test.cpp tests/unit/reason_solutions_test.cpp)
