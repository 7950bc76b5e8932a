#!/usr/bin/env python3
"""Writes the release archive: vittrel.exe, README.txt, SUPPORT-GUIDE.txt and SHA256SUMS.

    make_release_archive.py VITTREL_EXE SOURCE_ROOT OUTPUT_ZIP

The same inputs always give the same bytes: the entries come in a fixed order, with fixed
permissions and one timestamp, that of SOURCE_DATE_EPOCH if it is set, otherwise the time of the
source tree's last commit. The texts get CR LF line ends for the Windows user who reads them.
"""
import hashlib
import os
import pathlib
import subprocess
import sys
import time
import zipfile

EXE_NAME = "vittrel.exe"
# The oldest time a zip archive can hold, for a tree that is not a git checkout.
ZIP_EPOCH = 315532800


def crlf(text):
    return "\r\n".join(text.replace("\r\n", "\n").split("\n")).encode("ascii")


def plain_text(markdown):
    """Markdown headings become underlined lines; everything else is already plain text."""
    lines = []
    for line in markdown.splitlines():
        level = len(line) - len(line.lstrip("#"))
        if 0 < level < len(line) and line[level] == " ":
            title = line[level + 1:]
            lines += [title, ("=" if level == 1 else "-") * len(title)]
        else:
            lines.append(line)
    return "\n".join(lines) + "\n"


def source_epoch(root):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        out = subprocess.run(["git", "-C", str(root), "log", "-1", "--format=%ct"], capture_output=True,
                             text=True, check=True).stdout.strip()
        return int(out)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return ZIP_EPOCH


def main(argv):
    if len(argv) != 4:
        print(__doc__)
        return 2
    exe, root, output = pathlib.Path(argv[1]), pathlib.Path(argv[2]), pathlib.Path(argv[3])
    files = [
        (EXE_NAME, exe.read_bytes(), 0o755),
        ("README.txt", crlf((root / "docs/release-readme.txt").read_text(encoding="ascii")), 0o644),
        ("SUPPORT-GUIDE.txt", crlf(plain_text((root / "docs/support-guide.md").read_text(encoding="ascii"))),
         0o644),
    ]
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data, _ in files)
    files.append(("SHA256SUMS", sums.encode("ascii"), 0o644))

    stamp = time.gmtime(max(source_epoch(root), ZIP_EPOCH))[:6]
    output.parent.mkdir(parents=True, exist_ok=True)
    partial = output.with_name(output.name + ".partial")
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data, mode in files:
            entry = zipfile.ZipInfo(name, date_time=stamp)
            entry.create_system = 3  # Unix, so that the permissions below are what is stored
            entry.external_attr = (0o100000 | mode) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, data, compresslevel=9)
    partial.replace(output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
