#!/usr/bin/env bash
# Builds a corpus of real Chinese text from Debian packages (fortunes-zh, manpages-zh):
# OUT/corpus-gb.txt (GBK) and OUT/corpus-big5.txt (BIG5), each about 20 MB.
# Usage: make-corpus.sh OUT
set -euo pipefail
out=${1:?usage: make-corpus.sh OUT}
mkdir -p "$out"
target=$((20 * 1024 * 1024))

# Repeats the UTF-8 text on standard input, re-encoded, until the file holds target bytes.
build() {
  local encoding=$1 file=$2 sample
  sample=$(mktemp)
  iconv -c -f UTF-8 -t "$encoding" >"$sample" || true
  : >"$file"
  while (($(stat -c %s "$file") < target)); do cat "$sample" >>"$file"; done
  truncate -s "$target" "$file"
  rm -f "$sample"
}

simplified() {
  cat /usr/share/games/fortunes/{chinese,song100,tang300}
  find /usr/share/man/zh_CN -name '*.gz' | sort | xargs zcat
}
traditional() {
  find /usr/share/man/zh_TW -name '*.gz' | sort | xargs zcat
}

[ -s "$out/corpus-gb.txt" ] || simplified | build GBK "$out/corpus-gb.txt"
[ -s "$out/corpus-big5.txt" ] || traditional | build BIG5 "$out/corpus-big5.txt"
