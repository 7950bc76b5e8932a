#!/bin/bash
# The performance benchmark, one command: installs what is missing, builds, then measures on this
# machine
#   - under Wine and Xvfb, the bare six-page sheet (a) against vittrel.exe (b) on the same tour,
#     interleaved, launch to end and launch to sheet on screen, medians and the ratio b/a;
#   - natively, the report composition (Google Benchmark);
#   - the size of build/win/bin/vittrel.exe as built and stripped.
# Usage: bash bench/run.sh [runs per program, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10}"
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
source tests/e2e/wine_env.sh

bin="$PWD/build/win/bin"
work="$PWD/build/bench"
mkdir -p "$work/cwd" "$work/home"
export WINEPREFIX="$work/prefix" HOME="$work/home"
bash tests/e2e/make_base_prefix.sh "$WINEPREFIX" >/dev/null

echo "== machine: $(nproc) CPU(s), load average $(cut -d' ' -f1-3 /proc/loadavg), $(wine --version)"
echo
echo "== (a) bare sheet against (b) vittrel.exe, under Wine and Xvfb, $runs runs each"
start_xvfb "$work"
# One wineserver for every run, so that no run pays for the server's start-up.
wineserver -p
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
(cd "$work/cwd" && wine "$(windows_path "$bin/bench-driver.exe")" "$runs" \
    "$(windows_path "$bin/bench-bare-sheet.exe")" "$(windows_path "$bin/vittrel.exe")")

echo
echo "== report composition (native, Google Benchmark)"
if [ -x build/native/bench/report_benchmark ]; then
    build/native/bench/report_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
else
    echo "not measured: the report composition is not part of this tree yet"
fi

echo
echo "== size of the shipped program"
exe="$bin/vittrel.exe"
stripped="$work/vittrel-stripped.exe"
i686-w64-mingw32-strip -o "$stripped" "$exe"
size_of() { stat -c %s "$1"; }
printf '%-28s %8d bytes (%d KiB)\n' "build/win/bin/vittrel.exe" "$(size_of "$exe")" $(($(size_of "$exe") / 1024))
printf '%-28s %8d bytes (%d KiB)\n' "the same, stripped" "$(size_of "$stripped")" $(($(size_of "$stripped") / 1024))
echo "goal: the shipped exe at most 400 KB"
