#!/usr/bin/env bash
# Builds everything with warnings as errors and runs the whole test suite.
#   --sanitize   build with AddressSanitizer and UndefinedBehaviorSanitizer instead
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-test
options=(-DCMAKE_BUILD_TYPE=Debug -DTALLAR_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    options+=(-DTALLAR_SANITIZE=ON)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

./scripts/deps.sh
./scripts/check-format.sh
cmake -S . -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
