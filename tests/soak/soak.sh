#!/usr/bin/env bash
# Soak of the real main window, not part of ctest: the driver (soak_driver.cpp) starts FormMain as the
# program does and runs random actions on it (drags of every slider cursor, point marker and the curve,
# typed values valid and invalid, model switches, language and separator switches, zoom, undo, overlays,
# the analysis window, exports), twice:
#  1. built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer: no report may appear;
#  2. built in Release with the resident memory sampled: it must stay flat after the warm-up (at most
#     1 MiB more at the end than the highest sample of the first half of the actions).
# Both run on the offscreen platform. Builds go to build-soak-asan and build-soak.
# Usage: tests/soak/soak.sh [actions] [seed]        (default: 10000 actions, seed 12)
set -euo pipefail
cd "$(dirname "$0")/../.."
actions=${1:-10000}
seed=${2:-12}
jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export QT_QPA_PLATFORM=offscreen
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

cmake -S . -B build-soak-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEK_SANITIZE=ON -DZORVEK_SOAK=ON \
      "${launcher[@]}" >/dev/null
cmake --build build-soak-asan --target zorvek_soak -j "$jobs"
cmake -S . -B build-soak -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORVEK_SOAK=ON "${launcher[@]}" >/dev/null
cmake --build build-soak --target zorvek_soak -j "$jobs"

echo "== $actions actions under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer (seed $seed)"
start=$(date +%s)
status=0
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-soak-asan/tests/soak/zorvek_soak --actions "$actions" --seed "$seed" >"$log/asan" 2>&1 || status=$?
grep -E "^after the actions" "$log/asan" || true
if [ "$status" -ne 0 ] || grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$log/asan"; then
    echo "FAIL: exit status $status, sanitizer report:" >&2
    grep -E -A30 "ERROR: (Address|Leak)Sanitizer|runtime error:" "$log/asan" | head -60 >&2
    exit 1
fi
echo "no sanitizer report, $(($(date +%s) - start)) s"

echo "== $actions actions in Release, resident memory sampled (seed $seed)"
every=$((actions / 10 > 0 ? actions / 10 : 1))
build-soak/tests/soak/zorvek_soak --actions "$actions" --seed "$seed" --sample-every "$every" >"$log/rss" 2>&1
grep -E "^action|^after the actions" "$log/rss"
# Caches (fonts, the PDF and SVG writers, the chart) and the allocator's free lists rise in steps and fall
# back, so the warm-up level is the highest sample of the first half; a leak keeps climbing past it.
warm=$(awk -v half=$((actions / 2)) '$1 == "action" && $2 > 0 && $2 <= half && $4 > v {v = $4} END {print v}' "$log/rss")
last=$(awk '$1 == "action" {v = $4} END {print v}' "$log/rss")
first=$(awk '$1 == "action" && $2 == 0 {print $4}' "$log/rss")
echo "resident: $first KiB at the start, $warm KiB at most in the first half, $last KiB at the end ($((last - warm)) KiB more)"
if [ $((last - warm)) -gt 1024 ]; then
    echo "FAIL: the resident memory grows after the warm-up" >&2
    exit 1
fi
echo "PASS"
