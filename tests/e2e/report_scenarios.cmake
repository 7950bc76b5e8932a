# Scenarios of the report file.
list(APPEND E2E_SCENARIOS
    report_sections
    report_file_held)
