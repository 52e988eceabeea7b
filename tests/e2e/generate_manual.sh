#!/usr/bin/env bash
# Key "8" in the real program: "2", "2", "6" add two coin items and a magic
# item, "G" evaluates them; the script and the report of a manual generation.
. "$(dirname "$0")/lib.sh"

e2e_setup
printf '1\nTusk_Brute Orc 4 0x4\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
printf 'default\n0 0 12 40 7\n2 0 0 0\n3 4 1021\n' >"$WORK/setup.hxi"
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 8
e2e_wait "CHOOSE TREASURE MANUALLY"
e2e_wait "Area : Deep Cave"
for k in 2 2 6; do e2e_keys $k; done
e2e_wait "Number of Items : 3"
e2e_keys G
e2e_wait "Hit any key to continue."

script=$(cat "$WORK/temp.hxs")
expected=$(printf '%s\n' "3 4 1021" "[POS:  " "[COM:  " "----------" \
  "0 89 12 40 7 -1 0" "----------" "MANUAL-GENERATION" "< L1_COINS >" \
  "< L1_COINS >" "< L1_MAGIC >" "END-OF-SECTION")
[ "$(tail -n +2 <<<"$script")" = "$expected" ] ||
  e2e_fail "script differs:"$'\n'"$script"

report=$(cat "$WORK/default.hxo")
grep -qxF "Monster    : Manual generation" <<<"$report" ||
  e2e_fail "no manual monster line:"$'\n'"$report"
body=$(sed -n '/^Manual Treasure Generation :$/,$p' <<<"$report")
[ "$(sed -n 2p <<<"$body")" = "" ] || e2e_fail "heading not followed by a blank line"
coins=$(sed -n '3,4p' <<<"$body" |
  grep -cE '^[0-9]+ (Brass Bits|Copper Coins|Silver Coins|Gold Coins)$')
[ "$coins" = 2 ] || e2e_fail "expected two coin lines:"$'\n'"$body"

screen=$(e2e_screen)
[ "$(sed -n 6p <<<"$screen")" = " Manual Treasure Generation :" ] ||
  e2e_fail "body does not begin at (5, 1)"
e2e_keys Space
e2e_wait "MAIN MENU"
