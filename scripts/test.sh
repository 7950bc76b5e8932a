#!/bin/bash
# Installs what is missing, builds, and runs every test: unit tests natively, end-to-end
# scenarios under Wine and Xvfb, a short pass of every fuzz target. Ends with CTest's summary.
# The minute-long fuzz runs (label fuzz) are left to `ctest -L '^fuzz$'` in build/native.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build/native
ctest --output-on-failure -j"$(nproc)" -LE '^fuzz$'
