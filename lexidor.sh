#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build and start or test Lexidor on Debian 12.
#   ./lexidor.sh run     install what is missing, build, start the program on its data
#   ./lexidor.sh test    install what is missing, build, run the whole test suite headless:
#                        under AddressSanitizer/UBSan, a short fuzz run of the file readers, then
#                        the normal build (whose CTest summary closes the output)
#   ./lexidor.sh test --quick    only the normal build's tests
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
          fonts-liberation2 libbenchmark-dev libgl-dev clang libclang-rt-14-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installation des paquets manquants : ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

case "${1:-}" in
    run)
        install_missing
        build release
        cd runtime
        exec ../build/release/lexidor
        ;;
    test)
        install_missing
        if [ "${2:-}" != "--quick" ]; then
            build sanitize
            ctest --preset sanitize
            build fuzz
            cmake --build --preset fuzz --target fuzz-court
        fi
        build dev
        exec ctest --preset dev
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
