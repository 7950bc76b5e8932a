#!/bin/bash
# Installs what is missing, builds, and runs vittrel.exe under Wine in the project's own prefix
# (run/prefix), with run/ as its current directory.
#   With a DISPLAY: opens the sheet for you.
#   Without one: takes a user's tour on a private Xvfb (every page in tab order, Save To File,
#   Exit), leaves a PNG of every page in run/, and prints run/Vittrel.log when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
source tests/e2e/wine_env.sh

run="$PWD/run"
mkdir -p "$run"
export WINEPREFIX="$run/prefix"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "making the Wine prefix $WINEPREFIX"
    make_prefix "$WINEPREFIX"
fi

if [ -n "${DISPLAY:-}" ]; then
    cd "$run" && exec wine "$OLDPWD/build/win/bin/vittrel.exe"
fi

rm -f "$run"/page-*.bmp "$run"/page-*.png
start_xvfb "$run"
trap 'wineserver -k 2>/dev/null; stop_xvfb' EXIT
(cd "$run" && wine "$OLDPWD/build/win/bin/vittrel-driver.exe" tour "$(windows_path "$run")")
for picture in "$run"/page-*.bmp; do
    /usr/bin/convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
done
echo "pictures of the pages:"
ls -1 "$run"/page-*.png
if [ -f "$run/Vittrel.log" ]; then
    echo "--- $run/Vittrel.log"
    cat "$run/Vittrel.log"
fi
