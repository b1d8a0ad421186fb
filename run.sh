#!/usr/bin/env bash
# Builds ZORVEK in Release and starts the program (for now the command-line solver on the start-up case).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target zorvek-cli
exec build/app/zorvek-cli "$@"
