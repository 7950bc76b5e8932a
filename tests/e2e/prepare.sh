# Preparation of the scenarios' prefixes, before Wine starts: prepare_<scenario> DIR, where DIR
# holds prefix/ (WINEPREFIX), cwd/ (the program's current directory) and home/ (HOME).
# A preparation may point VITTREL_WIN_BIN at a folder of its own (vittrel.exe beside a test DLL).

windows_dir() { echo "$1/prefix/drive_c/windows"; }

here_prepare=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here_prepare/prepare_install.sh"
source "$here_prepare/prepare_ports.sh"
source "$here_prepare/prepare_devices.sh"
source "$here_prepare/prepare_report.sh"
source "$here_prepare/prepare_hardening.sh"
source "$here_prepare/prepare_keyboard.sh"
