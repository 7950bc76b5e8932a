#!/bin/bash
# The performance benchmark, one command. Installs what is missing, builds, then measures on this
# machine:
#   1. under Wine and Xvfb, (a) the bare six-page sheet against (b) vittrel.exe on the same tour
#      (every tab; vittrel.exe also saves its report once), interleaved: medians from launch to the
#      process's end and from launch to the sheet on screen, and the ratio b/a;
#   2. launch to the sheet: vittrel.exe beside the bare sheet and its variant with the program's
#      page templates, and, when one is given, against an earlier build of vittrel.exe (before);
#   3. where vittrel.exe's extra time goes: two variants of the bare sheet (the program's page
#      templates; also importing winmm and winspool) on the same tour, and the pages' gathering
#      timed alone;
#   4. natively, the report composition (Google Benchmark);
#   5. the size of build/win/bin/vittrel.exe as built and stripped.
# Usage: bash bench/run.sh [runs per program, default 10] [an earlier vittrel.exe to compare]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10}"
earlier="${2:+$(realpath "$2")}"
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
source scripts/host.sh
use_host_build
source tests/e2e/wine_env.sh

bin="$HOST_BIN"
work="$PWD/build/bench"
mkdir -p "$work/cwd" "$work/home"
export WINEPREFIX="$work/prefix" HOME="$work/home"
bash tests/e2e/make_base_prefix.sh "$WINEPREFIX" >/dev/null

# Other work on the machine shows as noise in every figure; above it, the noise is smaller.
renice -n -10 -p $$ >/dev/null 2>&1 || true

echo "== machine: $(nproc) CPU(s), load average $(cut -d' ' -f1-3 /proc/loadavg), $(wine --version)"
start_xvfb "$work"
# One wineserver for every run, so that no run pays for the server's start-up.
wineserver -p
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
# The prefix's windows are unmanaged (make_prefix): Xvfb has no window manager, and Wine would
# otherwise wait up to 2 s for one after each closed window, in both programs.

exe() { windows_path "$bin/$1"; }
driver() { (cd "$work/cwd" && wine "$(exe bench-driver.exe)" "$@" 2>/dev/null); }

echo
echo "== 1. (a) bare sheet against (b) vittrel.exe, $runs runs each, interleaved"
driver "$runs" "a:bare-sheet=$(exe bench-bare-sheet.exe)" "b:vittrel=$(exe vittrel.exe)+save"
echo "goal: ratio b/a at most 1.10"

echo
echo "== 2. launch to the sheet: vittrel.exe${earlier:+ against $earlier (before)}, beside the bare"
echo "   sheet and its templates, $runs runs each, interleaved"
launch="$work/launch.txt"
programs=("a:bare-sheet=$(exe bench-bare-sheet.exe)" "templates=$(exe bench-bare-sheet-templates.exe)")
if [ -n "$earlier" ]; then
    # Copied beside the others, so that both programs start from the same kind of folder.
    cp "$earlier" "$work/vittrel-before.exe"
    programs+=("before:earlier=$(windows_path "$work/vittrel-before.exe")+save")
fi
driver "$runs" "${programs[@]}" "b:vittrel=$(exe vittrel.exe)+save" | tr -d '\r' | tee "$launch"
if [ -n "$earlier" ]; then
    # The summary rows: "<program> <total> ms <to sheet> ms <ratio> <fastest> ms".
    to_sheet() { awk -v name="$1" '$1 == name && $3 == "ms" { print $4 }' "$launch"; }
    before=$(to_sheet before:earlier)
    after=$(to_sheet b:vittrel)
    echo "launch to sheet: before $before ms, after $after ms, after/before $(awk -v b="$before" -v a="$after" \
        'BEGIN { printf "%.3f", a / b }')"
    echo "goal: no slower after than before"
fi

echo
echo "== 3. where the difference goes: the sheet with the program's templates, then winmm and winspool"
echo "   imported too"
driver "$(((runs + 1) / 2))" "a:bare-sheet=$(exe bench-bare-sheet.exe)" \
    "templates=$(exe bench-bare-sheet-templates.exe)" "imports=$(exe bench-bare-sheet-imports.exe)" \
    "b:vittrel=$(exe vittrel.exe)+save"
echo
echo "each page's gathering alone, a fresh process each time (median of 5, ms):"
probes="$work/probes.txt"
rm -f "$probes.raw"
# Into a file, not a pipe: a process that Wine starts on the way may hold a pipe open.
for _ in 1 2 3 4 5; do (cd "$work/cwd" && wine "$(exe bench-probes.exe)" >>"$probes.raw" 2>/dev/null); done
tr -d '\r' <"$probes.raw" >"$probes"
# Lines are "<name>  <ms>"; the names in their first order, each with the middle of its five values.
sed -E 's/ +[0-9.]+$//' "$probes" | awk '!seen[$0]++' | while IFS= read -r name; do
    median=$(grep -F "$name " "$probes" | awk '{ print $NF }' | sort -n | sed -n 3p)
    printf '  %-34s %8s\n' "$name" "$median"
done

echo
echo "== 4. report composition (native, Google Benchmark)"
build/native/bench/report_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>&1 |
    grep -E '^(Benchmark|-+$|Compose.*_median)'
echo "goal: under 2 ms"

echo
echo "== 5. size of the shipped program"
# Always the 32-bit build, which ships, whichever build the runs above measured: the file that the
# build checks read.
shipped="$PWD/build/win/bin/vittrel.exe"
stripped="$work/vittrel-stripped.exe"
i686-w64-mingw32-strip -o "$stripped" "$shipped"
for file in "$shipped" "$stripped"; do
    bytes=$(stat -c %s "$file")
    printf '  %-40s %8d bytes = %d KB\n' "${file#"$PWD"/}" "$bytes" $(((bytes + 1023) / 1024))
done
echo "goal: the shipped exe at most 400 KB"
