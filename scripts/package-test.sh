#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh: its own build folder, lintian without errors), then
# installs it and uses it as a user would, with tests/packaging/check_tree.sh on the installed tree.
# As root in CI (CI=true) the package is installed for real with dpkg -i, the databases that the
# triggers of other packages refresh are checked to know it, and it is purged again; anywhere else it
# is unpacked with dpkg -x into a scratch root. Usage: scripts/package-test.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-deb}
deb=$(scripts/package.sh "$dir" | tail -1)
app_id=$(sed -n 's/^ZORVEK_APP_ID:STRING=//p' "$dir/CMakeCache.txt")
fail() { echo "package-test: $*" >&2; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-liberation libqt6widgets6 libqt6printsupport6 libc6; do
    grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
if dpkg-deb -c "$deb" | grep -q -E '\./usr/share/mime/(mime\.cache|types|application/)'; then
    fail "the package holds a compiled MIME database"
fi

if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    trap 'dpkg --purge zorvek >/dev/null' EXIT
    dpkg -i "$deb" >/dev/null
    tests/packaging/check_tree.sh /usr "$app_id" --no-marker
    # What the file triggers of desktop-file-utils, shared-mime-info and man-db made of it.
    grep -q "^application/x-zorvek-case=.*$app_id.desktop" /usr/share/applications/mimeinfo.cache ||
        fail "the desktop database does not offer ZORVEK for cases"
    [ -f /usr/share/mime/application/x-zorvek-case.xml ] || fail "the MIME database lacks the case type"
    [ "$(man -w zorvek)" = /usr/share/man/man1/zorvek.1.gz ] || fail "man does not find zorvek(1)"
    dpkg --purge zorvek >/dev/null
    trap - EXIT
    [ ! -e /usr/share/mime/application/x-zorvek-case.xml ] || fail "purging left the case type behind"
else
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    dpkg -x "$deb" "$root"
    tests/packaging/check_tree.sh "$root/usr" "$app_id"
fi
echo "package-test: $deb passed"
