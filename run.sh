#!/usr/bin/env bash
# Builds ZORVEK in Release and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target zorvek markview
exec build/app/zorvek
