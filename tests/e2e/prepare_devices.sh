# Preparation of the device pages' scenarios.

# An ALSA null device, which Wine offers as one wave output device.
devices_null_alsa() {
    printf 'pcm.!default { type null }\n' >"$1/home/.asoundrc"
}

prepare_devices_wine() { devices_null_alsa "$1"; }

# The stand-in winmm.dll that answers the device queries from the driver's script, in the program's
# system folder: vittrel.exe loads winmm from there alone, never from beside itself. That folder is
# system32 for either kind (a 64-bit program's, in a 64-bit prefix), and its files are hard links
# to the base prefix's: the old file goes first. Only vittrel.exe is told to load the stand-in.
# vittrel.exe and the driver are in a folder of their own, where the driver writes the script.
prepare_devices_scripted() {
    local bin="$1/bin" system
    system="$(windows_dir "$1")/system32"
    mkdir -p "$bin" || return 1
    cp "$VITTREL_WIN_BIN/vittrel.exe" "$VITTREL_WIN_BIN/vittrel-driver.exe" "$bin/" || return 1
    rm -f "$system/winmm.dll" && cp "$VITTREL_WIN_BIN/../test-dlls/winmm.dll" "$system/" || return 1
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
