# Preparation of the installation page's scenarios: the product's configuration file, its
# directories and the two runtime libraries, as files in the prefix. Helpers begin with install_
# because every subsystem's preparation shares one shell.

# install_config DIR LINE...: kvcfg_32.ini in the Windows directory, one LINE per line, CR LF ends.
install_config() {
    local dir="$1"
    shift
    printf '%s\r\n' "$@" >"$(windows_dir "$dir")/kvcfg_32.ini"
}

# install_directories DIR: C:\Kelvorn32 with the three driver directories that the file names.
install_directories() {
    mkdir -p "$1/prefix/drive_c/Kelvorn32/DRIVER16" "$1/prefix/drive_c/Kelvorn32/DRIVER32" \
        "$1/prefix/drive_c/Kelvorn32/MM"
}

# install_library DIR FOLDER NAME SIZE: a library of SIZE bytes in C:\windows\FOLDER (see library_dir).
install_library() {
    local file
    file="$(library_dir "$1" "$2")/$3"
    rm -f "$file"
    head -c "$4" /dev/urandom >"$file"
}

# install_remove_wine_msvcrt20 DIR: Wine's own 32-bit msvcrt20.dll would be found as a fallback.
install_remove_wine_msvcrt20() {
    rm -f "$(library_dir "$1" system32)/msvcrt20.dll"
}

# install_sound_libraries DIR: both libraries in C:\windows\system, big enough.
install_sound_libraries() {
    install_library "$1" system msvcrt20.dll 250000
    install_library "$1" system mfc30.dll 300000
}

# The [System] section of an installation in C:\Kelvorn32.
install_system_section=(
    '[System]'
    'MainDirectory=C:\Kelvorn32'
    'Driver16Directory=C:\Kelvorn32\DRIVER16'
    'Driver32Directory=C:\Kelvorn32\DRIVER32'
)

# install_sound_config DIR DRIVER-LINE...: the whole installation sound, with these driver entries.
install_sound_config() {
    local dir="$1"
    shift
    install_directories "$dir"
    install_sound_libraries "$dir"
    install_config "$dir" "${install_system_section[@]}" '[Drivers]' 'Multimedia=C:\Kelvorn32\MM' "$@"
}

prepare_install_config_missing() {
    install_directories "$1"
    install_sound_libraries "$1"
}

prepare_install_main_directory_missing() {
    install_sound_libraries "$1"
    install_config "$1" "${install_system_section[@]}" '[Drivers]' 'Multimedia=C:\Kelvorn32\MM' \
        'Braille16=KVCNOVOX'
}

# The same installation on a screen of 144 dpi (150 %, large fonts).
prepare_install_main_directory_missing_144dpi() {
    prepare_install_main_directory_missing "$1" && set_screen_dpi 144
}

prepare_install_directories_missing() {
    install_directories "$1"
    install_sound_libraries "$1"
    install_config "$1" '[System]' 'MainDirectory=C:\Kelvorn32' 'Driver32Directory=C:\Kelvorn32\DRIVER32' \
        '[Drivers]' 'Multimedia=C:\Kelvorn32\MM' 'Braille16=KVCNOVOX'
}

prepare_install_msvcrt20_missing() {
    install_directories "$1"
    rmdir "$1/prefix/drive_c/Kelvorn32/DRIVER32"
    install_library "$1" system mfc30.dll 300000
    install_remove_wine_msvcrt20 "$1"
    install_config "$1" "${install_system_section[@]}" '[Drivers]' 'Multimedia=C:\Kelvorn32\MM' \
        'Braille16=KVCNOVOX'
}

prepare_install_msvcrt20_corrupt() {
    install_sound_config "$1" 'Speech32=KVCNOVOX' && install_library "$1" system msvcrt20.dll 199999
}

prepare_install_mfc30_missing() {
    install_directories "$1"
    install_remove_wine_msvcrt20 "$1"
    install_config "$1" "${install_system_section[@]}" '[Drivers]' 'Multimedia=C:\Kelvorn32\MM'
}

prepare_install_mfc30_corrupt() { install_sound_config "$1" && install_library "$1" system mfc30.dll 199999; }

# The main directory is a plain file, msvcrt20.dll is exactly as big as a sound copy must be, and
# the driver entries only resemble the placeholder.
prepare_install_sound() {
    install_directories "$1"
    head -c 1000 /dev/urandom >"$1/prefix/drive_c/Kelvorn32.exe"
    install_library "$1" system msvcrt20.dll 200000
    install_library "$1" system mfc30.dll 200000
    install_config "$1" '[System]' 'MainDirectory=C:\Kelvorn32.exe' \
        'Driver16Directory=C:\Kelvorn32\DRIVER16' 'Driver32Directory=C:\Kelvorn32\DRIVER32' \
        '[Drivers]' 'Multimedia=C:\Kelvorn32\MM' 'Braille16=KVCNOVO' 'Braille32=kvcnovox' 'Speech32=XKVCNOVOX'
}

prepare_install_libraries_in_system32() {
    install_directories "$1"
    install_library "$1" system32 msvcrt20.dll 250000
    install_library "$1" system32 mfc30.dll 300000
    install_config "$1" "${install_system_section[@]}" '[Drivers]' 'Multimedia=C:\Kelvorn32\MM'
}

# Only Wine's own 32-bit msvcrt20.dll, which is smaller than the product's copy. A Wine without its
# 32-bit half, on a host that cannot run 32-bit programs, has none: a file of its size stands in.
prepare_install_wine_msvcrt20() {
    install_directories "$1"
    [ -f "$(library_dir "$1" system32)/msvcrt20.dll" ] || install_library "$1" system32 msvcrt20.dll 125217
    install_library "$1" system mfc30.dll 300000
    install_config "$1" "${install_system_section[@]}" '[Drivers]' 'Multimedia=C:\Kelvorn32\MM'
}

prepare_install_reason_solutions() {
    install_sound_libraries "$1"
    install_config "$1" '[System]' 'MainDirectory=C:\Kelvorn32'
}

# Besides the placeholder entries the file holds a comment, spacing around "=", other keys and a
# section of its own, none of which the repair may change.
install_repairable_config() {
    local dir="$1"
    install_directories "$dir"
    install_sound_libraries "$dir"
    install_config "$dir" \
        '; Kelvorn32 configuration' \
        '[System]' \
        'MainDirectory=C:\Kelvorn32' \
        'Driver16Directory = C:\Kelvorn32\DRIVER16' \
        'Driver32Directory=C:\Kelvorn32\DRIVER32' \
        'Language=English' \
        '[Drivers]' \
        'Multimedia=C:\Kelvorn32\MM' \
        'Braille16=KVCNOVOX16.DRV' \
        'Braille32=kvcnovox' \
        'Port=LPT1' \
        '' \
        '[Speech]' \
        'Rate=5' \
        'Voice=Default'
}

prepare_install_repair() { install_repairable_config "$1"; }

prepare_install_repair_all_three() {
    install_sound_config "$1" 'Braille16=KVCNOVOX' 'Braille32=KVCNOVOX' 'Speech32=KVCNOVOX'
}

prepare_install_repair_write_fails() { install_repairable_config "$1"; }

prepare_install_win32s_untouched() { install_repairable_config "$1"; }
