#!/usr/bin/env bash
# The main job: builds the kestrane tool and converts a real Chinese text (Tang poems from the
# fortunes-zh package) from GB to BIG5 with the shipped default table, then back again.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build sample
cmake -S . -B build/run -G Ninja -DKESTRANE_TESTS=OFF -DKESTRANE_BENCH=OFF >/dev/null
cmake --build build/run --target kestrane | tail -n 1
kestrane=build/run/cli/kestrane

# The first poems, without the colour escapes of the fortune file.
text=$(sed -e 's/\x1b\[[0-9;]*m//g' -e 's/・/·/g' -e '24q' /usr/share/games/fortunes/tang300.u8)

echo "== GB text (shown in UTF-8) =="
echo "$text"
echo
echo "== converted to BIG5 by: kestrane --utf8 gb2big5 =="
big5=$(printf '%s\n' "$text" | "$kestrane" --utf8 gb2big5)
echo "$big5"
echo
echo "== and back to GB by: kestrane --utf8 big52gb =="
printf '%s\n' "$big5" | "$kestrane" --utf8 big52gb
echo
echo "== the same on bytes: GBK in, BIG5 out, $(printf '%s\n' "$text" | iconv -f UTF-8 -t GBK | wc -c) bytes each way =="
printf '%s\n' "$text" | iconv -f UTF-8 -t GBK | "$kestrane" gb2big5 | iconv -f BIG5 -t UTF-8 | sed -n '1,4p'
