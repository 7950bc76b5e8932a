#!/bin/bash
# Builds vittrel.exe and the end-to-end driver (build/win/bin) and the native unit tests
# (build/native), whose CTest also runs the end-to-end scenarios.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$jobs"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DVITTREL_WIN_BIN="$PWD/build/win/bin" >/dev/null
cmake --build build/native -j"$jobs"
