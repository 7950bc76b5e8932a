#!/bin/bash
# Makes the Wine prefix that every end-to-end scenario starts from a copy of (once per Wine version).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_env.sh"
base="$1"
stamp="$base/.vittrel-base"
# A new Wine or a new recipe in wine_env.sh makes a new base.
version="$WINEARCH $(wine --version) $(md5sum <"$here/wine_env.sh" | cut -c1-12)"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then
    echo "base prefix ready ($version)"
    exit 0
fi
rm -rf "$base"
mkdir -p "$(dirname "$base")"
make_prefix "$base"
echo "$version" >"$stamp"
echo "base prefix made ($version)"
