# Scenarios of the wave, auxiliary and Braille pages.
list(APPEND E2E_SCENARIOS
    devices_wine
    devices_scripted
    braille_win95)
