#!/usr/bin/env bash
# RVL92 in one command.
#
#   ./rvl92.sh               set up, build and start the program on the demo installation
#   ./rvl92.sh test          set up, build and run all tests: the normal build, the
#                            same tests again under ASan + UBSan, and a short run of
#                            every fuzz target
#   ./rvl92.sh test normaal  only the normal build and its tests (quick)
#   ./rvl92.sh fuzz [DOEL] [SECONDEN]
#                            run one fuzz target (or all) longer; default 600 s each
#   ./rvl92.sh build         set up and build only
#
# Set-up installs the Debian/Ubuntu packages that are missing (with sudo when
# not run as root), then configures and builds in ./build; the instrumented
# build (clang) lives in ./build-asan.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-translations-l10n
          libsqlite3-dev mdbtools-dev mdbtools xvfb xauth libbenchmark-dev
          clang libclang-rt-14-dev llvm-14)
BUILD_DIR=${RVL92_BUILD_DIR:-build}
ASAN_DIR=${RVL92_ASAN_DIR:-build-asan}
# Seconds each fuzz target runs in the test run.
FUZZ_SMOKE=${RVL92_FUZZ_SMOKE:-20}
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

# The instrumented build: every library, program and test under AddressSanitizer
# and UndefinedBehaviorSanitizer, plus the libFuzzer targets.
build_asan() {
    install_packages
    CC=clang CXX=clang++ cmake -S . -B "$ASAN_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DRVL92_FUZZ=ON >/dev/null
    cmake --build "$ASAN_DIR" -j "$JOBS"
}

# Stack traces of sanitizer findings with function names and lines.
if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

# run_fuzz SECONDS [TARGET]: every target (or one) for SECONDS each, starting
# from its seeds; new inputs go to a scratch folder, findings to fuzz-funden/.
run_fuzz() {
    local seconds=$1 only=${2:-} bin="$ASAN_DIR/fuzz/bin" failed=0
    mkdir -p fuzz-funden
    for target in "$bin"/fuzz_*; do
        local name
        name=$(basename "$target")
        [ -n "$only" ] && [ "$only" != "$name" ] && continue
        local work
        work=$(mktemp -d)
        local seeds=(fuzz/corpus/"$name")
        [ "$name" = fuzz_jetimport ] && seeds+=(../shared/fixtures/jet)
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
    return $failed
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
    [ "${2:-}" = normaal ] && exit 0
    echo "== Dezelfde tests onder AddressSanitizer en UndefinedBehaviorSanitizer"
    build_asan
    ctest --test-dir "$ASAN_DIR" --output-on-failure -j "$JOBS" --timeout 600
    echo "== Fuzzen, $FUZZ_SMOKE s per doel"
    run_fuzz "$FUZZ_SMOKE"
    ;;
fuzz)
    build_asan
    run_fuzz "${3:-600}" "${2:-}"
    ;;
build)
    build
    ;;
*)
    echo "Gebruik: $0 [start|test [normaal]|fuzz [doel] [seconden]|build]" >&2
    exit 2
    ;;
esac
