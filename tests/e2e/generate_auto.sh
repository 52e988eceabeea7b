#!/usr/bin/env bash
# Generation in the real program. Key "7": the script, a pause after 18 lines,
# the report appended after the last page with the header of the settings,
# and a second report on a second run. Key "8" with "2", "2", "6", "G".
. "$(dirname "$0")/lib.sh"

e2e_setup
# 12 lair items and Station 2 + 1 more, in a lair that gives coins only.
printf '1\nTusk_Brute Orc 12 0x4\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
printf 'default\n0 0 12 40 7\n2 0 0 0\n3 4 1021\n' >"$WORK/setup.hxi"
report="$WORK/default.hxo"
rule=$(printf '%075d' 0 | tr 0 -)
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue."
expected=$(printf '%s\n' "$(date +%-d\ %-m\ %Y)" "3 4 1021" "[POS:  " \
  "[COM:  " "----------" "0 0 12 40 7 2 0" "----------" "PORTABLE" \
  "[ Monster has no portable treasure." "]" "END-OF-SECTION" "----------" \
  "LAIR-TREASURE" "$(printf '< L1_COINS >\n%.0s' {1..15})" "END-OF-SECTION")
[ "$(cat "$WORK/temp.hxs")" = "$expected" ] || e2e_fail "script differs"
# Headings and the notice take 8 lines, then 10 coins fill the first page.
[ "$(e2e_screen | sed -n 6,25p | grep -cxE '[0-9]+ Copper Coins')" = 10 ] ||
  e2e_fail "the first page does not end after 18 lines"
[ -s "$report" ] && e2e_fail "report written before the last page"
e2e_keys Space Space
e2e_wait "MAIN MENU"
expected=$(printf '%s\n' "$rule" "" "Date       : $(date +%-d/%-m/%Y)" \
  "Game date  : 3/4/1021" "Position   : " "Area       : Deep Cave" \
  "Monster    : Orc, Tusk Brute" "" "Comments   : " "" "-----" "" \
  "Portable treasure :" "" "Monster has no portable treasure." "" "-----" "" \
  "Treasure in lair  :" "")
[ "$(head -20 "$report")" = "$expected" ] || e2e_fail "report header differs"
[ "$(sed -n 21,35p "$report" | grep -cxE '[0-9]+ Copper Coins')" = 15 ] &&
  [ "$(tail -n +36 "$report")" = "$(printf '\n-----\n')" ] ||
  e2e_fail "expected 15 copper coin lines and the closing rule"
e2e_keys 7
e2e_wait "Hit any key to continue."
e2e_keys Space Space
e2e_wait "MAIN MENU"
[ "$(grep -cxF -- "$rule" "$report")" = 2 ] || e2e_fail "no second report"

e2e_keys 8
e2e_wait "CHOOSE TREASURE MANUALLY"
for k in 2 2 6; do e2e_keys $k; done
e2e_wait "Number of Items : 3"
e2e_keys G
e2e_wait "Hit any key to continue."
expected=$(printf '%s\n' "3 4 1021" "[POS:  " "[COM:  " "----------" \
  "0 89 12 40 7 -1 0" "----------" "MANUAL-GENERATION" "< L1_COINS >" \
  "< L1_COINS >" "< L1_MAGIC >" "END-OF-SECTION")
[ "$(tail -n +2 "$WORK/temp.hxs")" = "$expected" ] ||
  e2e_fail "manual script differs"
body=$(sed -n '/^Manual Treasure Generation :$/,$p' "$report")
coins=$(sed -n 3,4p <<<"$body" |
  grep -cxE '[0-9]+ (Brass Bits|Copper Coins|Silver Coins|Gold Coins)')
[ "$(sed -n 2p <<<"$body")" = "" ] && [ "$coins" = 2 ] ||
  e2e_fail "expected a blank line and two coin lines:"$'\n'"$body"
