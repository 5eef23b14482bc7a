#!/usr/bin/env bash
# Sets up what is missing, checks the layout of the C and C++ files, builds the presets
# that CI tests (all but the quicker mingw-x64 loop) and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

jobs=$(nproc)
for preset in linux linux-asan linux-fuzz mingw-x86; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done
# The Windows zip, which the mingw-x86 tests check. (The mingw-x64 preset is a quicker
# loop while developing; what is tested here is the 32-bit program that ships.)
cmake --build --preset mingw-x86 --target package

status=0
scripts/format.sh --check || status=1
# The fuzz target runs for a fixed time on one core, so it runs beside the other suites.
fuzz_log=$(mktemp)
trap 'rm -f "$fuzz_log"' EXIT
ctest --preset linux-fuzz >"$fuzz_log" 2>&1 &
fuzz=$!
for preset in linux linux-asan mingw-x86; do
    echo "== tests: $preset"
    ctest --preset "$preset" -j "$jobs" || status=1
done
echo "== tests: linux-fuzz"
wait "$fuzz" || status=1
cat "$fuzz_log"
exit $status
