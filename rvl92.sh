#!/usr/bin/env bash
# RVL92 in one command.
#
#   ./rvl92.sh               set up, build and start the program on the demo installation
#   ./rvl92.sh test          set up, build and run all tests: a format check, the
#                            normal build (warnings are errors), the
#                            same tests again under ASan + UBSan, and a short run of
#                            every fuzz target
#   ./rvl92.sh test normaal  only the normal build and its tests (quick)
#   ./rvl92.sh fuzz [DOEL] [SECONDEN]
#                            run one fuzz target (or all) longer; default 600 s each
#   ./rvl92.sh build         set up and build only
#   ./rvl92.sh pakket        build the Debian package rvl92_<versie>_<arch>.deb in
#                            ./build-pakket and check it with desktop-file-validate,
#                            appstreamcli and lintian
#
# Set-up installs the Debian/Ubuntu packages that are missing (with sudo when
# not run as root): building and running needs only the compiler, CMake, Qt,
# SQLite and mdbtools; the test run adds clang with its sanitizer runtime and
# symbolizer, Google Benchmark, mdb-export and Xvfb; the package run adds the
# Debian packaging tools and validators.
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-translations-l10n
                libsqlite3-dev mdbtools-dev)
TEST_PACKAGES=(mdbtools xvfb xauth libbenchmark-dev clang clang-format)
PAKKET_PACKAGES=(dpkg-dev file desktop-file-utils appstream lintian)
BUILD_DIR=${RVL92_BUILD_DIR:-build}
ASAN_DIR=${RVL92_ASAN_DIR:-build-asan}
PAKKET_DIR=${RVL92_PAKKET_DIR:-build-pakket}
# Seconds each fuzz target runs in the test run: a smoke run; the long runs
# are ./rvl92.sh fuzz.
FUZZ_SMOKE=${RVL92_FUZZ_SMOKE:-10}
# Targets with a known, not yet fixed finding: left out of the run over every
# target until the fault is fixed (their seeds still replay as tests, and
# ./rvl92.sh fuzz NAME still runs them). Name each with its reason; none today.
FUZZ_SMOKE_OPEN=""
JOBS=${RVL92_JOBS:-$(nproc 2>/dev/null || echo 2)}

# A compiler cache speeds up rebuilds where one is installed; nothing depends
# on it. The sloppiness lets it keep objects compiled with the precompiled Qt
# headers.
if command -v ccache >/dev/null 2>&1; then
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
    export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
    export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
fi

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        env DEBIAN_FRONTEND=noninteractive "$@"
    else
        sudo env DEBIAN_FRONTEND=noninteractive "$@"
    fi
}

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

APT_UPDATED=0
apt_update() {
    if [ "$APT_UPDATED" -eq 0 ]; then
        as_root apt-get update -qq
        APT_UPDATED=1
    fi
}

# known PACKAGE: the package archive offers PACKAGE.
known() {
    apt-cache show --no-all-versions "$1" >/dev/null 2>&1
}

# install_packages PACKAGE...: installs those that are missing; a name the
# archive does not know is reported by name before apt-get gives up.
install_packages() {
    local missing=() p
    for p in "$@"; do
        installed "$p" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Pakketten installeren: ${missing[*]}"
    apt_update
    local unknown=()
    for p in "${missing[@]}"; do
        known "$p" || unknown+=("$p")
    done
    if [ ${#unknown[@]} -gt 0 ]; then
        echo "FOUT: deze distributie kent de pakketten ${unknown[*]} niet." >&2
        return 1
    fi
    as_root apt-get install -y --no-install-recommends "${missing[@]}"
}

# The major version of the clang that is installed ("" when there is none).
clang_major() {
    command -v clang >/dev/null 2>&1 || return 0
    clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1
}

# The tools of the test run. clang's version is not fixed: the sanitizer
# runtime and the symbolizer are taken in the version of the clang the
# distribution installs. Older archives keep the runtime inside
# libclang-common-N-dev (which clang already pulls in) instead of a separate
# libclang-rt-N-dev.
setup_test_tools() {
    install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    local n
    n=$(clang_major)
    if [ -z "$n" ]; then
        echo "FOUT: clang is geïnstalleerd, maar 'clang --version' noemt geen versie." >&2
        return 1
    fi
    local extra=("llvm-$n")
    if installed "libclang-rt-$n-dev"; then
        :
    elif { apt_update && known "libclang-rt-$n-dev"; }; then
        extra+=("libclang-rt-$n-dev")
    else
        extra+=("libclang-common-$n-dev")
    fi
    install_packages "${extra[@]}"
    # Stack traces of sanitizer findings with function names and lines.
    local symbolizer=/usr/lib/llvm-$n/bin/llvm-symbolizer
    if [ -x "$symbolizer" ]; then
        export ASAN_SYMBOLIZER_PATH=$symbolizer
    fi
}

# WERROR=ON (the test run) makes every compiler warning an error.
WERROR=OFF
build() {
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRVL92_WERROR="$WERROR"
    cmake --build "$BUILD_DIR" -j "$JOBS"
}

# The instrumented build: every library, program and test under AddressSanitizer
# and UndefinedBehaviorSanitizer, plus the libFuzzer targets.
build_asan() {
    CC=clang CXX=clang++ cmake -S . -B "$ASAN_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DRVL92_FUZZ=ON -DRVL92_WERROR="$WERROR"
    cmake --build "$ASAN_DIR" -j "$JOBS"
}

# run_fuzz SECONDS [TARGET]: every target (or one) for SECONDS each, starting
# from its seeds; new inputs go to a scratch folder, findings to fuzz-funden/.
run_fuzz() {
    local seconds=$1 only=${2:-} bin="$ASAN_DIR/fuzz/bin" failed=0 ran=0
    mkdir -p fuzz-funden
    for target in "$bin"/fuzz_*; do
        [ -x "$target" ] || continue
        local name
        name=$(basename "$target")
        [ -n "$only" ] && [ "$only" != "$name" ] && continue
        if [ -z "$only" ] && [[ " $FUZZ_SMOKE_OPEN " == *" $name "* ]]; then
            echo "== $name: overgeslagen (open bevinding, zie FUZZ_SMOKE_OPEN)"
            continue
        fi
        ran=$((ran + 1))
        local work
        work=$(mktemp -d)
        local seeds=(fuzz/corpus/"$name")
        [ "$name" = fuzz_jetimport ] && seeds+=(tests/fixtures/jet)
        echo "== $name: $seconds s"
        if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
            -print_final_stats=1 -artifact_prefix="fuzz-funden/$name-" \
            "$work" "${seeds[@]}" 2>"$work.log"; then
            tail -n 60 "$work.log"
            echo "FOUT: $name vond een fout; de invoer staat in fuzz-funden/" >&2
            failed=1
        else
            grep -E "^stat::number_of_executed_units|^Done" "$work.log" || true
        fi
        rm -rf "$work" "$work.log"
    done
    if [ "$ran" -eq 0 ]; then
        echo "FOUT: geen fuzzdoel ${only:-} gevonden in $bin" >&2
        return 1
    fi
    return $failed
}

# The Debian package, built in its own tree so that the installed paths are
# those of a package (/usr), then checked by the validators.
pakket() {
    # Debian's compiler and linker flags, hardening included.
    local cxxflags ldflags
    cxxflags="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) $(
        DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)"
    ldflags=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)
    CXXFLAGS=$cxxflags LDFLAGS=$ldflags \
        cmake -S . -B "$PAKKET_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
        -DBUILD_TESTING=OFF
    cmake --build "$PAKKET_DIR" -j "$JOBS"
    (cd "$PAKKET_DIR" && cpack -G DEB)
    packaging/controleer-pakket.sh "$(package_file)"
}

# The package the last ./rvl92.sh pakket built.
package_file() {
    local version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$PAKKET_DIR/CMakeCache.txt")
    echo "$PAKKET_DIR/rvl92_${version}_$(dpkg --print-architecture).deb"
}

case "${1:-start}" in
start)
    install_packages "${BUILD_PACKAGES[@]}"
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Geen beeldscherm gevonden (DISPLAY en WAYLAND_DISPLAY zijn leeg)." >&2
        echo "Start RVL92 vanuit een grafische sessie, of zonder venster (pakket xvfb): xvfb-run -a $BUILD_DIR/rvl92" >&2
        exit 1
    fi
    exec "$BUILD_DIR/rvl92" "${@:2}"
    ;;
test)
    if [ "${2:-}" = normaal ]; then
        install_packages "${BUILD_PACKAGES[@]}" mdbtools
    else
        setup_test_tools
        echo "== Opmaak"
        tools/check-format.sh
    fi
    WERROR=ON
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS"
    [ "${2:-}" = normaal ] && exit 0
    echo "== Dezelfde tests onder AddressSanitizer en UndefinedBehaviorSanitizer"
    build_asan
    ctest --test-dir "$ASAN_DIR" --output-on-failure -j "$JOBS" --timeout 600
    echo "== Fuzzen, $FUZZ_SMOKE s per doel"
    run_fuzz "$FUZZ_SMOKE"
    ;;
fuzz)
    setup_test_tools
    build_asan
    run_fuzz "${3:-600}" "${2:-}"
    ;;
build)
    install_packages "${BUILD_PACKAGES[@]}"
    build
    ;;
pakket)
    install_packages "${BUILD_PACKAGES[@]}" "${PAKKET_PACKAGES[@]}"
    pakket
    echo "Pakket: $(package_file)"
    ;;
*)
    echo "Gebruik: $0 [start|test [normaal]|fuzz [doel] [seconden]|build|pakket]" >&2
    exit 2
    ;;
esac
