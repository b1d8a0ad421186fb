#!/usr/bin/env bash
# Runs a validator and fails on its failure or on any warning or error it prints; hints and notes pass.
out=$("$@" 2>&1)
status=$?
[ -n "$out" ] && printf '%s\n' "$out"
[ $status -eq 0 ] || exit $status
! grep -q -i -E '(^|[ :])(warning|error)s?:' <<<"$out"
