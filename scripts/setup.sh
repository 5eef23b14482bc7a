#!/usr/bin/env bash
# Installs what building, running and testing the project needs on Debian 12, and
# does nothing when everything is already there. Safe to run again and again, and
# needed again after a reboot, which forgets the handler for 32-bit programs.
set -euo pipefail

packages=(
    # native build, tests and benchmark
    cmake g++ make python3 googletest libgtest-dev libbenchmark-dev
    # the Windows builds
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    # running the Windows program and its tests: Wine on a virtual display, Japanese locale and fonts
    wine wine64 fonts-wine xvfb xdotool xclip imagemagick fonts-noto-cjk fonts-vlgothic fonts-migmix locales
    # fuzzing and sanitizers; the one layout of the C and C++ files
    clang-14 libclang-rt-14-dev clang-format-14
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true)" = installed ]
}

apt_updated=no
apt_install() {
    echo "setup: installing $*"
    if [ $apt_updated = no ]; then
        as_root apt-get update -qq
        apt_updated=yes
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@"
}

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then apt_install "${missing[@]}"; fi

# Wine shows Shift-JIS texts only with a Japanese ANSI code page, which it takes from the locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi

# The product is a 32-bit program, and the tests run it as shipped, under Wine's 32-bit
# half. Where the kernel cannot run 32-bit code itself, qemu-user runs it: version 10
# from bookworm-backports, as bookworm's 7.2 takes most of a minute to start each
# 32-bit Wine process.
if ! dpkg --compare-versions "$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true)" ge 1:10; then
    backports=/etc/apt/sources.list.d/bookworm-backports.sources
    if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        # The same mirror as the machine's own entries.
        mirror=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
                     awk '/^URIs:/ { uri = $2 } /^Suites:.* bookworm( |$)/ { print uri; exit }')
        printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: %s\n' \
            "${mirror:-http://deb.debian.org/debian}" /usr/share/keyrings/debian-archive-keyring.gpg |
            as_root tee "$backports" >/dev/null
        apt_updated=no
    fi
    apt_install -t bookworm-backports qemu-user
fi

# A minimal i386 program that only exits with 0: whether the kernel, or a handler
# already registered, runs 32-bit code.
runs_32bit_code() {
    local probe
    probe=$(mktemp)
    python3 - "$probe" <<'EOF'
import struct, sys
base, code = 0x08048000, bytes.fromhex("b801000000" "31db" "cd80")   # exit(0)
size = 52 + 32 + len(code)
header = struct.pack("<16sHHIIIIIHHHHHH", b"\x7fELF\x01\x01\x01", 2, 3, 1, base + 84, 52, 0, 0, 52, 32, 1, 0, 0, 0)
segment = struct.pack("<8I", 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], "wb").write(header + segment + code)
EOF
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    return $status
}

if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386; then
    echo "setup: 32-bit programs run through qemu-user (its handler is registered)"
elif runs_32bit_code; then
    echo "setup: the kernel runs 32-bit programs itself"
else
    echo "setup: the kernel cannot run 32-bit programs: registering qemu-i386 for them"
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e $binfmt/register ] || as_root mount -t binfmt_misc binfmt_misc $binfmt
    # Flag F: the kernel opens qemu now, so that it also serves programs in other
    # mount namespaces. printf '%s' passes the escapes to the kernel as written.
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' |
        as_root tee $binfmt/register >/dev/null
    runs_32bit_code || { echo "setup: 32-bit programs still do not run" >&2; exit 1; }
    echo "setup: 32-bit programs run through qemu-user"
fi

if ! installed wine32:i386; then
    dpkg --print-foreign-architectures | grep -qx i386 || { as_root dpkg --add-architecture i386; apt_updated=no; }
    apt_install wine32:i386
fi
