#!/usr/bin/env python3
"""The one check that language files (.lng, .hlf and the host's texts
host_<code>.txt) are written in the OEM code page the host reads them in,
one byte per character.

  lang_codepages.py FILE...   prints one line per file; exit 1 if one fails

A file names its code page in a header comment ("code page 866"); a file
that names none must be plain ASCII. The page must be the one that
emulator/language_code_pages.inc gives the file's language: by the
".Language=" name its first line carries (which the table must list, under
the code of the file's name), else by the code in its name (tolvik_ru.lng,
host_ru.txt). The bytes must decode strictly in it, hold no control byte but
the line break, and every character beyond ASCII must be a letter of the
page's script (Cyrillic for 866, Latin otherwise) or one of a few marks of
punctuation: UTF-8 read as a code page gives box-drawing characters and
symbols, and text in the wrong code page gives letters of the wrong script.
A '?' before a letter is what a failed conversion leaves.
"""
import codecs
import re
import sys
import unicodedata
from pathlib import Path

TABLE = Path(__file__).resolve().parent.parent / "emulator" / "language_code_pages.inc"
ROW = re.compile(r'^\{"([^"]+)", "([a-z]+)", (\d+)\},$', re.MULTILINE)
PUNCTUATION = set("\u00a0«»°§±·¿¡–—")
DECLARATION = re.compile(rb"^(?://|\.).*\bcode page (\d+)\b", re.IGNORECASE | re.MULTILINE)
LANGUAGE = re.compile(rb"^\.Language=([^,\r\n]+)")
FILE_NAME = re.compile(r"(?:tolvik|host)_([a-z]{2})\.(?:lng|hlf|txt)")


def language_table() -> list[tuple[str, str, int]]:
    """(name, code, page) rows of the emulator's table."""
    return [(name, code, int(page)) for name, code, page in ROW.findall(TABLE.read_text())]


def expected_page(data: bytes, file_name: str, table, found: list[str]):
    """The page the host reads the file in, or None when nothing names it."""
    code = FILE_NAME.fullmatch(file_name)
    code = code.group(1) if code else None
    language = LANGUAGE.match(data)
    if language:
        name = language.group(1).decode("ascii", "replace")
        rows = [row for row in table if row[0] == name]
        if not rows:
            found.append(f"names the language {name}, which {TABLE.name} does not list")
            return None
        if code is not None and rows[0][1] != code:
            found.append(f"names the language {name}, whose code is {rows[0][1]}, not {code}")
        return rows[0][2]
    rows = [row for row in table if row[1] == code]
    return rows[0][2] if rows else None


def problems(path: Path, table) -> tuple[str, list[str]]:
    data = path.read_bytes()
    found = []
    expected = expected_page(data, path.name, table, found)
    declared = {int(page) for page in DECLARATION.findall(data)}
    for number, line in enumerate(data.split(b"\n"), 1):
        if any(b < 0x20 for b in line):
            found.append(f"line {number}: a control byte")
    if not declared:
        if any(b > 0x7F for b in data):
            found.append("names no code page in its header but holds bytes beyond ASCII")
        return "ascii", found
    if len(declared) > 1:
        return "?", found + [f"its comments name the code pages {sorted(declared)}"]
    page = declared.pop()
    if page not in {row[2] for row in table}:
        found.append(f"declares code page {page}, which the host reads no language in")
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
        if re.search(r"\?[^\W\d_]", line):
            found.append(f"line {number}: a '?' before a letter: {line.strip()[:60]}")
    return f"cp{page}", found


def main() -> int:
    table = language_table()
    if not table:
        print(f"{TABLE}: no rows read")
        return 1
    status = 0
    for name in sys.argv[1:]:
        page, found = problems(Path(name), table)
        print(f"{name}: {page}, " + ("ok" if not found else f"{len(found)} problems"))
        for problem in found[:10]:
            print(f"  {problem}")
        status |= bool(found)
    return status


if __name__ == "__main__":
    sys.exit(main())
