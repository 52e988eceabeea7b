#!/usr/bin/env bash
# The viewer of earlier reports in a window larger than 80x26: the body and
# the prompt follow the window and its resize; a search down and up goes on
# from the other end; d then y removes the newest report, and the file is
# then byte for byte what it was before that report.
. "$(dirname "$0")/lib.sh"

e2e_setup
printf '1\nTusk_Brute Orc 1 0x0\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
generate() { e2e_keys 7; e2e_wait "Hit any key to"; e2e_keys x; e2e_wait "Enter your choice"; }
hint="Up/Dn PgUp/Dn Home/End  n/p: report  /?: search  d: remove  l: ledger  q: back"

e2e_start 100 36
e2e_wait "Enter your choice :"
generate
cp "$WORK/default.hxo" "$WORK/first"
generate
e2e_keys R
e2e_wait_in_row 3 "Report 1 of 2"
e2e_wait_in_row 35 "$hint"
e2e_tmux resize-window -t t -x 120 -y 40
e2e_wait_in_row 39 "$hint"
e2e_keys / && e2e_type "deep cave" && e2e_keys Enter # in the newest report
e2e_wait_in_row 3 "Report 1 of 2"
e2e_keys Enter # again, down: the older report
e2e_wait_in_row 3 "Report 2 of 2"
e2e_keys Enter
e2e_wait_in_row 38 "search went on from the top"
e2e_wait_in_row 3 "Report 1 of 2"
e2e_keys ? Enter # up, with the same text
e2e_wait_in_row 38 "search went on from the bottom"
e2e_wait_in_row 3 "Report 2 of 2"
e2e_keys End # the last page: the oldest report's closing rule above the end
e2e_poll 10 "End did not show the end" e2e_row_is 35 -----
e2e_keys Home d
e2e_wait_in_row 39 "Remove this report from default.hxo? (y/n)"
e2e_keys n
e2e_wait_in_row 38 "Nothing removed."
cmp -s "$WORK/default.hxo" "$WORK/first" && e2e_fail "removed after n"
e2e_keys d y
e2e_wait_in_row 38 "Report removed."
e2e_wait_in_row 3 "Report 1 of 1"
cmp "$WORK/default.hxo" "$WORK/first" || e2e_fail "not the file before the second report"
[ -z "$(find "$WORK" -name 'default.hxo.*')" ] || e2e_fail "a temporary file stayed"
e2e_keys q
e2e_wait "Enter your choice :"
echo PASS
