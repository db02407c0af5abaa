#!/bin/sh
# The translations are up to date with the sources: lupdate, run over the sources
# into copies of the .ts files, changes nothing, and no message is unfinished or
# vanished in any language.
# Usage: translations_current.sh LUPDATE SCRATCH TS_FILES... -- SOURCES... -- LUPDATE_OPTIONS...
set -eu
lupdate=$1 scratch=$2
shift 2
rm -rf "$scratch"
mkdir -p "$scratch"
originals=""
copies=""
while [ "$1" != "--" ]; do
    cp "$1" "$scratch/"
    originals="$originals $1"
    copies="$copies $scratch/$(basename "$1")"
    shift
done
shift
sources=""
while [ "$1" != "--" ]; do
    sources="$sources $1"
    shift
done
shift
# shellcheck disable=SC2086 # the lists are of paths without blanks
"$lupdate" "$@" $sources -ts $copies >"$scratch/lupdate.log" 2>&1 || { cat "$scratch/lupdate.log"; exit 1; }
failed=0
for original in $originals; do
    copy="$scratch/$(basename "$original")"
    if ! cmp -s "$original" "$copy"; then
        echo "FAIL: lupdate changes $original:"
        diff -u "$original" "$copy" | head -n 40
        failed=1
    fi
    if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
        echo "FAIL: $original has messages that are not finished"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "PASS: $originals are current and finished"
exit "$failed"
