#!/bin/bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Debian 12, as root.
set -euo pipefail

packages=(cmake make g++ googletest libgtest-dev g++-mingw-w64-i686 wine wine32:i386 xvfb xauth imagemagick
    python3 unzip clang libclang-rt-14-dev libbenchmark-dev)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
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
