#!/bin/bash
# Installs what is missing, builds, and runs every test: unit tests natively, end-to-end
# scenarios under Wine and Xvfb. Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build/native
ctest --output-on-failure -j"$(nproc)"
