# Preparation of the keyboard scenarios: an installation whose main directory is missing (each
# reason has a solution of its own) and two wave devices on ALSA's null output, the default one in
# stereo and one that takes only mono.

keyboard_prefix() {
    install_sound_libraries "$1"
    install_config "$1" '[System]' 'MainDirectory=C:\Kelvorn32'
    devices_null_alsa "$1"
    echo 'pcm.mono { type multi slaves.a { pcm { type null } channels 1 } bindings.0 { slave a channel 0 } }' \
        >>"$1/home/.asoundrc"
    wine reg add 'HKCU\Software\Wine\Drivers\winealsa.drv' /v ALSAOutputDevices /t REG_MULTI_SZ /d mono /f \
        >/dev/null 2>&1 || return 1
    wineserver -w
}

prepare_keyboard_pages() { keyboard_prefix "$1"; }
prepare_keyboard_buttons() { keyboard_prefix "$1"; }
