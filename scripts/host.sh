# What this host can run, decided in one place (sourced by the scripts): whether Wine's 32-bit
# loader starts. Some x86-64 kernels have their 32-bit emulation switched off
# (ia32_emulation=off); there only 64-bit Wine runs, so the program and its tests run as the
# 64-bit build. VITTREL_WIN64_ONLY=1 takes that path on any host.

WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64

# kernel_runs_32bit: true when the kernel starts a 32-bit x86 program. The program is the
# smallest there is, written here byte for byte (an ELF header, one segment, exit(7) through
# int 0x80), so that the answer is known before anything 32-bit is installed.
kernel_runs_32bit() {
    local probe status elf
    elf='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00'
    elf+='\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00'
    elf+='\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
    elf+='\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
    elf+='\xb8\x01\x00\x00\x00\xbb\x07\x00\x00\x00\xcd\x80'
    # In the project's build folder: a temporary folder may be mounted without execution rights.
    mkdir -p build
    probe=$(mktemp -p build)
    printf "$elf" >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    [ $status -eq 7 ]
}

# win64_forced: true when VITTREL_WIN64_ONLY asks for the 64-bit path.
win64_forced() { [ -n "${VITTREL_WIN64_ONLY:-}" ] && [ "$VITTREL_WIN64_ONLY" != 0 ]; }

# decide_wine_kind: sets WINE_KINDS ("win32 win64" or "win64") and, where win32 is left out,
# WINE_KIND_REASON, the one line that says why.
decide_wine_kind() {
    WINE_KIND_REASON=
    local failure
    if win64_forced; then
        WINE_KIND_REASON="VITTREL_WIN64_ONLY is set"
    elif [ ! -x "$WINE32_LOADER" ]; then
        if kernel_runs_32bit; then
            WINE_KIND_REASON="Wine's 32-bit loader ($WINE32_LOADER) is not installed"
        else
            WINE_KIND_REASON="this kernel cannot run 32-bit programs (32-bit emulation is off)"
        fi
    elif ! failure=$("$WINE32_LOADER" --version 2>&1 >/dev/null); then
        WINE_KIND_REASON="Wine's 32-bit loader does not start: ${failure:-no reason given}"
    fi
    if [ -n "$WINE_KIND_REASON" ]; then
        WINE_KINDS=win64
    else
        WINE_KINDS="win32 win64"
    fi
}

# use_host_build: the build that the program is run as outside the tests, the 32-bit one where this
# host runs it, else the 64-bit one, saying so. Sets VITTREL_WINE_ARCH (read by
# tests/e2e/wine_env.sh, so call this first) and HOST_BIN, the build's folder.
use_host_build() {
    decide_wine_kind
    if [ "$WINE_KINDS" = win64 ]; then
        export VITTREL_WINE_ARCH=win64
        HOST_BIN="$PWD/build/win64/bin"
        echo "running the 64-bit build under 64-bit Wine, because $WINE_KIND_REASON"
    else
        export VITTREL_WINE_ARCH=win32
        HOST_BIN="$PWD/build/win/bin"
    fi
}
