# Scenarios of keyboard-only use, with real keystrokes.
list(APPEND E2E_SCENARIOS
    keyboard_pages
    keyboard_buttons)
