# Shared by the end-to-end scripts: a quiet Wine, a private Xvfb, and prefix copies.

export WINEDEBUG=-all
# No Mono/Gecko installers and no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The kind of prefix, from VITTREL_WINE_ARCH: win32 (the default; the 32-bit build) or win64 (the
# 64-bit build). Debian's wine wrapper takes the 32-bit loader whenever that is installed, so each
# kind calls its own loader by name.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/host.sh"
export WINEARCH="${VITTREL_WINE_ARCH:-win32}"
if [ "$WINEARCH" = win64 ]; then
    WINE=$WINE64_LOADER
    # The loader that Wine starts further programs with, as Debian's wrapper sets it.
    export WINELOADER=$WINE
else
    WINE=$WINE32_LOADER
fi
wine() { "$WINE" "$@"; }

# make_prefix DIR: a new prefix, ready for programs; crashes print a backtrace instead of a dialog.
make_prefix() {
    local output
    # What Wine said goes to the caller only when the prefix could not be made.
    output=$(WINEPREFIX="$1" wine wineboot -i 2>&1) || { printf '%s\n' "$output" | tail -n 5 >&2; return 1; }
    WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1 || return 1
    # Xvfb has no window manager: with managed windows Wine waits two seconds for one every time
    # a top-level window closes.
    WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        >/dev/null 2>&1 || return 1
    WINEPREFIX="$1" wineserver -w
}

# The library folders are nearly the whole prefix (over 1 GB of a 64-bit one): a copy links their
# files to the base prefix's instead of copying them. Nothing writes into a library in place; a
# scenario that puts one there removes the old file first.
library_folders=(drive_c/windows/system32 drive_c/windows/syswow64)

# copy_prefix BASE DIR: a prefix of its own for one scenario.
copy_prefix() {
    local base="$1" copy="$2" folder
    mkdir -p "$copy" || return 1
    tar -C "$base" "${library_folders[@]/#/--exclude=./}" -cf - . | tar -C "$copy" -xf - || return 1
    for folder in "${library_folders[@]}"; do
        [ -d "$base/$folder" ] && { cp -al "$base/$folder" "$copy/$folder" || return 1; }
    done
    return 0
}

# changed_library_files BASE: the files of the base prefix's library folders that were written after
# the prefix was made (its stamp, make_base_prefix.sh, is written last). A preparation that wrote
# onto a linked file instead of replacing it would have changed every later scenario's prefix.
changed_library_files() {
    local base="$1" folder
    for folder in "${library_folders[@]}"; do
        [ -d "$base/$folder" ] && find "$base/$folder" -newer "$base/.vittrel-base" ! -type d -print
    done
    return 0
}

# start_xvfb DIR: starts a private X server; sets DISPLAY and XVFB_PID.
start_xvfb() {
    local file="$1/display"
    rm -f "$file"
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$file" >/dev/null 2>&1 &
    XVFB_PID=$!
    local waited=0
    until [ -s "$file" ]; do
        sleep 0.05
        waited=$((waited + 1))
        if [ $waited -gt 400 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
            echo "Xvfb did not start" >&2
            return 1
        fi
    done
    export DISPLAY=":$(cat "$file")"
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# windows_path PATH: the same folder as Wine's drive Z: sees it.
windows_path() {
    local path="$1"
    echo "Z:${path//\//\\}"
}
