#!/bin/bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Debian 12, as root. 64-bit Wine always; the 32-bit Wine (and the i386 architecture it comes
# from) only where the kernel can run 32-bit programs and the 64-bit path is not forced.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/host.sh

packages=(cmake make g++ googletest libgtest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb
    xauth imagemagick python3 unzip clang libclang-rt-14-dev libbenchmark-dev llvm)

# On the forced 64-bit path nothing 32-bit is added, as on a host that cannot run it.
if ! win64_forced && kernel_runs_32bit; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    packages+=(wine32:i386)
fi
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi
