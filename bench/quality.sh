#!/usr/bin/env bash
# Measures how well `kestrane --utf8 gb2big5` with the shipped table converts simplified text
# from Debian packages (fortunes-zh, manpages-zh), taking OpenCC's phrase-aware s2tw as the
# reference, and measures zh-autoconvert's autob5 on the same text beside it.
#
# For each tool: of the Han characters the tool changes, how many it changes into what OpenCC
# writes ("precision"); and of all Han characters, how many come out as OpenCC writes them.
# Lines whose OpenCC form differs in length cannot be lined up and are left out.
#
# Usage: bench/quality.sh PATH/TO/kestrane        (needs: bash scripts/install-deps.sh bench)
set -euo pipefail
kestrane=$(realpath "${1:?usage: quality.sh PATH/TO/kestrane}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fortunes() { cat /usr/share/games/fortunes/{chinese,song100,tang300}; }
manpages() { find /usr/share/man/zh_CN -name '*.gz' | sort | xargs zcat; }

# The part of the UTF-8 text that GB can hold, as GB and again as UTF-8. The euro sign is left
# out: code page 936 writes it as the single byte 80, which BIG5 has no character for.
prepare() {
  local name=$1
  sed 's/€//g' | iconv -c -f UTF-8 -t CP936 >"$work/$name.gb" || true
  iconv -f CP936 -t UTF-8 "$work/$name.gb" >"$work/$name.txt"
}

convert() {
  local name=$1
  env -u KESTRANE_REGISTRY "$kestrane" --utf8 gb2big5 "$work/$name.txt" >"$work/$name.kestrane"
  opencc -c s2tw -i "$work/$name.txt" -o "$work/$name.opencc"
  autob5 <"$work/$name.gb" >"$work/$name.autob5"
}

fortunes | prepare fortunes-zh
manpages | prepare manpages-zh
for name in fortunes-zh manpages-zh; do convert "$name"; done

python3 - "$work" fortunes-zh manpages-zh <<'PY'
import collections
import sys

work, names = sys.argv[1], sys.argv[2:]


def is_han(character):
    code = ord(character)
    return 0x4E00 <= code <= 0x9FFF or 0x3400 <= code <= 0x4DBF or 0xF900 <= code <= 0xFAFF


def big5_pairs(data):
    """BIG5 bytes to text, one character per byte pair, so that lines stay aligned."""
    text, at = [], 0
    while at < len(data):
        if data[at] >= 0x81 and at + 1 < len(data):
            try:
                text.append(data[at:at + 2].decode("cp950"))
            except UnicodeDecodeError:
                text.append("\ufffd")
            at += 2
        else:
            text.append(chr(data[at]))
            at += 1
    return "".join(text)


def lines(name, tool):
    path = f"{work}/{name}.{tool}"
    if tool == "autob5":
        with open(path, "rb") as file:
            return big5_pairs(file.read()).split("\n")
    with open(path, encoding="utf-8") as file:
        return file.read().split("\n")


class Score:
    def __init__(self):
        self.changed = self.changed_agree = self.han = self.han_agree = 0
        self.misses = collections.Counter()

    def add(self, source, output, reference):
        for s, o, r in zip(source, output, reference):
            if not is_han(s):
                continue
            self.han += 1
            self.han_agree += o == r
            if o != s:
                self.changed += 1
                self.changed_agree += o == r
            if o != r:
                self.misses[f"{s}->{o} (OpenCC {r})"] += 1


def score(name):
    source, reference = lines(name, "txt"), lines(name, "opencc")
    outputs = {tool: lines(name, tool) for tool in ("kestrane", "autob5")}
    scores = {tool: Score() for tool in outputs}
    left_out = 0
    for index, line in enumerate(source):
        if len(reference[index]) != len(line):
            left_out += sum(map(is_han, line))
            continue
        for tool, output in outputs.items():
            scores[tool].add(line, output[index], reference[index])
    return scores, left_out


def percent(part, whole):
    return f"{100 * part / whole:6.2f}%" if whole else "      -"


totals = {"kestrane": Score(), "autob5": Score()}
for name in names:
    scores, left_out = score(name)
    print(f"\n{name}: {scores['kestrane'].han} Han characters compared, {left_out} left out")
    print(f"  {'tool':<9} {'changed':>8} {'as OpenCC':>10} {'precision':>9} {'all Han as OpenCC':>18}")
    for tool, result in scores.items():
        print(f"  {tool:<9} {result.changed:8} {result.changed_agree:10} "
              f"{percent(result.changed_agree, result.changed):>9} "
              f"{percent(result.han_agree, result.han):>18}")
        total = totals[tool]
        for field in ("changed", "changed_agree", "han", "han_agree"):
            setattr(total, field, getattr(total, field) + getattr(result, field))
        total.misses.update(result.misses)

print("\nall text")
for tool, total in totals.items():
    print(f"  {tool:<9} precision {percent(total.changed_agree, total.changed)} "
          f"({total.changed_agree} of {total.changed} changed Han characters), "
          f"all Han as OpenCC {percent(total.han_agree, total.han)}")
print("\nkestrane's most frequent differences from OpenCC:")
for miss, count in totals["kestrane"].misses.most_common(20):
    print(f"  {count:6}  {miss}")
PY
