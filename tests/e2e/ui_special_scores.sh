#!/usr/bin/env bash
# The special-score questions for a monster with bits 0x4 and 0x8: Station,
# MEL and CEL are each asked twice and the second answers are kept.
. "$(dirname "$0")/lib.sh"

e2e_setup
cat >"$WORK/monster.hxi" <<'MONSTERS'
2
Plain_Thing _ 1 0x0
Dusk_Archmage Gloamkin 3 0xC
MONSTERS
e2e_start
e2e_wait "Enter your choice :"
# Nothing to ask for the first monster: the menu stays.
e2e_keys 6
sleep 0.3
e2e_screen | grep -qF "Station" && e2e_fail "questions for a plain monster"
e2e_keys 1
e2e_wait "SELECT MONSTER"
e2e_type "2"
e2e_keys Enter
e2e_wait "Gloamkin, Dusk Archmage"
e2e_wait "CEL             : 0"
e2e_keys 6
answer() {
  e2e_wait " $1"
  e2e_type "$2"
  e2e_keys Enter
}
answer "Station (0-10) :" 1
answer "MEL (0-50) :" 2
answer "CEL (0-50) :" 3
answer "Station (0-10) :" 10
answer "MEL (0-50) :" 44
answer "CEL (0-50) :" 50
e2e_wait "Enter your choice :"
screen=$(e2e_screen)
grep -qxF "  6: Set creature special       Station         : 10" <<<"$screen" ||
  e2e_fail "Station not shown"
grep -qxF "     scores                     MEL             : 44" <<<"$screen" ||
  e2e_fail "MEL not shown"
grep -qxF "                                CEL             : 50" <<<"$screen" ||
  e2e_fail "CEL not shown"

# Escape at a question drops the answers given before it.
e2e_keys 6
answer "Station (0-10) :" 5
e2e_wait "MEL (0-50) :"
e2e_keys Escape
e2e_wait "Enter your choice :"
e2e_screen | grep -qF "Station         : 10" || e2e_fail "Escape kept an answer"
e2e_keys q y y
e2e_wait_exit
[ "$(sed -n 3p "$WORK/setup.hxi")" = "10 44 50 0" ] ||
  e2e_fail "saved scores: $(sed -n 3p "$WORK/setup.hxi")"
echo PASS
