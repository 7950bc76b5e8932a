#!/bin/bash
# Builds the two Windows builds of the program, the end-to-end driver and the test DLLs
# (build/win: i686, the one that ships; build/win64: x86_64, for 64-bit Wine), the fuzz targets with
# clang (build/fuzz/bin) and the native unit tests (build/native), whose CTest also runs the
# end-to-end scenarios, against each build that this host runs, and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/host.sh
decide_wine_kind
jobs=$(nproc)
for target in i686:win x86_64:win64; do
    cmake --no-warn-unused-cli -S . -B "build/${target#*:}" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-${target%%:*}.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "build/${target#*:}" -j"$jobs"
done
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DVITTREL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$jobs"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DVITTREL_WIN_BIN="$PWD/build/win/bin" \
    -DVITTREL_WIN64_BIN="$PWD/build/win64/bin" -DVITTREL_E2E_KINDS="${WINE_KINDS// /;}" \
    -DVITTREL_FUZZ_BIN="$PWD/build/fuzz/bin" >/dev/null
cmake --build build/native -j"$jobs"
