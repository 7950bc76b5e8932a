set(VITTREL_REPORT_PURE
    src/report/report.cpp
    src/report/report_file.cpp)
set(VITTREL_REPORT_WIN
    src/report/report_writer_win.cpp)
set(VITTREL_REPORT_TESTS
    tests/unit/report_test.cpp)
