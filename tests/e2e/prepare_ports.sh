# Preparation of the ports scenarios.

# Wine's mount manager rewrites the COM links at start-up (serial devices take the first free
# numbers): scenarios that lay out their own ports switch it off.
disable_mount_manager() {
    wine reg add 'HKLM\System\CurrentControlSet\Services\MountMgr' /v Start /t REG_DWORD /d 4 /f \
        >/dev/null 2>&1 || return 1
    wineserver -k 2>/dev/null
    wineserver -w
}

# remove_port_links DIR: no serial or parallel port has a device behind it.
remove_port_links() {
    rm -f "$1"/prefix/dosdevices/com[0-9]* "$1"/prefix/dosdevices/lpt[0-9]*
}

# COM1 and LPT2 lead to devices that open; COM2 and LPT1 to devices of their own, which the driver
# holds open; nothing else is linked.
prepare_ports_lines() {
    local dir="$1" devices="$1/devices" links="$1/prefix/dosdevices"
    disable_mount_manager || return 1
    remove_port_links "$dir"
    mkdir -p "$devices" || return 1
    : >"$devices/com1" && : >"$devices/com2" && : >"$devices/lpt1" || return 1
    ln -s "$devices/com1" "$links/com1" &&
        ln -s "$devices/com2" "$links/com2" &&
        ln -s "$devices/lpt1" "$links/lpt1" &&
        ln -s /dev/null "$links/lpt2"
}

# No devices at all, so that the probes answer at once; the driver fills the spooler's list.
prepare_ports_long_spooler_list() {
    disable_mount_manager || return 1
    remove_port_links "$1"
}
