# Scenarios of the installation page.
list(APPEND E2E_SCENARIOS
    install_config_missing
    install_main_directory_missing
    install_main_directory_missing_144dpi
    install_directories_missing
    install_msvcrt20_missing
    install_msvcrt20_corrupt
    install_mfc30_missing
    install_mfc30_corrupt
    install_sound
    install_libraries_in_system32
    install_wine_msvcrt20
    install_reason_solutions
    install_repair
    install_repair_all_three
    install_repair_write_fails
    install_win32s_untouched)
