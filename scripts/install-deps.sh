#!/bin/bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Debian 12, as root. 64-bit Wine always; the 32-bit Wine (and the i386 architecture it comes
# from) only where the kernel can run 32-bit programs and the 64-bit path is not forced.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/host.sh

packages=(cmake make g++ googletest libgtest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb
    xauth imagemagick python3 unzip clang libclang-rt-14-dev libbenchmark-dev llvm locales)

# On the forced 64-bit path nothing 32-bit is added, as on a host that cannot run it.
wine32=()
if ! win64_forced && kernel_runs_32bit; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    wine32=(wine32:i386)
fi
# missing PACKAGE...: those of the packages that are not installed.
missing() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || echo "$package"
    done
}
mapfile -t needed < <(missing "${packages[@]}")
mapfile -t needed32 < <(missing "${wine32[@]}")
if [ ${#needed[@]} -gt 0 ] || [ ${#needed32[@]} -gt 0 ]; then
    echo "installing: ${needed[*]} ${needed32[*]}"
    # A mirror in the middle of a sync fails one list or another; what the other lists hold still
    # installs, and a package that it cannot supply fails below.
    apt-get update -q || echo "apt-get update failed for some package lists; installing from those it has"
    if [ ${#needed[@]} -gt 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${needed[@]}"
    fi
    # Without the 32-bit Wine everything still builds, and the program and its tests run as the
    # 64-bit build (scripts/host.sh says so), as on a host that cannot run 32-bit programs.
    if [ ${#needed32[@]} -gt 0 ] && ! DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${needed32[@]}"; then
        echo "the 32-bit Wine could not be installed; going on with the 64-bit Wine alone"
    fi
fi

# A Cyrillic locale: Wine takes the system's code page (1251) from it in the scenario that types a
# Cyrillic letter in a list (devices_scripted).
if ! locale -a 2>/dev/null | grep -qix ru_RU.utf8; then
    localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
