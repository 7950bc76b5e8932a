# Scenarios that prove the whole: every Windows version, hostile inputs, the repair run after run,
# libraries planted beside the program.
foreach(version win95 win98 winme nt40 win2k winxp win2003 vista win7 win8 win81 win10)
    list(APPEND E2E_SCENARIOS version_${version})
endforeach()
list(APPEND E2E_SCENARIOS
    hostile_profiles
    hostile_spooler
    repeat_repair)
list(APPEND E2E_SCENARIOS hostile_save)
list(APPEND E2E_SCENARIOS planted_libraries)
