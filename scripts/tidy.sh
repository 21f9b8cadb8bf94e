#!/usr/bin/env bash
# Runs clang-tidy with .clang-tidy over the program's sources (core, render, cli, ui, app)
# using the compile commands of the test build; any finding fails it. Arguments replace the
# default file pattern (a regular expression over full paths), e.g. scripts/tidy.sh 'model/'.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTALLAR_WERROR=ON >/dev/null
# The Qt sources read headers that the build generates (moc).
cmake --build "$build" --target tallar_ui_autogen tallar_app_autogen >/dev/null

pattern="$PWD/(base|store|model|rules|output|render|wizard|editors|cli|ui|app)/.*\.cpp$"
[ $# -gt 0 ] && pattern="$1"
run-clang-tidy -quiet -p "$build" -j"$(nproc)" "$pattern"
