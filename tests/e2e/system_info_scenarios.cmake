# Scenarios of the system information page.
list(APPEND E2E_SCENARIOS
    system_info_win95
    system_info_nt40)
