#!/usr/bin/env bash
# The monster list with 37 monsters on two pages, and the area list with five
# areas, as the terminal shows them.
. "$(dirname "$0")/lib.sh"

e2e_setup
lab() { if [ $(($1 % 2)) = 1 ]; then echo "Herd, Beast $1"; else echo "Beast $1"; fi; }
{ echo 37; for i in $(seq 37); do echo "Beast_$i $([ $((i % 2)) = 1 ] && echo Herd || echo _) 1 0"; done; } >"$WORK/monster.hxi"
echo '5 Open_Ground 3 6 8 9 10 Cave 2 6 8 9 10 Burrow 4 7 9 10 10 Sunken_Temple 1 3 6 7 10 Ruined_Keep 2 4 6 9 10' >"$WORK/area.hxi"
e2e_start
e2e_wait "Enter your choice :"
rows() { [ "$(e2e_screen | sed -n "$1p")" = "$2" ] || e2e_fail "rows $1 are not: $2"; }
e2e_keys 1
e2e_wait "Spacebar for next page of monster list. Select a monster (1-37) :"
rows 6,23 "$(for r in $(seq 18); do printf ' %2d: %-30s%2d: %s\n' $r "$(lab $r)" $((r + 18)) "$(lab $((r + 18)))"; done)"
e2e_keys Space
e2e_wait_gone "Beast 36"
rows 6,23 " 37: Herd, Beast 37"
e2e_keys 3 7 Enter
e2e_wait "Monster         : Herd, Beast 37"
e2e_keys 2
e2e_wait " Select an area (1-5) :"
rows 4,9 "$(printf '        SELECT AREA\n\n  1: %-28s4: Sunken Temple\n  2: %-28s5: Ruined Keep\n  3: Burrow' "Open Ground" Cave)"
e2e_keys 4 Enter
e2e_wait "Lair            : Sunken Temple"
echo PASS
