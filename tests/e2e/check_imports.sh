#!/bin/bash
# vittrel.exe may import only DLLs that every Windows has: no C++ runtime or threading DLLs.
set -euo pipefail
exe="$1"
allowed="kernel32.dll user32.dll gdi32.dll comctl32.dll winmm.dll winspool.drv advapi32.dll msvcrt.dll"
status=0
imports=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
for dll in $imports; do
    if [[ " $allowed " == *" $dll "* ]]; then
        echo "ok - imports $dll"
    else
        echo "not ok - imports $dll, which not every Windows has"
        status=1
    fi
done
[ -n "$imports" ] || { echo "not ok - no import table found"; status=1; }
exit $status
