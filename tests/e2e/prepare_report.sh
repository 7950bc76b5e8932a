# Preparation of the report's scenarios.

# No configuration file; an ALSA null device, which Wine lists as one wave output device; and an
# older report, longer than the new ones, that each save must replace whole.
prepare_report_sections() {
    devices_null_alsa "$1" || return 1
    local line
    for line in $(seq 1 1000); do printf 'An older report, line %d.\r\n' "$line"; done >"$1/cwd/Vittrel.log"
}

# The main directory that kvcfg_32.ini names does not exist.
prepare_report_file_held() {
    install_sound_libraries "$1"
    install_config "$1" '[System]' 'MainDirectory=C:\Kelvorn32'
}
