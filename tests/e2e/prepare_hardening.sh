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
