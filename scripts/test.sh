#!/bin/bash
# Installs what is missing, builds, and runs every test: unit tests natively, end-to-end
# scenarios under Wine and Xvfb against each build this host runs, a short pass of every fuzz
# target. Ends with CTest's summary.
# The minute-long fuzz runs (label fuzz) are left to `ctest -L '^fuzz$'` in build/native.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
source scripts/host.sh
decide_wine_kind
if [ "$WINE_KINDS" = win64 ]; then
    echo "end-to-end scenarios: against the 64-bit build only, because $WINE_KIND_REASON"
else
    echo "end-to-end scenarios: against the 32-bit build in a 32-bit prefix and the 64-bit build in a 64-bit prefix"
fi
cd build/native
ctest --output-on-failure -j"$(nproc)" -LE '^fuzz$'
