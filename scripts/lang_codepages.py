#!/usr/bin/env python3
"""Checks that language and help files (.lng, .hlf) are written in the OEM
code page the host reads them in, one byte per character.

  lang_codepages.py FILE...   prints one line per file; exit 1 if one fails

A file names its code page in a header comment ("code page 866"); a file
that names none must be plain ASCII (English). The code page must be the one
of the file's language (tolvik_<code>.lng): 866 for Russian, 852 for Polish
and Czech, 850 for the Western languages. The bytes must decode strictly in
it, and every character beyond ASCII must be a letter of the language's
script (Cyrillic for 866, Latin otherwise) or one of a few marks of
punctuation: UTF-8 read as a code page gives box-drawing characters and
symbols, and text in the wrong code page gives letters of the wrong script.
A '?' between two letters is what a failed conversion leaves.
"""
import codecs
import re
import sys
import unicodedata
from pathlib import Path

CODE_PAGES = {"ru": 866, "pl": 852, "cs": 852, "en": 850, "de": 850, "es": 850, "fr": 850}
PUNCTUATION = set("\u00a0«»°§±·¿¡–—")
DECLARATION = re.compile(rb"^(?://|\.).*\bcode page (\d+)\b", re.IGNORECASE | re.MULTILINE)


def problems(path: Path) -> tuple[str, list[str]]:
    data = path.read_bytes()
    found = []
    declared = DECLARATION.search(data[:2048])
    code = re.fullmatch(r"[a-z]+_([a-z]{2})\.(lng|hlf)", path.name)
    expected = CODE_PAGES.get(code.group(1)) if code else None
    if not declared:
        if any(b > 0x7F for b in data):
            found.append("names no code page in its header but holds bytes beyond ASCII")
        return "ascii", found
    page = int(declared.group(1))
    if expected is not None and page != expected:
        found.append(f"declares code page {page}; its language is read in {expected}")
    if any(b > 0x7F for b in data):
        try:
            data.decode("utf-8")
            found.append("is UTF-8, not a one-byte code page")
        except UnicodeDecodeError:
            pass
    try:
        text = codecs.decode(data, f"cp{page}", "strict")
    except (LookupError, UnicodeDecodeError) as error:
        return f"cp{page}", found + [f"does not decode in code page {page}: {error}"]
    script = "CYRILLIC" if page == 866 else "LATIN"
    for number, line in enumerate(text.splitlines(), 1):
        for char in line:
            if ord(char) < 0x80 or char in PUNCTUATION:
                continue
            name = unicodedata.name(char, f"U+{ord(char):04X}")
            if not unicodedata.category(char).startswith("L") or not name.startswith(script):
                found.append(f"line {number}: {char!r} ({name}) is no {script.lower()} letter")
                break
        if re.search(r"[^\W\d_]\?[^\W\d_]", line):
            found.append(f"line {number}: a '?' inside a word: {line.strip()[:60]}")
    return f"cp{page}", found


def main() -> int:
    status = 0
    for name in sys.argv[1:]:
        page, found = problems(Path(name))
        print(f"{name}: {page}, " + ("ok" if not found else f"{len(found)} problems"))
        for problem in found[:10]:
            print(f"  {problem}")
        status |= bool(found)
    return status


if __name__ == "__main__":
    sys.exit(main())
