#!/usr/bin/env bash
# The monster list with 37 monsters: two pages, Space pages on and wraps,
# and the chosen number becomes the current monster.
. "$(dirname "$0")/lib.sh"

e2e_setup
{
  echo 37
  for i in $(seq 1 37); do
    if [ $((i % 2)) = 1 ]; then echo "Beast_$i Herd 1 0x0"; else echo "Beast_$i _ 1 0x0"; fi
  done
} >"$WORK/monster.hxi"
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 1
e2e_wait "SELECT MONSTER"
screen=$(e2e_screen)
first=$(sed -n 6p <<<"$screen")
[ "$first" = "$(printf ' %2d: %-30s%2d: %s' 1 "Herd, Beast 1" 19 "Herd, Beast 19")" ] ||
  e2e_fail "first row is '$first'"
last=$(sed -n 23p <<<"$screen")
[ "$last" = "$(printf ' %2d: %-30s%2d: %s' 18 "Beast 18" 36 "Beast 36")" ] ||
  e2e_fail "18th row is '$last'"
grep -qF "37:" <<<"$screen" && e2e_fail "37 shown on the first page"
grep -qF "Spacebar for next page of monster list. Select a monster (1-37) :" \
  <<<"$screen" || e2e_fail "prompt missing"

e2e_keys Space
e2e_wait " 37: Herd, Beast 37"
e2e_wait_gone "Beast 19"
screen=$(e2e_screen)
[ "$(sed -n 6p <<<"$screen")" = " 37: Herd, Beast 37" ] ||
  e2e_fail "page two row is '$(sed -n 6p <<<"$screen")'"
[ -z "$(sed -n 7,23p <<<"$screen" | tr -d ' \n')" ] ||
  e2e_fail "rows below the last monster are not blank"

e2e_keys Space
e2e_wait "19: Herd, Beast 19"
e2e_wait_gone " 37: Herd"

# Zero and 38 cannot be chosen; 37 can.
e2e_type "038"
e2e_keys Enter
sleep 0.3
e2e_screen | grep -qF "SELECT MONSTER" || e2e_fail "38 was accepted"
e2e_keys BSpace
e2e_type "7"
e2e_keys Enter
e2e_wait "Monster         : Herd, Beast 37"
e2e_keys q n y
e2e_wait_exit
echo PASS
