#!/bin/bash
# Builds the Release program and writes the archive to hand out,
# dist/vittrel-kelvorn32-2.0a-win32.zip: vittrel.exe (the same file the tests run), README.txt,
# SUPPORT-GUIDE.txt and SHA256SUMS. One commit always gives the same archive, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
archive=dist/vittrel-kelvorn32-2.0a-win32.zip
python3 tools/make_release_archive.py build/win/bin/vittrel.exe . "$archive"
echo "$archive: $(stat -c %s "$archive") bytes"
sha256sum "$archive"
