# Preparation of the scenarios' prefixes, before Wine starts: prepare_<scenario> DIR, where DIR
# holds prefix/ (WINEPREFIX), cwd/ (the program's current directory) and home/ (HOME).
# A preparation may point VITTREL_WIN_BIN at a folder of its own (vittrel.exe beside a test DLL).

windows_dir() { echo "$1/prefix/drive_c/windows"; }

# library_dir DIR FOLDER: where a folder of system libraries is in the prefix. system32 means the
# system folder as a 32-bit program sees it, which a 64-bit prefix keeps as syswow64. The 16-bit
# era's system folder, which every Windows has, is missing from Wine's 64-bit prefixes.
library_dir() {
    local folder="$2"
    [ "$folder" = system32 ] && [ "$WINEARCH" = win64 ] && folder=syswow64
    mkdir -p "$(windows_dir "$1")/$folder" && echo "$(windows_dir "$1")/$folder"
}

# set_screen_dpi DPI: the screen's resolution, as Windows keeps it per user ("large fonts").
set_screen_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || return 1
    wineserver -w
}

here_prepare=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here_prepare/prepare_install.sh"
source "$here_prepare/prepare_ports.sh"
source "$here_prepare/prepare_devices.sh"
source "$here_prepare/prepare_report.sh"
source "$here_prepare/prepare_hardening.sh"
source "$here_prepare/prepare_keyboard.sh"
