#!/usr/bin/env bash
# RVL92 in one command.
#
#   ./rvl92.sh          set up, build and start the program on the demo installation
#   ./rvl92.sh test     set up, build and run all tests
#   ./rvl92.sh build    set up and build only
#
# Set-up installs the Debian/Ubuntu packages that are missing (with sudo when
# not run as root), then configures and builds in ./build.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-translations-l10n
          libsqlite3-dev mdbtools-dev mdbtools xvfb xauth libbenchmark-dev)
BUILD_DIR=${RVL92_BUILD_DIR:-build}
JOBS=${RVL92_JOBS:-$(nproc 2>/dev/null || echo 2)}

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Pakketten installeren: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    install_packages
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD_DIR" -j "$JOBS"
}

case "${1:-start}" in
start)
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Geen beeldscherm gevonden (DISPLAY en WAYLAND_DISPLAY zijn leeg)." >&2
        echo "Start RVL92 vanuit een grafische sessie, of zonder venster: xvfb-run -a $BUILD_DIR/rvl92" >&2
        exit 1
    fi
    exec "$BUILD_DIR/rvl92" "${@:2}"
    ;;
test)
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS"
    ;;
build)
    build
    ;;
*)
    echo "Gebruik: $0 [start|test|build]" >&2
    exit 2
    ;;
esac
