#!/usr/bin/env bash
# The two file types as a desktop sees them: the MIME package compiled by update-mime-database into a
# scratch database (it must compile without a word), then Qt's MIME database on real files written
# by zorvek-cli and in the table file format, by name and, without an extension, by content.
# Usage: mimetypes.sh MIME_XML MIMEPROBE ZORVEK_CLI ICON_NAME
set -euo pipefail
xml=$1 probe=$2 cli=$3 icon=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "mimetypes: $*" >&2; exit 1; }

mkdir -p "$scratch/data/mime/packages" "$scratch/home"
cp "$xml" "$scratch/data/mime/packages/"
export XDG_DATA_HOME=$scratch/home XDG_DATA_DIRS=$scratch/data:/usr/share
out=$(update-mime-database "$scratch/data/mime" 2>&1) || fail "update-mime-database failed: $out"
[ -z "$out" ] || fail "update-mime-database: $out"

cd "$scratch"
"$cli" --save column.mct >/dev/null
printf '<A=Benceno>\r\n<B=Tolueno>\r\n[[\r\n0\t0\r\n.5\t.7\r\n1\t1\r\n' >table.vle
for i in $(seq 4 100); do printf -- '-1\t-1\r\n' >>table.vle; done
printf ']]\r\n' >>table.vle
cp column.mct case1
cp table.vle table1
printf 'A note that names no tag.\n' >notes

expect() { # file, type, comment in the current language; every type shows the program's icon
    local got
    got=$("$probe" "$1")
    [ "$got" = "$2	$3	$icon" ] || fail "$1: got '$got', expected '$2	$3	$icon'"
}
export LC_ALL=C.UTF-8 LANGUAGE=
expect column.mct application/x-zorvek-case "McCabe-Thiele file"
expect table.vle application/x-zorvek-table "Data table file"
expect case1 application/x-zorvek-case "McCabe-Thiele file"
expect table1 application/x-zorvek-table "Data table file"
[ "$("$probe" notes | cut -f1)" = text/plain ] || fail "a plain note is taken for a ZORVEK file"
export LANGUAGE=es
expect column.mct application/x-zorvek-case "Archivo de McCabe-Thiele"
expect table1 application/x-zorvek-table "Archivo de tabla de datos"
echo "mimetypes: passed"
