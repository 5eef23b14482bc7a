#!/usr/bin/env bash
# Checks a built Quenzel.exe without running it: its machine, GUI subsystem, ASLR
# (with the relocations it needs) and DEP, that it imports only system DLLs with
# InitCommonControls by ordinal 17, and its size.
# Usage: check_exe.sh EXE OBJDUMP EXPECTED_FORMAT MAX_BYTES
set -euo pipefail
exe=$1 objdump=$2 format=$3 max_bytes=$4
# objdump is parsed: its English output, whatever the user's locale.
export LC_ALL=C
fail() { echo "check_exe: $*" >&2; exit 1; }

"$objdump" -f "$exe" | grep -q "file format $format" || fail "not $format"
headers=$("$objdump" -p "$exe")
grep -Eq '^Subsystem\s+0+2\s' <<<"$headers" || fail "not a GUI program"

# DllCharacteristics: 0x40 DYNAMIC_BASE (ASLR), 0x100 NX_COMPAT (DEP), 0x20
# HIGH_ENTROPY_VA (64-bit address space for ASLR, 64-bit programs only).
characteristics=$((16#$(grep -oP '^DllCharacteristics\s+\K[0-9a-fA-F]+' <<<"$headers")))
(( characteristics & 0x40 )) || fail "no ASLR (DYNAMIC_BASE)"
(( characteristics & 0x100 )) || fail "no DEP (NX_COMPAT)"
if [ "$format" = pei-x86-64 ]; then
    (( characteristics & 0x20 )) || fail "no high-entropy ASLR (HIGH_ENTROPY_VA)"
fi
# A program that cannot be relocated is loaded at its preferred base, ASLR or not.
"$objdump" -h "$exe" | grep -q ' \.reloc ' || fail "no .reloc section"

dlls=$(grep -oP 'DLL Name: \K\S+' <<<"$headers" | tr a-z A-Z | sort | tr '\n' ' ')
echo "imports: $dlls"
for dll in $dlls; do
    case $dll in KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL) ;; *) fail "imports $dll" ;; esac
done
comctl32=$(sed -n '/DLL Name: COMCTL32/,/^$/p' <<<"$headers" | grep -E '^\s+[0-9a-f]+\s' || true)
# The import entry is the ordinal flag (the top bit) with the ordinal, 0x11 = 17.
[ "$(wc -l <<<"$comctl32")" -eq 1 ] && grep -Eq '^\s+80+11\s' <<<"$comctl32" \
    || fail "COMCTL32 is not imported by ordinal 17 alone: $comctl32"

bytes=$(stat -c %s "$exe")
echo "size: $bytes bytes (at most $max_bytes)"
[ "$bytes" -le "$max_bytes" ] || fail "too large"
