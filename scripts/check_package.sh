#!/usr/bin/env bash
# Checks the Windows zip as a user gets it: exactly four files in one folder, both
# programs 32-bit and importing only system DLLs, the readme in code page 932 with
# CRLF line ends. Usage: check_package.sh ZIP FOLDER OBJDUMP
set -euo pipefail
zip=$1 folder=$2 objdump=$3
# objdump and sort are parsed: their plain output, whatever the user's locale.
export LC_ALL=C
fail() { echo "check_package: $*" >&2; exit 1; }
[ -f "$zip" ] || fail "no $zip (build the package target first)"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
python3 -m zipfile -e "$zip" "$unpacked"
files=$(cd "$unpacked" && find . -mindepth 1 | sort | tr '\n' ' ')
expected="./$folder ./$folder/LICENSE ./$folder/Quenzel.exe ./$folder/README.txt ./$folder/isbnconv.exe "
[ "$files" = "$expected" ] || fail "files: $files"

for exe in Quenzel.exe isbnconv.exe; do
    "$objdump" -f "$unpacked/$folder/$exe" | grep -q 'file format pei-i386' || fail "$exe is not pei-i386"
    for dll in $("$objdump" -p "$unpacked/$folder/$exe" | grep -oP 'DLL Name: \K\S+' | tr a-z A-Z); do
        case $dll in KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL|SHELL32.DLL|MSVCRT.DLL) ;; *) fail "$exe imports $dll" ;; esac
    done
done

# A message text decoded from code page 932 proves the encoding; no LF without its CR.
python3 - "$unpacked/$folder/README.txt" <<'EOF' || fail "README.txt is not code page 932 with CRLF"
import sys
data = open(sys.argv[1], "rb").read()
sys.exit(not ("データが入力されていません" in data.decode("cp932") and b"\n" not in data.replace(b"\r\n", b"")))
EOF
echo "check_package: $files"
