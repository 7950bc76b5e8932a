# Preparation of the device pages' scenarios.

# An ALSA null device, which Wine offers as one wave output device.
devices_null_alsa() {
    printf 'pcm.!default { type null }\n' >"$1/home/.asoundrc"
}

prepare_devices_wine() { devices_null_alsa "$1"; }

# install_stand_in DIR LIBRARY: a test DLL in place of the system's LIBRARY (winmm, oleacc) in the
# program's system folder: vittrel.exe loads those libraries from there alone, never from beside
# itself. That folder is system32 for either kind (a 64-bit program's, in a 64-bit prefix), and its
# files are hard links to the base prefix's: the old file goes first. Only vittrel.exe is told to
# load the stand-in.
install_stand_in() {
    local system
    system="$(windows_dir "$1")/system32"
    rm -f "$system/$2.dll" && cp "$VITTREL_WIN_BIN/../test-dlls/$2.dll" "$system/" || return 1
    wine reg add 'HKCU\Software\Wine\AppDefaults\vittrel.exe\DllOverrides' /v "$2" /d native /f \
        >/dev/null 2>&1 || return 1
    wineserver -w
}

# The stand-in winmm.dll answers the device queries from the driver's script. vittrel.exe and the
# driver are in a folder of their own, where the driver writes the script. Wine takes the code page
# from the locale: Cyrillic, 1251.
prepare_devices_scripted() {
    locale -a | grep -qix ru_RU.utf8 || { echo "no ru_RU.UTF-8 locale (scripts/install-deps.sh makes it)"; return 1; }
    export LC_ALL=ru_RU.UTF-8
    local bin="$1/bin"
    mkdir -p "$bin" || return 1
    cp "$VITTREL_WIN_BIN/vittrel.exe" "$VITTREL_WIN_BIN/vittrel-driver.exe" "$bin/" || return 1
    install_stand_in "$1" winmm || return 1
    VITTREL_WIN_BIN="$bin"
}

# C:\Kelvorn32 named but not there (so each reason of the installation page has its own solution),
# and LPT1 leading to a device that opens; the stand-in oleacc.dll records what the program tells
# screen readers.
prepare_braille_win95() {
    local dir="$1"
    install_stand_in "$dir" oleacc || return 1
    mkdir -p "$dir/devices" || return 1
    install_config "$dir" '[System]' 'MainDirectory=C:\Kelvorn32'
    disable_mount_manager || return 1
    remove_port_links "$dir"
    : >"$dir/devices/lpt1" && ln -s "$dir/devices/lpt1" "$dir/prefix/dosdevices/lpt1"
}
