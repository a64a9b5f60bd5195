#!/bin/sh
# Two runs of the sound generator write the same bytes.
set -u
gen=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$gen" "$work/a" || { echo "FAIL: first run failed"; exit 1; }
"$gen" "$work/b" || { echo "FAIL: second run failed"; exit 1; }
count=$(find "$work/a/sfx" -type f | wc -l)
# 26 WAV effects, 2 OGG effects, 11 tracks.
[ "$count" -eq 39 ] || { echo "FAIL: $count files generated, expected 39"; exit 1; }
diff -r -q "$work/a" "$work/b" || { echo "FAIL: two runs differ"; exit 1; }
echo "ok: $count files, same bytes twice"
