#!/bin/bash
# Dumps the resources linked into vittrel.exe and checks the ones that no window shows: the
# application manifest (the only one: compatibility and DPI awareness), the version record and the
# icon's two images.
set -uo pipefail
exe="$1"
dump=$(i686-w64-mingw32-windres -i "$exe" -O rc 2>&1)
status=0
check() { # description, command...
    local what="$1"
    shift
    if "$@"; then echo "ok - $what"; else echo "not ok - $what"; status=1; fi
}
has() { grep -qF -- "$1" <<<"$dump"; }
lacks() { ! grep -qiF -- "$1" <<<"$dump"; }

manifests=$(grep -c '^/\* Type: 24' <<<"$dump")
check "exactly one manifest (found $manifests)" [ "$manifests" -eq 1 ]
check "the manifest is resource 1" has '1 24 /* RT_MANIFEST */'
for id in e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
    4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
    8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
    check "the manifest declares {$id}" has "{$id}"
done
check "no requested execution level" lacks 'requestedExecutionLevel'
check "no common controls 6 dependency" lacks 'Microsoft.Windows.Common-Controls'
check "system DPI awareness" has '<dpiAware>true</dpiAware>'

check "file version 1.0.0.1" has 'FILEVERSION 1, 0, 0, 1'
check "product version 2.0.0.0" has 'PRODUCTVERSION 2, 0, 0, 0'
check "file description" has 'VALUE "FileDescription", "Vittrel Kelvorn 32 Application"'
check "US English" has 'VALUE "Translation", 0x409, 1200'

# The group icon 128 lists its images as "width height colours pad" in octal.
check "icon 128 is a group icon" has '128 14 /* RT_GROUP_ICON */'
check "icon 128 has two images" has 'Has 2 elements'
check "a 32x32 image of 16 colours" has '"\040\040\020\000", 1, 4'
check "a 16x16 image of 16 colours" has '"\020\020\020\000", 1, 4'
exit $status
