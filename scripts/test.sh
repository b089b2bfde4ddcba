#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest: the unit and widget
# tests (offscreen), then a short run of each fuzz target in a separate clang build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
jobs="$(nproc)"

"$root/scripts/build.sh"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" --timeout 600)

fuzz="$root/build-fuzz"
CXX=clang++ CC=clang cmake -S "$root" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHEXLUME_FUZZ=ON -DHEXLUME_GUI=OFF >/dev/null
cmake --build "$fuzz" -j"$jobs" --target fuzzers
(cd "$fuzz" && ctest --output-on-failure -L fuzz -j"$jobs")
