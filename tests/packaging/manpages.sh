#!/usr/bin/env bash
# The manual pages as man shows them: no warning from man or groff (the check lintian makes), and the
# pages of zorvek-cli and of markview in both languages name every option that the program's --help
# lists.
# Usage: manpages.sh MAN_DIR ZORVEK_CLI MARKVIEW
set -euo pipefail
dir=$1 cli=$2 viewer=$3
fail() { echo "manpages: $*" >&2; exit 1; }
pages=("$dir"/*.1 "$dir"/es/*.1)
[ ${#pages[@]} -eq 6 ] || fail "expected three pages in each language, found ${#pages[@]}"
for page in "${pages[@]}"; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done
# Every option of a program's usage line is described in its page in both languages.
describes() { # PROGRAM PAGE_NAME
    local options text option page
    options=$("$1" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || fail "$1 --help lists no option"
    for page in "$dir/$2.1" "$dir/es/$2.1"; do
        text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l -Tutf8 "$page" 2>/dev/null | sed 's/.\x08//g')
        for option in $options; do
            grep -q -e "^ *$option\b" <<<"$text" || fail "$page does not describe $option"
        done
    done
}
describes "$cli" zorvek-cli
describes "$viewer" markview
echo "manpages: passed"
