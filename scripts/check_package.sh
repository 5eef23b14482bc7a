#!/usr/bin/env bash
# Checks the Windows zip as a user gets it: exactly four files in one folder, both
# programs 32-bit and loadable on XP SP3, isbnconv.exe with its icon, version and
# manifest, the readme in code page 932 with CRLF line ends.
# Usage: check_package.sh ZIP FOLDER OBJDUMP
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

# Both programs must load on XP SP3: a PE header that XP accepts (subsystem version
# 5.1 at most), system DLLs only, and none of the newer functions listed beside this
# script.
newer=$(grep -v -E '^\s*(#|$)' "$(dirname "$0")/newer_than_xp.txt" | sort -u)
for exe in Quenzel.exe isbnconv.exe; do
    path=$unpacked/$folder/$exe
    "$objdump" -f "$path" | grep -q 'file format pei-i386' || fail "$exe is not pei-i386"
    headers=$("$objdump" -p "$path")
    subsystem=$(awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { minor = $2 }
                     END { printf "%d.%02d", major, minor }' <<<"$headers")
    [ "${subsystem/./}" -le 501 ] || fail "$exe needs subsystem version $subsystem; XP runs 5.01 at most"
    imports=$(awk '/DLL Name:/ { dll = toupper($3) } /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }' <<<"$headers" |
                  sort -u)
    dlls=$(grep -oP 'DLL Name: \K\S+' <<<"$headers" | tr a-z A-Z | sort | paste -sd ' ')
    for dll in $dlls; do
        case $dll in KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL|SHELL32.DLL|MSVCRT.DLL) ;; *) fail "$exe imports $dll" ;; esac
    done
    too_new=$(comm -12 <(echo "$newer") <(echo "$imports") | tr '\n' ' ')
    [ -z "$too_new" ] || fail "$exe imports what XP SP3 lacks: $too_new"
    echo "check_package: $exe: subsystem $subsystem, $(wc -l <<<"$imports") imports from $dlls, none newer than XP SP3"
done

# isbnconv.exe shows its icon and version in Explorer, and runs as the user who
# started it, without file virtualization: resource types 0x0e (icon group), 0x10
# (version) and 0x18 (manifest), the manifest asking for asInvoker.
isbnconv=$unpacked/$folder/isbnconv.exe
types=$("$objdump" -p "$isbnconv" | sed -n '/The .rsrc Resource Directory/,/^$/p' |
            grep -oP '^\S+   Entry: ID: 0x\K[0-9a-f]+' | paste -sd ' ')
for type in 00000e 000010 000018; do
    grep -qw "$type" <<<"$types" || fail "isbnconv.exe lacks resource type 0x$type (has: $types)"
done
grep -q 'level="asInvoker"' "$isbnconv" || fail "isbnconv.exe's manifest does not ask for asInvoker"

# A message text decoded from code page 932 proves the encoding; no LF without its CR.
python3 - "$unpacked/$folder/README.txt" <<'EOF' || fail "README.txt is not code page 932 with CRLF"
import sys
data = open(sys.argv[1], "rb").read()
sys.exit(not ("データが入力されていません" in data.decode("cp932") and b"\n" not in data.replace(b"\r\n", b"")))
EOF
echo "check_package: $files"
