#!/bin/sh
# Runs every head word and every Latin word of the additions through Whitaker's Words (Debian
# package whitakers-words, needed only for this check) and prints the words it does not know.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/build.py" --words > "$work/words.txt"
cd "$work"
whitakers-words words.txt | grep UNKNOWN | awk '{print $1}' || true
