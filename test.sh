#!/usr/bin/env bash
# Builds ZORVEK and runs every test: the full build on the offscreen platform, then the engine
# and its fuzz replays once more under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# Debian package built in its own folder, installed and used (scripts/package-test.sh).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORVEK_ENGINE_ONLY=ON -DZORVEK_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs")
scripts/package-test.sh
