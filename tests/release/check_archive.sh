#!/bin/bash
# Makes the release archive from the vittrel.exe that the other tests run, the way
# scripts/package.sh does, and checks what a technician receives: the file list, CR LF texts,
# checksums that hold, a stripped program without a link time, and that the vittrel.exe taken out
# of the archive starts under Wine and shows the sheet (the driver's start-up scenario), where this
# host runs 32-bit programs.
#   check_archive.sh SOURCE_ROOT WORK_DIR      with VITTREL_WIN_BIN set, and E2E_WORK where the
#                                              program is to be started
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root="$1"
work="$2"
: "${VITTREL_WIN_BIN:?}"
status=0
check() { # description, command...
    local what="$1"
    shift
    if "$@"; then echo "ok - $what"; else echo "not ok - $what"; status=1; fi
}

rm -rf "$work"
mkdir -p "$work/files"
archive="$work/vittrel-kelvorn32-2.0a-win32.zip"
make_archive() { python3 "$root/tools/make_release_archive.py" "$VITTREL_WIN_BIN/vittrel.exe" "$root" "$1"; }
if ! make_archive "$archive" || ! make_archive "$work/again.zip"; then
    echo "not ok - the archive can be made"
    exit 1
fi
check "making the archive twice gives the same bytes" cmp -s "$archive" "$work/again.zip"

expected=$'vittrel.exe\nREADME.txt\nSUPPORT-GUIDE.txt\nSHA256SUMS'
check "the archive holds $(tr '\n' ' ' <<<"$expected")in that order" \
    [ "$(unzip -Z1 "$archive")" = "$expected" ]
unzip -q "$archive" -d "$work/files" || { echo "not ok - unzip"; exit 1; }
cd "$work/files" || exit 1

crlf_only() { # every line ends in CR LF, the last one too, and there is no other CR
    [ -s "$1" ] && ! grep -qv $'\r$' "$1" && ! grep -q $'\r.' "$1" && [ -z "$(tail -c 1 "$1")" ]
}
for text in README.txt SUPPORT-GUIDE.txt; do
    check "$text has CR LF line ends only" crlf_only "$text"
done
check "SHA256SUMS names the three other files" \
    [ "$(awk '{print $2}' SHA256SUMS | tr '\n' ' ')" = "vittrel.exe README.txt SUPPORT-GUIDE.txt " ]
check "the checksums hold" sha256sum --quiet --strict --check SHA256SUMS

check "vittrel.exe is the program the other tests run" cmp -s vittrel.exe "$VITTREL_WIN_BIN/vittrel.exe"
check "vittrel.exe is stripped" bash -c \
    'i686-w64-mingw32-nm vittrel.exe 2>&1 | grep -q "no symbols"'
pe=$(od -An -tu4 -j60 -N4 vittrel.exe | tr -d ' ')
stamp=$(od -An -tu4 -j$((pe + 8)) -N4 vittrel.exe | tr -d ' ')
check "vittrel.exe carries no link time (PE time stamp $stamp)" [ "$stamp" = 0 ]

if [ -n "${E2E_WORK:-}" ]; then
    # The driver starts the vittrel.exe that lies beside it.
    cp "$VITTREL_WIN_BIN/vittrel-driver.exe" .
    VITTREL_WIN_BIN="$work/files" "$here/../e2e/run_scenario.sh" startup release_archive
    check "the vittrel.exe taken out of the archive starts and shows the sheet" [ $? -eq 0 ]
else
    echo "skipped - the vittrel.exe taken out of the archive is not started: this host runs no 32-bit programs"
fi

[ $status -eq 0 ] && rm -rf "$work"
exit $status
