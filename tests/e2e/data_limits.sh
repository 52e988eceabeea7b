#!/usr/bin/env bash
# Limits: a lair item count out of range ends start-up with status 1; a report
# past ulimit -f fails like a full disk, earlier reports whole; messages to
# standard error wait for the screen to end, each on lines of its own.
. "$(dirname "$0")/lib.sh"

MSG="Cannot write output file! Treasure generation failed. Hit any key."
e2e_setup
for count in 2147483647 -2147483648 99999999999999999999; do
  printf '2\nGood _ 1 0x0\nGreedy _ %s 0x0\n' "$count" >monster.hxi
  e2e_cli <<<'1 | timeout 10 "$HOARDEX_BIN" | monster 2:'
done

printf '1\nKeeper _ 3 0x0\n' >monster.hxi
printf '1\nVault 0 20 20 20 20\n' >area.hxi # coins only: one page
rm setup.hxi
# Earlier reports of 4000 bytes; the limit leaves room for 96 more.
head -c 4000 /dev/zero | tr '\0' x >default.hxo
cp default.hxo earlier
e2e_tmux new-session -d -s t -x 80 -y 26 "cd '$WORK' && clear && ulimit -f 4 &&\
 TERM=screen GCOV_PREFIX='$E2E_COUNTERS' '$HOARDEX_BIN'; echo status=\$?; sleep 600"
e2e_wait "Enter your choice :"
# Without setup.hxi the menu says so once, below the keys, and only there.
e2e_row_is 24 " No saved settings yet: starting with the defaults." ||
  e2e_fail "no note of the missing settings"
e2e_steps <<<"7 -> $MSG"
e2e_row_is 25 " $MSG" || e2e_fail "not on the prompt line"
e2e_row_has 1 "Wyrdmoor Treasure Generator" ||
  e2e_fail "the screen scrolled under the message"
[ "$(e2e_screen | grep -c "Cannot write output file!")" = 1 ] ||
  e2e_fail "the message is on the screen more than once"
cmp -s default.hxo earlier || e2e_fail "the output changed"
e2e_steps <<'STEPS'
Space -> Enter your choice :
q n y -> status=0
STEPS
expected="$MSG
Thank you for using an Ombrel product.

status=0"
[ "$(e2e_screen | sed '/./,$!d' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}')" = "$expected" ] ||
  e2e_fail "the messages and the farewell are not on lines of their own"
