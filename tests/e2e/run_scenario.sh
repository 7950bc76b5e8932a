#!/bin/bash
# Runs one end-to-end scenario: a copy of the base prefix, the scenario's own preparation from
# prepare.sh (a function prepare_<scenario>, if there is one, which may point VITTREL_WIN_BIN at a
# folder of its own), a private Xvfb, and the driver.
# Needs VITTREL_WIN_BIN (vittrel.exe and vittrel-driver.exe) and E2E_WORK.
#   run_scenario.sh SCENARIO [FOLDER]   FOLDER under $E2E_WORK/scenarios, the scenario's name if not given
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_env.sh"
name="$1"
: "${VITTREL_WIN_BIN:?}" "${E2E_WORK:?}"

dir="$E2E_WORK/scenarios/${2:-$name}"
source "$here/prepare.sh"
# A scenario that mounts or locks something undoes it in cleanup_<scenario>, even after a failure.
cleanup() { declare -F "cleanup_$name" >/dev/null && "cleanup_$name" "$dir"; }
[ -d "$dir" ] && cleanup
trap cleanup EXIT
rm -rf "$dir"
mkdir -p "$dir/cwd" "$dir/home"
copy_prefix "$E2E_WORK/base-prefix" "$dir/prefix" || { echo "copying the base prefix failed"; exit 1; }
export WINEPREFIX="$dir/prefix" HOME="$dir/home"

if declare -F "prepare_$name" >/dev/null; then
    "prepare_$name" "$dir" || { echo "preparing $name failed"; exit 1; }
fi

start_xvfb "$dir" || exit 1
# What Wine writes to its error output goes to a file that the driver can read (a scenario may ask
# Wine to trace some calls), and is shown after the run.
(cd "$dir/cwd" && timeout 150 "$WINE" "$VITTREL_WIN_BIN/vittrel-driver.exe" "$name" "$(windows_path "$dir")") \
    2>"$dir/wine-stderr.log"
status=$?
wineserver -k 2>/dev/null
cat "$dir/wine-stderr.log" >&2
stop_xvfb
cleanup
changed=$(changed_library_files "$E2E_WORK/base-prefix" | head -n 5)
if [ -n "$changed" ]; then
    echo "not ok - the scenario wrote into the shared base prefix's libraries (remove a file before" \
        "putting another in its place): ${changed//$'\n'/, }"
    status=1
fi

if [ $status -eq 0 ]; then
    rm -rf "$dir"
else
    echo "scenario $name failed ($status); its prefix and files are kept in $dir"
fi
exit $status
