# Scenarios of the ports page.
list(APPEND E2E_SCENARIOS
    ports_lines
    ports_long_spooler_list)
