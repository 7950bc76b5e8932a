set(VITTREL_INSTALL_PURE
    src/install/diagnosis.cpp
    src/install/reason_solutions.cpp)
set(VITTREL_INSTALL_WIN
    src/install/install_environment_win.cpp)
set(VITTREL_INSTALL_TESTS
    tests/unit/diagnosis_test.cpp
    tests/unit/reason_solutions_test.cpp)
