#!/bin/bash
# vittrel.exe may import directly only DLLs that every Windows has and protects as known DLLs, which
# Windows never looks for beside the program: no C++ runtime or threading DLLs either. comctl32,
# winmm and winspool, which are not known DLLs, may only be delay-loaded (from the system folder).
set -euo pipefail
exe="$1"
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll"
delay_allowed="comctl32.dll winmm.dll winspool.drv"
status=0
# The names of one kind of table in llvm-readobj's listing: "Import" or "DelayImport".
names() {
    llvm-readobj --coff-imports "$exe" | awk -v table="$1 {" '$0 == table { want = 1; next }
        want && $1 == "Name:" { print tolower($2); want = 0 }'
}
check() {
    local kind="$1" allowed="$2" what="$3" why="$4" dll list
    list=$(names "$kind")
    for dll in $list; do
        if [[ " $allowed " == *" $dll "* ]]; then
            echo "ok - $what $dll"
        else
            echo "not ok - $what $dll, $why"
            status=1
        fi
    done
    [ -n "$list" ] || { echo "not ok - no $kind table found"; status=1; }
}
check Import "$allowed" "imports" "which is not a known DLL: Windows may load it from beside the program"
check DelayImport "$delay_allowed" "delay-loads" "which the program does not load before its first call into it"
exit $status
