#!/usr/bin/env bash
# Builds the Debian package zorvek_<version>_<arch>.deb with CPack, in its own build folder with
# Debian's build flags (hardening included) and without the tests, then checks it with lintian, which
# must find no error. Prints the package's path last. Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
dir=${1:-build-deb}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORVEK_TESTS=OFF "${launcher[@]}" \
      -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$dir" -j "$(nproc)"
rm -f "$dir"/zorvek_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/zorvek_*.deb)
lintian --fail-on error --info "$deb" >&2
echo "$deb"
