#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build and start, test or package Lexidor on Debian 12.
#   ./lexidor.sh run     install what is missing, build the program and its tools, start it on its data
#   ./lexidor.sh test    install what is missing, build, run the whole test suite headless:
#                        under AddressSanitizer/UBSan, a short fuzz run of the file readers, then
#                        the normal build (whose CTest summary closes the output)
#   ./lexidor.sh test --quick    only the normal build's tests
#   ./lexidor.sh paquet  install what is missing, build the Debian package lexidor_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")"

# What building and running need; the tests and the package need more, installed only for them.
packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
          fonts-liberation2 libgl-dev)
package_tools=(dpkg-dev file)
test_tools=(libbenchmark-dev clang libclang-rt-14-dev desktop-file-utils appstream "${package_tools[@]}")

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
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
    shift
    [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "$@"
}

case "${1:-}" in
    run)
        install_missing
        # Only what a player runs: the tests and benchmarks are built by the test command.
        build release --target lexidor_programmes
        cd runtime
        exec ../build/release/lexidor
        ;;
    test)
        install_missing "${test_tools[@]}"
        if [ "${2:-}" != "--quick" ]; then
            build sanitize
            ctest --preset sanitize
            build fuzz
            cmake --build --preset fuzz --target fuzz-court
        fi
        build dev
        exec ctest --preset dev
        ;;
    paquet)
        install_missing "${package_tools[@]}"
        build release --target lexidor_programmes
        (cd build/release && cpack -G DEB > /dev/null)
        deb="build/release/lexidor_$(cat build/release/lexidor-version.txt)_$(dpkg --print-architecture).deb"
        echo "Paquet : $deb"
        echo "Pour l'installer : sudo apt install ./$deb"
        ;;
    *)
        echo "usage: $0 run|test [--quick]|paquet" >&2
        exit 2
        ;;
esac
