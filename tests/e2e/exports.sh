#!/usr/bin/env bash
# The exports read back by real parsers (export_check.py): a roll, a monster
# and a script full of markup, quotes, line ends and bytes that are not
# UTF-8, and an output file of roll --append (the bytes of key 7) with text
# of its own before the first report.
. "$(dirname "$0")/lib.sh"

checker="$(cd "$(dirname "$0")" && pwd)/export_check.py"
e2e_setup
exports() { python3 "$checker" "$HOARDEX_BIN" "$@" || e2e_fail "exports of $*"; }

sed -i '3s/^Bog_Lurker      /B|*<",\xff\&_x    /' monster.hxi
printf '%s\n' '7 12 2026' '1 1 1' '[POS: a|b *c* <d> "e",f ' '[COM: x_y \ `z` [l](u) ' \
  ---------- '0 2 1 1 0 -1 0' ---------- PORTABLE \
  '[ one | two *three* <b>x</b> "q", r' "$(printf 'nine\377\303 }} {{ [[1d6')" ']' \
  '[ # a & b - 1. c ]' END-OF-SECTION ---------- LAIR-TREASURE '< L1_COINS >' \
  '< L1_GEMJJ >' END-OF-SECTION >odd.hxs
exports roll --monster 3 --seed 42
exports roll --monster 2 --seed 7 --count 3
exports run odd.hxs --seed 5
printf 'kept | *before* <b>\377\n' >default.hxo
hx roll --monster 2 --seed 3 --count 2 --append >/dev/null || e2e_fail "--append"
EXPECTED_LINES_FILE=default.hxo exports export default.hxo
EXPECTED_LINES_FILE=default.hxo exports export default.hxo --report 3

hx roll --format json | grep -q '"seed":[0-9]' || e2e_fail "a roll without --seed has no seed"
e2e_cli <<'CASES'
2 | hx export default.hxo --report 4 | =hoardex: --report: default.hxo holds 3 reports
1 | hx export none.hxo | =hoardex: cannot read none.hxo: no such file
CASES
