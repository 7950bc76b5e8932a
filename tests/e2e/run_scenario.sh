#!/bin/bash
# Runs one end-to-end scenario: a copy of the base prefix, the scenario's own preparation from
# prepare.sh (a function prepare_<scenario>, if there is one, which may point VITTREL_WIN_BIN at a
# folder of its own), a private Xvfb, and the driver.
# Needs VITTREL_WIN_BIN (vittrel.exe and vittrel-driver.exe) and E2E_WORK.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_env.sh"
name="$1"
: "${VITTREL_WIN_BIN:?}" "${E2E_WORK:?}"

dir="$E2E_WORK/scenarios/$name"
rm -rf "$dir"
mkdir -p "$dir/cwd" "$dir/home"
cp -a "$E2E_WORK/base-prefix" "$dir/prefix"
export WINEPREFIX="$dir/prefix" HOME="$dir/home"

source "$here/prepare.sh"
if declare -F "prepare_$name" >/dev/null; then
    "prepare_$name" "$dir" || { echo "preparing $name failed"; exit 1; }
fi

start_xvfb "$dir" || exit 1
(cd "$dir/cwd" && timeout 150 wine "$VITTREL_WIN_BIN/vittrel-driver.exe" "$name" "$(windows_path "$dir")")
status=$?
wineserver -k 2>/dev/null
stop_xvfb

if [ $status -eq 0 ]; then
    rm -rf "$dir"
else
    echo "scenario $name failed ($status); its prefix and files are kept in $dir"
fi
exit $status
