#!/usr/bin/env bash
# Installs what building, running and testing the project needs on Debian 12, and
# does nothing when everything is already there. Safe to run again and again.
set -euo pipefail

packages=(
    # native build, tests and benchmark
    cmake g++ make python3 googletest libgtest-dev libbenchmark-dev
    # the Windows builds
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    # running the Windows program and its tests: Wine on a virtual display, Japanese locale and fonts
    wine wine64 fonts-wine xvfb xdotool imagemagick fonts-noto-cjk locales
    # fuzzing and sanitizers; the one layout of the C and C++ files
    clang-14 libclang-rt-14-dev clang-format-14
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# Wine shows Shift-JIS texts only with a Japanese ANSI code page, which it takes from the locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
