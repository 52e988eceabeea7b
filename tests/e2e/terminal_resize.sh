#!/usr/bin/env bash
# Resizing the terminal while a report is paging, while the monster list is
# open and while a dialogue is half typed: a larger window shows the same
# screen, a smaller one the request for a larger window (keys wait), and
# back at 80x26 everything goes on where it was.
. "$(dirname "$0")/lib.sh"

SMALL="Please enlarge the window to at least 80x26."

# Waits until the pane shows exactly the given screen.
wait_screen() {
  local want=$1 end=$((SECONDS + 10))
  while [ $SECONDS -le $end ]; do
    [ "$(e2e_screen)" = "$want" ] && return 0
    sleep 0.1
  done
  e2e_fail "the screen was not shown again as it was"
}

resize() { e2e_tmux resize-window -t t -x "$1" -y "$2"; }

# ---------------------------------------------------- a report that pages
e2e_setup
printf '1\nHoard_Keeper _ 40 0x0\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue."
page=$(e2e_screen)

resize 100 32
e2e_wait "Hit any key to continue."
e2e_screen | grep -qF "$SMALL" && e2e_fail "a larger window asked to be larger"
resize 80 26
wait_screen "$page"

resize 70 20
e2e_wait "$SMALL"
# A key while the window is too small is dropped. The pause gives the
# program time to read it before the window grows again; had it been taken,
# the next page would be shown instead of this one.
e2e_keys Space
sleep 0.5
resize 80 26
wait_screen "$page"

# The rest of the report pages as usual and the file gets all of it.
end=$((SECONDS + 30))
until e2e_screen | grep -qF "Enter your choice :"; do
  [ $SECONDS -le $end ] || e2e_fail "the report did not come to its end"
  screen=$(e2e_screen)
  if grep -qF "Hit any key to continue." <<<"$screen"; then
    e2e_keys Space
    wait_end=$((SECONDS + 3))
    while [ "$(e2e_screen)" = "$screen" ] && [ $SECONDS -le $wait_end ]; do
      sleep 0.05
    done
  fi
done
coins=$(grep -cE '^[0-9]+ (Brass Bits|Copper Coins|Silver Coins|Gold Coins)$' \
  "$WORK/default.hxo")
[ "$coins" = 40 ] || e2e_fail "expected 40 coin lines in the report, saw $coins"
e2e_keys q n y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
e2e_tmux kill-session -t t

# ------------------------------------- the monster list and a dialogue
cp "$HOARDEX_DATA"/monster.hxi "$HOARDEX_DATA"/area.hxi "$WORK"/
rm -f "$WORK/default.hxo"
label12=$(awk 'NR == 13 { n = $1; g = $2; gsub(/_/, " ", n); gsub(/_/, " ", g)
                          print (g == " " ? n : g ", " n) }' "$WORK/monster.hxi")
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 1
e2e_wait "SELECT MONSTER"
e2e_type 1
e2e_wait "Select a monster (1-"
list=$(e2e_screen)
resize 120 40
e2e_wait "SELECT MONSTER"
resize 60 24
e2e_wait "$SMALL"
resize 80 26
wait_screen "$list"
# The digit typed before the resizes is still part of the number.
e2e_type 2
e2e_keys Enter
e2e_wait "Monster         : $label12"

e2e_keys 9
e2e_wait "Game day   :"
e2e_type 12
e2e_keys Enter
e2e_wait "Game month :"
e2e_type 3
e2e_keys Enter
e2e_wait "Game year  :"
e2e_type 1024
e2e_keys Enter
e2e_wait "Position   :"
e2e_type Camp
e2e_wait "Position   : Camp"
resize 79 26
e2e_wait "$SMALL"
resize 80 25
e2e_wait "$SMALL"
resize 80 26
e2e_wait "Position   : Camp"
e2e_type fire
e2e_keys Enter
e2e_wait "Comments   :"
e2e_type Ford
e2e_keys Enter
e2e_wait "Position        : Campfire"
e2e_wait "Game date       : 12/3/1024"
e2e_wait "Comments        : Ford"
e2e_keys q n y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
echo PASS
