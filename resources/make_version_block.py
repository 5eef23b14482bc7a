#!/usr/bin/env python3
"""Writes the raw VS_VERSIONINFO block for the executable.

Usage: python3 make_version_block.py OUTPUT.bin

The resource script pulls the output in as a raw type-16 resource. We build the
bytes ourselves because windres's VERSIONINFO statement cannot reproduce the
value lengths below (some strings carry two terminating NULs, counted in full).
"""
import struct
import sys

# VS_FIXEDFILEINFO, in field order.
FIXED_INFO = [
    ("dwSignature",        0xFEEF04BD),
    ("dwStrucVersion",     0x00010000),
    ("dwFileVersionMS",    0x00000003),
    ("dwFileVersionLS",    0x00020000),
    ("dwProductVersionMS", 0x00000003),
    ("dwProductVersionLS", 0x00020000),
    ("dwFileFlagsMask",    0),
    ("dwFileFlags",        0),
    ("dwFileOS",           0x00040004),  # VOS_NT_WINDOWS32
    ("dwFileType",         1),           # VFT_APP
    ("dwFileSubtype",      0),
    ("dwFileDateMS",       0),
    ("dwFileDateLS",       0),
]

LANGUAGE = 0x0411   # Japanese
CODE_PAGE = 932     # Shift-JIS
STRING_TABLE_KEY = "%04X%04X" % (LANGUAGE, CODE_PAGE)

# (key, text, number of terminating NULs stored and counted in wValueLength)
STRINGS = [
    ("FileVersion",      "ver 0.03b",                             2),
    ("InternalName",     "Quenzel",                               1),
    ("LegalCopyright",   "Copyright (C) 2026 Dovrant developers", 2),
    ("OriginalFilename", "Quenzel.exe",                           1),
    ("ProductName",      "Dovrant",                               1),
    ("ProductVersion",   "ver 0.03b",                             2),
]

BINARY, TEXT = 0, 1


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def block(key, wtype, value=b"", value_length=0, children=()):
    """One version block. Every block starts 4-byte aligned, so aligning
    relative to the block start matches alignment relative to the resource.
    wLength covers everything up to the end of the last child, without the
    block's own trailing padding."""
    body = pad4(struct.pack("<HHH", 0, value_length, wtype) + (key + "\0").encode("utf-16-le"))
    body += value
    for child in children:
        body = pad4(body) + child
    return struct.pack("<H", len(body)) + body[2:]


def text_entry(key, text, nuls):
    value = (text + "\0" * nuls).encode("utf-16-le")
    return block(key, TEXT, value, len(text) + nuls)


def build():
    fixed = struct.pack("<13I", *(v for _, v in FIXED_INFO))
    table = block(STRING_TABLE_KEY, TEXT, children=[text_entry(*s) for s in STRINGS])
    string_info = block("StringFileInfo", TEXT, children=[table])
    translation = struct.pack("<HH", LANGUAGE, CODE_PAGE)
    var_info = block("VarFileInfo", TEXT,
                     children=[block("Translation", BINARY, translation, len(translation))])
    return block("VS_VERSION_INFO", BINARY, fixed, len(fixed), [string_info, var_info])


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_version_block.py OUTPUT.bin")
    with open(sys.argv[1], "wb") as f:
        f.write(build())


if __name__ == "__main__":
    main()
