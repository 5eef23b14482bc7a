#!/usr/bin/env python3
"""Writes a UTF-8 text with LF line ends as a Windows text file: the given encoding
and CRLF line ends, so that Notepad on any Windows shows it as written.

Usage: python3 to_windows_text.py INPUT OUTPUT ENCODING   (e.g. cp932, ascii)

Fails, naming the line and the character, when a character has no exact
counterpart in the encoding (code page 932 has "～" but not "〜", for example).
"""
import sys


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: to_windows_text.py INPUT OUTPUT ENCODING")
    source, target, encoding = sys.argv[1:]
    with open(source, encoding="utf-8", newline="") as f:
        text = f.read()
    if "\r" in text:
        sys.exit(f"{source}: keep the source with LF line ends only")

    for number, line in enumerate(text.split("\n"), start=1):
        for column, char in enumerate(line, start=1):
            try:
                exact = char.encode(encoding).decode(encoding) == char
            except UnicodeError:
                exact = False
            if not exact:
                sys.exit(f"{source}:{number}:{column}: U+{ord(char):04X} '{char}' is not in {encoding}")

    with open(target, "wb") as f:
        f.write(text.replace("\n", "\r\n").encode(encoding))


if __name__ == "__main__":
    main()
