#!/bin/bash
# What the loader of every Windows from 95 and NT 4.0 on must accept in vittrel.exe:
# - it imports directly only DLLs that Windows protects as known DLLs, which Windows never looks
#   for beside the program: no C++ runtime or threading DLLs either. comctl32, winmm, winspool,
#   ole32 and oleacc, which are not known DLLs, are loaded at run time from the system folder and
#   imported neither directly nor delay-loaded. (msvcrt.dll is a known DLL wherever it is
#   installed; Windows 95 retail lacks it, see reviewed_imports.txt.)
# - every function it imports is on the reviewed list (reviewed_imports.txt): one that an older
#   Windows lacks makes its loader refuse the whole program;
# - its header asks for no newer Windows than 4.0, as the loaders of Windows 95 and NT 4.0 require.
#   check_imports.sh PROGRAM [REVIEWED_LIST]
set -euo pipefail
exe="$1"
reviewed="${2:-$(dirname "$0")/reviewed_imports.txt}"
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll"
status=0
fail() { echo "not ok - $*"; status=1; }

listing=$(llvm-readobj --coff-imports "$exe")
# "<library> <function>" for each import by name, "<library> #<ordinal>" for each by ordinal.
imports=$(awk '$1 == "Import" && $2 == "{" { table = 1; next }
    $1 == "}" { table = 0 }
    table && $1 == "Name:" { dll = tolower($2) }
    table && $1 == "Symbol:" { print dll, $2 }
    table && $1 == "Ordinal:" { print dll, "#" $2 }' <<<"$listing")
[ -n "$imports" ] || fail "no import table found"

for dll in $(cut -d' ' -f1 <<<"$imports" | sort -u); do
    if [[ " $allowed " == *" $dll "* ]]; then
        echo "ok - imports $dll"
    else
        fail "imports $dll, which is not a known DLL: Windows may load it from beside the program"
    fi
done
if grep -q '^DelayImport {' <<<"$listing"; then
    fail "has a delay-import table: the libraries that are not known DLLs are loaded at run time"
else
    echo "ok - no delay-import table"
fi

# The reviewed list's entries, "<library> <function>", of either kind of export.
known=$(awk '!/^#/ && NF >= 3 && ($3 == "exported" || $3 == "stub-on-95") { print tolower($1), $2 }' "$reviewed")
unreviewed=$(comm -23 <(sort -u <<<"$imports") <(sort -u <<<"$known"))
if [ -n "$unreviewed" ]; then
    while read -r dll function; do
        fail "imports $function from $dll, which is not on the reviewed list ($reviewed): add it once" \
            "Windows 95 and NT 4.0 are known to export it, or look it up at run time"
    done <<<"$unreviewed"
else
    echo "ok - each of the $(wc -l <<<"$imports") imported functions is on the reviewed list"
fi

header=$(llvm-readobj --file-headers "$exe")
field() { awk -v name="$1:" '$1 == name { print $2 }' <<<"$header"; }
for kind in OperatingSystem Subsystem; do
    major=$(field "Major${kind}Version")
    minor=$(field "Minor${kind}Version")
    if [ -n "$major" ] && [ -n "$minor" ] && { [ "$major" -lt 4 ] || { [ "$major" -eq 4 ] && [ "$minor" -eq 0 ]; }; }; then
        echo "ok - $kind version $major.$minor"
    else
        fail "$kind version ${major:-?}.${minor:-?}: Windows 95 and NT 4.0 load only programs that ask for 4.0 at most"
    fi
done
exit $status
