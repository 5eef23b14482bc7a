#!/usr/bin/env bash
# Lays out every tracked C and C++ file as .clang-format says, with Debian's clang-format 14.
#   scripts/format.sh           formats the files in place (run it before committing)
#   scripts/format.sh --check   changes nothing; lists the files that differ and fails if any do
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=$(command -v clang-format-14 || true)
[ -n "$formatter" ] || { echo "format: needs clang-format-14 (scripts/setup.sh installs it)" >&2; exit 2; }
export LC_ALL=C
mapfile -t files < <(git ls-files -- '*.c' '*.cc' '*.cpp' '*.cxx' '*.h' '*.hh' '*.hpp')
if [ "${1:-}" != --check ]; then
    "$formatter" -i -- "${files[@]}"
    exit 0
fi
unformatted=()
for file in "${files[@]}"; do
    "$formatter" --dry-run --Werror -- "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "format: not laid out as .clang-format says (run scripts/format.sh): ${unformatted[*]}" >&2
    exit 1
fi
echo "format: ${#files[@]} files laid out as .clang-format says"
