#!/usr/bin/env bash
# Builds the game with warnings as errors and runs every test (headless).
# --sanitize: builds into build-asan/ with AddressSanitizer and UBSan and runs the tests there.
source "$(dirname "$0")/scripts/common.sh"
case "${1:-}" in
"")
    # Line tables only: full debug information was a quarter of the compile time.
    options=(-DTARNWICK_WERROR=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG")
    ;;
--sanitize)
    BUILD="${TARNWICK_ASAN_BUILD_DIR:-$ROOT/build-asan}"
    # GCC 12 gives false -Warray-bounds warnings in instrumented code, so no -Werror here.
    # The benchmarks are built (and warned about) by the plain build; under the sanitizers they
    # would only lengthen the run.
    # -O1 with line tables only, as is usual under AddressSanitizer: the instrumented build is
    # most of CI's time, and the reports keep their file and line.
    options=(-DTARNWICK_SANITIZE=ON -DTARNWICK_WERROR=OFF -DTARNWICK_BENCH=OFF
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG")
    # LeakSanitizer crashes scanning the thread-local storage of plugins Qt loads at run time,
    # and with that scan off it reports what glib and PulseAudio keep in thread-locals as leaks.
    export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
    export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
    ;;
*)
    echo "usage: $0 [--sanitize]" >&2
    exit 2
    ;;
esac
install_deps
build "${options[@]}"
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"${TARNWICK_JOBS:-$(nproc)}"
