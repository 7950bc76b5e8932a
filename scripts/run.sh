#!/bin/bash
# Installs what is missing, builds, and runs vittrel.exe under Wine in the project's own prefix
# (run/prefix, or run/prefix64 for the 64-bit build), with run/ as its current directory.
#   With a DISPLAY: opens the sheet for you.
#   Without one: takes a user's tour on a private Xvfb (every page in tab order, Save To File,
#   Exit), leaves a PNG of every page in run/, and prints run/Vittrel.log when there is one.
# Where this host cannot run 32-bit programs, the 64-bit build runs under 64-bit Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
source scripts/host.sh
use_host_build
source tests/e2e/wine_env.sh

# stop CAUSE: ends the run with what went wrong and what can be done about it.
stop() {
    echo "vittrel: $1" >&2
    if [ "$WINEARCH" = win32 ]; then
        echo "remedy: take the 64-bit path, VITTREL_WIN64_ONLY=1 bash scripts/run.sh" >&2
    else
        echo "remedy: where the kernel has 32-bit emulation switched off, boot it with ia32_emulation=on;" \
            "check that Debian's wine64 package is installed (bash scripts/install-deps.sh)" >&2
    fi
    exit 1
}

run="$PWD/run"
mkdir -p "$run"
export WINEPREFIX="$run/prefix"
[ "$WINEARCH" = win64 ] && WINEPREFIX="$run/prefix64"
failure=$(wine --version 2>&1 >/dev/null) || stop "Wine's loader $WINE does not start: ${failure:-no reason given}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "making the Wine prefix $WINEPREFIX"
    if ! make_prefix "$WINEPREFIX"; then
        rm -rf "$WINEPREFIX"
        stop "Wine could not make the prefix $WINEPREFIX (what it said is above)"
    fi
fi

if [ -n "${DISPLAY:-}" ]; then
    cd "$run" && exec "$WINE" "$HOST_BIN/vittrel.exe"
fi

# What is printed and shown afterwards is this run's alone.
rm -f "$run"/page-*.bmp "$run"/page-*.png "$run/Vittrel.log"
start_xvfb "$run"
trap 'wineserver -k 2>/dev/null; stop_xvfb' EXIT
(cd "$run" && wine "$HOST_BIN/vittrel-driver.exe" tour "$(windows_path "$run")")
for picture in "$run"/page-*.bmp; do
    /usr/bin/convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
done
echo "pictures of the pages:"
ls -1 "$run"/page-*.png
if [ -f "$run/Vittrel.log" ]; then
    echo "--- $run/Vittrel.log"
    cat "$run/Vittrel.log"
fi
