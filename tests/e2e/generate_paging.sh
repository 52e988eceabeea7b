#!/usr/bin/env bash
# A long report pages: "Hit any key to continue." on the last row after 18
# lines, the body never reaching that row, and the whole report in the file
# once the last page is done.
. "$(dirname "$0")/lib.sh"

e2e_setup
printf '1\nHoard_Keeper _ 40 0x0\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
printf 'default\n0 0 12 40 7\n0 0 0 0\n1 1 1\n' >"$WORK/setup.hxi"
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue."

# Headings and the notice take 8 lines, then 40 coin lines: pauses after
# 18 and 36 lines.
pauses=0
for _ in 1 2 3 4 5; do
  [ -s "$WORK/default.hxo" ] && break
  pauses=$((pauses + 1))
  screen=$(e2e_screen)
  [ "$(sed -n 26p <<<"$screen")" = " Hit any key to continue." ] ||
    e2e_fail "the pause prompt is not alone on the last row"
  lines=$(sed -n '6,25p' <<<"$screen" | grep -cE '[0-9]+ (Brass Bits|Copper Coins|Silver Coins|Gold Coins)')
  [ "$lines" -le 18 ] || e2e_fail "more than a page on the screen"
  e2e_keys Space
  end=$((SECONDS + 10))
  while [ "$(e2e_screen)" = "$screen" ] && [ $SECONDS -le $end ]; do sleep 0.1; done
done
[ "$pauses" = 2 ] || e2e_fail "expected 2 pauses, saw $pauses"
[ -s "$WORK/default.hxo" ] || e2e_fail "no report after the last page"
coins=$(grep -cE '^[0-9]+ (Brass Bits|Copper Coins|Silver Coins|Gold Coins)$' "$WORK/default.hxo")
[ "$coins" = 40 ] || e2e_fail "expected 40 coin lines in the report, saw $coins"
e2e_wait "Hit any key to continue."
e2e_keys Space
e2e_wait "MAIN MENU"
