#!/usr/bin/env bash
# Menu key R shows the output file's reports newest first: a missing file is
# said to be so; Down/Up, PgDn/PgUp, n/p and / move through the reports; q
# returns; the file is never written.
. "$(dirname "$0")/lib.sh"

report() {  # name, lines: a report as the program writes it
  printf -- '-%.0s' $(seq 75); printf '\n\nMonster    : %s\n' "$1"
  for i in $(seq "$2"); do printf '%s line %d\n' "$1" "$i"; done
  printf -- '-----\n\n'
}
row() { e2e_screen | sed -n "$(($1 + 1))p"; }

e2e_setup
e2e_start
e2e_wait "Enter your choice :"
e2e_keys R
e2e_wait "No reports yet: default.hxo does not exist."
e2e_keys x
e2e_wait "Enter your choice :"
{ report Alpha 3; echo "Silver ring on a chain"; report Beta 30; report Gamma 2; } >"$WORK/default.hxo"
cp -p "$WORK/default.hxo" "$WORK/before"

e2e_keys r
e2e_wait "EARLIER REPORTS IN default.hxo, NEWEST FIRST"
[ "$(row 7)" = "Monster    : Gamma" ] || e2e_fail "the newest report is not first"
e2e_wait "Beta line 8"
e2e_keys n
e2e_wait "Beta line 15"
[ "$(row 7)" = "Monster    : Beta" ] || e2e_fail "n did not go to Beta"
e2e_keys NPage
e2e_wait "Beta line 30"
[ "$(row 5)" = "Beta line 16" ] || e2e_fail "PgDn did not scroll a page"
e2e_keys Down
e2e_wait_gone "Beta line 16"
e2e_keys Up PPage
e2e_wait "Monster    : Beta"
e2e_keys p
e2e_wait "Monster    : Gamma"
e2e_keys / S i l v e r x BSpace Space r Enter
e2e_wait "Silver ring on a chain"
[ "$(row 5)" = "Silver ring on a chain" ] || e2e_fail "the search did not find the line"
e2e_type "/Platinum"
e2e_keys Enter
e2e_wait "Not found below: Platinum"
e2e_keys q
e2e_wait "Enter your choice :"
cmp -s "$WORK/default.hxo" "$WORK/before" &&
  [ "$(stat -c %Y "$WORK/default.hxo")" = "$(stat -c %Y "$WORK/before")" ] ||
  e2e_fail "default.hxo was written"
echo PASS
