#!/bin/bash
# Builds vittrel.exe and the end-to-end driver (build/win/bin), the fuzz targets with clang
# (build/fuzz/bin) and the native unit tests (build/native), whose CTest also runs the end-to-end
# scenarios and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$jobs"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DVITTREL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$jobs"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DVITTREL_WIN_BIN="$PWD/build/win/bin" \
    -DVITTREL_FUZZ_BIN="$PWD/build/fuzz/bin" >/dev/null
cmake --build build/native -j"$jobs"
