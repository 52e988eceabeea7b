#!/usr/bin/env bash
# Hand-edited files with the largest and smallest integers, in the real
# program: a lair item count outside 0 to 999 is a malformed monster entry
# (a message naming it, exit status 1, no screen), 999 itself is taken, and
# settings far outside their ranges come up at the nearest bound.
. "$(dirname "$0")/lib.sh"

e2e_setup
run_here() {
  (cd "$WORK" && "$HOARDEX_BIN" >"$WORK/out" 2>"$WORK/err" </dev/null)
  echo $?
}

for count in 2147483647 -2147483648 1000 -1 99999999999999999999999; do
  printf '2\nGood _ 1 0x0\nGreedy _ %s 0x0\n' "$count" >"$WORK/monster.hxi"
  [ "$(run_here)" = 1 ] || e2e_fail "lair count $count: exit status is not 1"
  grep -qF "monster.hxi: monster 2:" "$WORK/err" ||
    e2e_fail "lair count $count: message does not name the entry: $(cat "$WORK/err")"
  [ -s "$WORK/out" ] && e2e_fail "lair count $count: the screen was started"
done

printf '1\nGreedy _ 999 0x0\n' >"$WORK/monster.hxi"
printf 'default\n2147483647 -2147483648 2147483647 -2147483648 2147483647\n' \
  >"$WORK/setup.hxi"
printf '2147483647 -2147483648 2147483647 -1\n' >>"$WORK/setup.hxi"
printf '2147483647 -2147483648 2147483647\n' >>"$WORK/setup.hxi"
e2e_start
e2e_wait "Enter your choice :"
e2e_wait "Monster         : Greedy"
e2e_wait "Creature CDF    : 99"
e2e_wait "Group's CDF     : 1"
e2e_wait "Jeweler EL      : 80"
e2e_wait "Game date       : 99/1/9999"
# Saved as they stand now.
e2e_keys q y
e2e_wait "Do you want to exit the program?"
e2e_keys y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
[ "$(sed -n 2p "$WORK/setup.hxi")" = "0 0 99 1 80" ] ||
  e2e_fail "saved settings: $(cat "$WORK/setup.hxi")"
[ "$(sed -n 4p "$WORK/setup.hxi")" = "99 1 9999" ] ||
  e2e_fail "saved game date: $(sed -n 4p "$WORK/setup.hxi")"
echo PASS
