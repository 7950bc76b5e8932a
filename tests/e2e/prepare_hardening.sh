# Preparation of the hardening scenarios.

# Sound libraries, and a product directory of 49 characters ending in a backslash with the Braille
# driver file in it; LPT1 leads to a device that opens. The driver writes kvcfg_32.ini and
# SYSTEM.INI itself.
prepare_hostile_profiles() {
    local dir="$1" main="$1/prefix/drive_c/KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK"
    install_sound_libraries "$dir"
    mkdir -p "$main/DRIVER16" "$dir/devices" || return 1
    printf 'MZ' >"$main/DRIVER16/ABTWIN.DLL"
    disable_mount_manager || return 1
    remove_port_links "$dir"
    : >"$dir/devices/lpt1" && ln -s "$dir/devices/lpt1" "$dir/prefix/dosdevices/lpt1"
}

prepare_repeat_repair() { install_repairable_config "$1"; }

# The current directory or its Vittrel.log can be locked (made immutable) and unlocked, and full/ is a
# small volume with no room left, which can be freed and filled again: the driver asks for each by a
# request file in the scenario's folder, and a watcher here does it.
prepare_hostile_save() {
    local dir="$1"
    mkdir -p "$dir/full" || return 1
    mount -t tmpfs -o size=256k tmpfs "$dir/full" || { echo "cannot mount a small volume"; return 1; }
    fill_volume "$dir/full"
    hardening_host_watcher "$dir" &
    echo $! >"$dir/watcher.pid"
}

fill_volume() { dd if=/dev/zero of="$1/filler" bs=4k 2>/dev/null; }

hardening_host_watcher() {
    local dir="$1" request action
    while :; do
        for request in "$dir"/request-*; do
            [ -e "$request" ] || continue
            action=${request##*/request-}
            case "$action" in
            lock) chattr +i "$dir/cwd" ;;
            unlock) chattr -i "$dir/cwd" ;;
            lock-file) chattr +i "$dir/cwd/Vittrel.log" ;;
            unlock-file) chattr -i "$dir/cwd/Vittrel.log" ;;
            free) rm -f "$dir/full/filler" ;;
            fill) fill_volume "$dir/full" ;;
            esac
            rm -f "$request"
            : >"$dir/done-$action"
        done
        sleep 0.05
    done
}

cleanup_hostile_save() {
    local dir="$1"
    [ -f "$dir/watcher.pid" ] && kill "$(cat "$dir/watcher.pid")" 2>/dev/null
    chattr -i "$dir/cwd" "$dir/cwd/Vittrel.log" 2>/dev/null
    mountpoint -q "$dir/full" && umount "$dir/full"
    return 0
}

# vittrel.exe and the driver in a folder of their own, with marker libraries named comctl32.dll,
# winmm.dll and winspool.drv beside them and in the current folder. For vittrel.exe the three are
# native first, so that Wine looks for them beside it first, as Windows does; then builtin, which is
# what the system folder holds under Wine. The marker under its own name lets the driver see that a
# marker tells when it is loaded. The ALSA null device gives the wave page a device to list.
prepare_planted_libraries() {
    local dir="$1" bin="$1/bin" marker="$VITTREL_WIN_BIN/../test-dlls/vittrel-marker.dll" name
    mkdir -p "$bin" || return 1
    cp "$VITTREL_WIN_BIN/vittrel.exe" "$VITTREL_WIN_BIN/vittrel-driver.exe" "$marker" "$bin/" || return 1
    for name in comctl32.dll winmm.dll winspool.drv; do
        cp "$marker" "$bin/$name" && cp "$marker" "$dir/cwd/$name" || return 1
        # Wine names an override without ".dll", but with any other extension.
        wine reg add 'HKCU\Software\Wine\AppDefaults\vittrel.exe\DllOverrides' /v "${name%.dll}" /d native,builtin /f \
            >/dev/null 2>&1 || return 1
    done
    wineserver -w
    devices_null_alsa "$dir"
    VITTREL_WIN_BIN="$bin"
}
