#!/usr/bin/env bash
# Builds the desktop program and starts it on its own working directory (./workdir, or the
# directory given as the first argument). A new working directory gets the sample rules.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTALLAR_BUILD_TESTS=OFF \
      -DTALLAR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-release -j"$(nproc)"

workdir="${1:-workdir}"
mkdir -p "$workdir"
if [ ! -e "$workdir/tallar.db" ]; then
    ./build-release/cli/tallar2-cli -C "$workdir" init --sample-rules
fi
exec ./build-release/app/tallar2 "$workdir"
