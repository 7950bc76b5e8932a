# Preparation of the device pages' scenarios.

# An ALSA null device, which Wine offers as one wave output device.
devices_null_alsa() {
    printf 'pcm.!default { type null }\n' >"$1/home/.asoundrc"
}

prepare_devices_wine() { devices_null_alsa "$1"; }

# vittrel.exe and the driver in a folder of their own, beside the stand-in winmm.dll that answers
# the device queries from the driver's script; only vittrel.exe is told to load it.
prepare_devices_scripted() {
    local bin="$1/bin"
    mkdir -p "$bin" || return 1
    cp "$VITTREL_WIN_BIN/vittrel.exe" "$VITTREL_WIN_BIN/vittrel-driver.exe" "$bin/" &&
        cp "$VITTREL_WIN_BIN/../test-dlls/winmm.dll" "$bin/" || return 1
    wine reg add 'HKCU\Software\Wine\AppDefaults\vittrel.exe\DllOverrides' /v winmm /d native /f \
        >/dev/null 2>&1 || return 1
    wineserver -w
    VITTREL_WIN_BIN="$bin"
}

# C:\Kelvorn32 without its Braille driver file, and LPT1 leading to a device that opens.
prepare_braille_win95() {
    local dir="$1"
    mkdir -p "$dir/prefix/drive_c/Kelvorn32" "$dir/devices" || return 1
    install_config "$dir" '[System]' 'MainDirectory=C:\Kelvorn32'
    disable_mount_manager || return 1
    remove_port_links "$dir"
    : >"$dir/devices/lpt1" && ln -s "$dir/devices/lpt1" "$dir/prefix/dosdevices/lpt1"
}
