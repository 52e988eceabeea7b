#!/usr/bin/env bash
# The area list with five areas: three rows, 1/4, 2/5 and 3 alone.
. "$(dirname "$0")/lib.sh"

e2e_setup
cat >"$WORK/area.hxi" <<'AREAS'
5
Open_Ground 3 6 8 9 10
Cave 2 6 8 9 10
Burrow 4 7 9 10 10
Sunken_Temple 1 3 6 7 10
Ruined_Keep 2 4 6 9 10
AREAS
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 2
e2e_wait "SELECT AREA"
screen=$(e2e_screen)
check_row() {
  local got
  got=$(sed -n "$1p" <<<"$screen")
  [ "$got" = "$2" ] || e2e_fail "row $(($1 - 1)) is '$got', not '$2'"
}
check_row 4 "        SELECT AREA"
# Left names padded to 20 columns, then a tab to column 32.
check_row 6 "$(printf ' %2d: %-20s       %2d: %s' 1 "Open Ground" 4 "Sunken Temple")"
check_row 7 "$(printf ' %2d: %-20s       %2d: %s' 2 "Cave" 5 "Ruined Keep")"
check_row 8 "  3: Burrow"
check_row 9 ""
grep -qF " Select an area (1-5) :" <<<"$screen" || e2e_fail "prompt missing"
e2e_type "6"
e2e_keys Enter
sleep 0.3
e2e_screen | grep -qF "SELECT AREA" || e2e_fail "6 was accepted"
e2e_keys BSpace
e2e_type "4"
e2e_keys Enter
e2e_wait "Lair            : Sunken Temple"
e2e_keys q n y
e2e_wait_exit
echo PASS
