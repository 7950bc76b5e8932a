#!/usr/bin/env python3
"""Checks that every text a document quotes in double quotes is one the program has.

The program's texts are its C++ string literals (src/) and the strings of its resource script
(resources/*.rc). A quote matches when, with runs of blanks and line breaks read as one blank, it
is a part of one such text that begins and ends at word boundaries. A text is cut into parts
wherever a value goes into it: at a printf conversion ("%s", "%.2f") and wherever the code joins
a variable to it. Literals joined only by + (or written side by side) count as one text.

    check_quotes.py SOURCE_ROOT DOCUMENT...

Prints one line per quote and exits non-zero when any quote is not the program's.
"""
import pathlib
import re
import sys

CONVERSION = re.compile(r"%[-+ #0]*[0-9]*(?:\.[0-9]+)?[a-zA-Z]")
# What may stand between two literals that still form one text.
JOINING = re.compile(r"\s*(?:\)\s*)?\+?\s*(?:std::string\s*\(\s*)?")
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", '"': '"', "'": "'", "0": "\0"}


def cpp_literals(source):
    """Yields (text, start, end) for each narrow string literal, escapes decoded, comments skipped."""
    i, n = 0, len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            i = source.find("\n", i)
            i = n if i < 0 else i
        elif source.startswith("/*", i):
            i = source.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif c == "'":
            i += 1
            while i < n and source[i] != "'":
                i += 2 if source[i] == "\\" else 1
            i += 1
        elif c == '"':
            start, i, text = i, i + 1, []
            while i < n and source[i] != '"':
                if source[i] == "\\":
                    code = source[i + 1]
                    if code == "x":
                        digits = re.match(r"[0-9a-fA-F]+", source[i + 2:]).group(0)
                        text.append(chr(int(digits, 16)))
                        i += 2 + len(digits)
                        continue
                    text.append(ESCAPES.get(code, code))
                    i += 2
                else:
                    text.append(source[i])
                    i += 1
            i += 1
            yield "".join(text), start, i
        else:
            i += 1


def cpp_texts(source):
    """Whole texts of a C++ file: each a list of parts, literals joined by + forming one part."""
    texts, current, last_end = [], None, None
    for text, start, end in cpp_literals(source):
        between = source[last_end:start] if last_end is not None else None
        if current is not None and between is not None and ";" not in between:
            if JOINING.fullmatch(between):
                current[-1] += text
            else:  # a value is joined in between: the text goes on in a new part
                current.append(text)
        else:
            if current is not None:
                texts.append(current)
            current = [text]
        last_end = end
    if current is not None:
        texts.append(current)
    return texts


def rc_texts(source):
    """Strings of a resource script ("" is a quote); && is also read as the & the user sees."""
    texts = []
    for match in re.finditer(r'"((?:[^"]|"")*)"', source):
        text = match.group(1).replace('""', '"')
        texts.append([text])
        if "&&" in text:
            texts.append([text.replace("&&", "&")])
    return texts


def normalise(text):
    return " ".join(text.split())


def program_parts(root):
    parts = set()
    files = sorted((root / "src").rglob("*.cpp")) + sorted((root / "src").rglob("*.h"))
    texts = []
    for path in files:
        texts += cpp_texts(path.read_text(encoding="latin-1"))
    for path in sorted((root / "resources").glob("*.rc")):
        texts += rc_texts(path.read_text(encoding="latin-1"))
    for text in texts:
        for part in text:
            for piece in CONVERSION.split(part.replace("%%", "\0")):
                piece = normalise(piece.replace("\0", "%"))
                if piece:
                    parts.add(piece)
    return parts


def is_word(c):
    return c.isalnum() or c == "_"


def found_in(quote, part):
    start = part.find(quote)
    while start >= 0:
        end = start + len(quote)
        before_ok = start == 0 or not (is_word(part[start - 1]) and is_word(quote[0]))
        after_ok = end == len(part) or not (is_word(part[end]) and is_word(quote[-1]))
        if before_ok and after_ok:
            return True
        start = part.find(quote, start + 1)
    return False


def document_quotes(path):
    """Quotes of a document, paragraph by paragraph; a paragraph with an odd quote count is an error."""
    quotes, errors = [], []
    for number, paragraph in enumerate(re.split(r"\n\s*\n", path.read_text(encoding="utf-8")), 1):
        if paragraph.count('"') % 2:
            errors.append(f"{path.name}: paragraph {number} has an unpaired double quote: "
                          f"{normalise(paragraph)[:80]}")
            continue
        quotes += [normalise(q) for q in re.findall(r'"([^"]*)"', paragraph)]
    return quotes, errors


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    parts = program_parts(pathlib.Path(argv[1]))
    failed = 0
    for name in argv[2:]:
        quotes, errors = document_quotes(pathlib.Path(name))
        for error in errors:
            print(f"not ok - {error}")
        failed += len(errors)
        if not quotes:
            print(f"not ok - {name} quotes no text of the program")
            failed += 1
        for quote in quotes:
            ok = bool(quote) and any(found_in(quote, part) for part in parts)
            print(f'{"ok" if ok else "not ok"} - {pathlib.Path(name).name}: "{quote}"')
            failed += not ok
    print(f"{failed} quote(s) not found in the program")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
