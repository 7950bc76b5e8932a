# Shared by the end-to-end scripts: a quiet Wine, a private Xvfb, and prefix copies.

export WINEDEBUG=-all
# No Mono/Gecko installers and no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32

# make_prefix DIR: a new prefix, ready for programs; crashes print a backtrace instead of a dialog.
make_prefix() {
    WINEPREFIX="$1" wineboot -i >/dev/null 2>&1 || return 1
    WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1 || return 1
    # Xvfb has no window manager: with managed windows Wine waits two seconds for one every time
    # a top-level window closes.
    WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        >/dev/null 2>&1 || return 1
    WINEPREFIX="$1" wineserver -w
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
