#!/usr/bin/env bash
# Sets up what is missing, builds, and shows isbnconv converting a few ISBNs.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)" --target isbnconv

isbnconv=build/linux/bin/isbnconv
echo "\$ isbnconv to13 0-306-40615-2 080442957X 0306406153"
"$isbnconv" to13 0-306-40615-2 080442957X 0306406153 || true
echo "\$ printf '978-0-306-40615-7\\n9790306406156\\n9780804429573\\n' | isbnconv to10"
printf '978-0-306-40615-7\n9790306406156\n9780804429573\n' | "$isbnconv" to10 || true
