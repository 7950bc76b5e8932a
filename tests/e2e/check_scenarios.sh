#!/bin/bash
# Holds the scenario lists together, so that no scenario silently goes unrun: the scenarios that the
# driver knows (it prints them when run without arguments) are those registered with CTest, both
# ways, and every prepare_<scenario> or cleanup_<scenario> function of the scenarios' shell scripts
# names one of them. Runs the driver in a copy of the base prefix.
# Needs VITTREL_WIN_BIN (vittrel-driver.exe) and E2E_WORK, as run_scenario.sh.
#   check_scenarios.sh SCENARIO...   the scenarios registered with CTest
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_env.sh"
: "${VITTREL_WIN_BIN:?}" "${E2E_WORK:?}"

dir="$E2E_WORK/scenario-lists"
rm -rf "$dir"
copy_prefix "$E2E_WORK/base-prefix" "$dir/prefix" || { echo "copying the base prefix failed"; exit 1; }
driver=$(WINEPREFIX="$dir/prefix" timeout 60 "$WINE" "$VITTREL_WIN_BIN/vittrel-driver.exe" 2>/dev/null |
    tr -d '\r')
WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null
rm -rf "$dir"
if [ -z "$driver" ]; then
    echo "not ok - the driver named no scenario ($VITTREL_WIN_BIN/vittrel-driver.exe)"
    exit 1
fi
registered=$(printf '%s\n' "$@")
functions=$(source "$here/prepare.sh" && declare -F | awk '{ print $3 }' | grep -E '^(prepare|cleanup)_')

status=0
# not_ok WHAT NAMES: a line that names each of NAMES (one a line), when there are any.
not_ok() {
    [ -z "$2" ] && return
    echo "not ok - $1: $(paste -sd' ' <<<"$2")"
    status=1
}
not_ok "twice in the driver" "$(sort <<<"$driver" | uniq -d)"
not_ok "in the driver, in no tests/e2e/*_scenarios.cmake list" \
    "$(comm -23 <(sort -u <<<"$driver") <(sort -u <<<"$registered"))"
not_ok "in a tests/e2e/*_scenarios.cmake list, not in the driver" \
    "$(comm -13 <(sort -u <<<"$driver") <(sort -u <<<"$registered"))"
not_ok "in the scenarios' shell scripts, naming no scenario" \
    "$(while read -r function; do grep -qxF "${function#*_}" <<<"$driver" || echo "$function"; done \
        <<<"$functions")"
[ $status -eq 0 ] && echo "ok - the driver's $(wc -l <<<"$driver") scenarios are CTest's;" \
    "every prepare_ and cleanup_ function names one"
exit $status
