#!/usr/bin/env bash
# The whole test suite, windows included, built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer and run on the offscreen platform. Not part of ./test.sh (which checks the engine so):
# the full sanitizer build is a second build of everything. Shares build-soak-asan with
# tests/soak/soak.sh.
# Usage: tests/sanitize.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-soak-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEK_SANITIZE=ON -DZORVEK_SOAK=ON \
      "${launcher[@]}" >/dev/null
cmake --build build-soak-asan -j "$jobs"
export QT_QPA_PLATFORM=offscreen
# intercept_tls_get_addr=0: LeakSanitizer otherwise trips over the dynamic TLS of unloaded Qt plugins
# and ends with "Tracer caught signal 11". The suppressions name leaks inside system libraries only.
export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-soak-asan
ctest --output-on-failure -j "$jobs" "$@"
