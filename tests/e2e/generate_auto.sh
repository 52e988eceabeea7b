#!/usr/bin/env bash
# Key "7" in the real program: the treasure script temp.hxs and the report
# appended to default.hxo, with the header of the current settings; a second
# generation appends a second report.
. "$(dirname "$0")/lib.sh"

e2e_setup
# One monster with a Station (0x4) and four lair items, in a lair whose
# table gives coins on every roll.
printf '1\nTusk_Brute Orc 4 0x4\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
printf 'default\n0 0 12 40 7\n2 0 0 0\n3 4 1021\n' >"$WORK/setup.hxi"
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue."
e2e_wait "Treasure in lair  :"

# 4 items and Station + 1 = 3 more, all coins; Station 2 gives copper.
expected_script=$(printf '%s\n' "$(date +%-d\ %-m\ %Y)" "3 4 1021" "[POS:  " \
  "[COM:  " "----------" "0 0 12 40 7 2 0" "----------" "PORTABLE" \
  "[ Monster has no portable treasure." "]" "END-OF-SECTION" "----------" \
  "LAIR-TREASURE" "< L1_COINS >" "< L1_COINS >" "< L1_COINS >" \
  "< L1_COINS >" "< L1_COINS >" "< L1_COINS >" "< L1_COINS >" \
  "END-OF-SECTION")
[ "$(cat "$WORK/temp.hxs")" = "$expected_script" ] ||
  e2e_fail "script differs:"$'\n'"$(cat "$WORK/temp.hxs")"

report="$WORK/default.hxo"
[ -s "$report" ] || e2e_fail "no report in default.hxo"
rule=$(printf '%075d' 0 | tr 0 -)
expected_head=$(printf '%s\n' "$rule" "" "Date       : $(date +%-d/%-m/%Y)" \
  "Game date  : 3/4/1021" "Position   : " "Area       : Deep Cave" \
  "Monster    : Orc, Tusk Brute" "" "Comments   : " "" "-----" "" \
  "Portable treasure :" "" "Monster has no portable treasure." "" "-----" "" \
  "Treasure in lair  :" "")
[ "$(head -20 "$report")" = "$expected_head" ] ||
  e2e_fail "report header differs:"$'\n'"$(head -20 "$report")"
coins=$(sed -n '21,27p' "$report" | grep -cE '^[0-9]+ Copper Coins$')
[ "$coins" = 7 ] || e2e_fail "expected 7 copper coin lines:"$'\n'"$(cat "$report")"
[ "$(tail -n +28 "$report")" = "$(printf '\n-----\n')" ] ||
  e2e_fail "report does not close with its rule"

# The echo on the screen: the body from row 5, the prompt on the last row.
screen=$(e2e_screen)
[ "$(sed -n 6p <<<"$screen")" = "Portable treasure :" ] ||
  e2e_fail "body does not begin on row 5"
[ "$(sed -n 26p <<<"$screen")" = " Hit any key to continue." ] ||
  e2e_fail "prompt not on row 25"

e2e_keys Space
e2e_wait "MAIN MENU"
e2e_keys 7
e2e_wait "Hit any key to continue."
[ "$(grep -cxF -- "$rule" "$report")" = 2 ] ||
  e2e_fail "the second generation did not append a second report"
e2e_keys Space
e2e_wait "MAIN MENU"

# The shipped sample files: the report names the monster and lair that the
# sample settings choose.
e2e_tmux kill-server >/dev/null 2>&1
rm -rf "$WORK"
e2e_setup
read -r mon area _ < <(sed -n 2p "$WORK/setup.hxi")
# The sample files hold one entry a line after the count.
label=$(awk -v i="$mon" 'NR > 1 && n++ == i { name = $1; group = $2;
  gsub("_", " ", name); gsub("_", " ", group);
  print (group == " " ? name : group ", " name); exit }' "$WORK/monster.hxi")
lair=$(awk -v i="$area" 'NR > 1 && n++ == i { gsub("_", " ", $1); print $1; exit }' "$WORK/area.hxi")
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue."
sed -n 6p "$WORK/temp.hxs" | grep -q "^$area $mon " ||
  e2e_fail "numbers line does not name the sample settings: $(sed -n 6p "$WORK/temp.hxs")"
grep -qxF "Monster    : $label" "$WORK/default.hxo" ||
  e2e_fail "no monster line '$label':"$'\n'"$(head -12 "$WORK/default.hxo")"
grep -qxF "Area       : $lair" "$WORK/default.hxo" ||
  e2e_fail "no area line '$lair'"
e2e_keys Space
e2e_wait "MAIN MENU"
