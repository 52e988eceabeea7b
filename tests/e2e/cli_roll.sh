#!/usr/bin/env bash
# hoardex roll: with one seed, the bytes of keys 7, 7 on the screen; only
# --append writes; every command has its help.
. "$(dirname "$0")/lib.sh"

e2e_setup
cd "$WORK" || exit 1
printf 'default\n2 4 30 40 12\n0 0 0 0\n3 4 1021\n' >setup.hxi
before=$(e2e_listing)
"$HOARDEX_BIN" roll --seed 42 --count 2 >rolled || e2e_fail "roll failed"
[ "$(e2e_listing)" = "$before" ] ||
  e2e_fail "roll changed the folder"
grep -qx "Monster    : Mirewight, Mire Hag" rolled &&
  [ "$(grep -c '^Date       : ' rolled)" = 2 ] || e2e_fail "not two reports for setup.hxi"

e2e_start 80 26 "--seed 42"
for press in 1 2; do
  e2e_wait "Enter your choice :"
  e2e_keys 7
  e2e_wait "Hit any key to continue."
  for _ in 1 2 3 4 5 6; do
    e2e_screen | grep -qF "MAIN MENU" && break
    e2e_keys Space
    sleep 0.3
  done
done
e2e_wait "MAIN MENU"
e2e_keys q n y
e2e_wait_exit
cmp rolled default.hxo || e2e_fail "roll and key 7 differ"

"$HOARDEX_BIN" roll --seed 42 --count 2 --append >/dev/null &&
  [ "$(cat rolled rolled)" = "$(cat default.hxo)" ] || e2e_fail "--append differs"

for command in "" roll run check stats init; do
  "$HOARDEX_BIN" $command --help | grep -q "^Usage:" || e2e_fail "no help for '$command'"
done
[ "$("$HOARDEX_BIN" --version)" = "hoardex 1.0" ] || e2e_fail "version"
echo PASS
