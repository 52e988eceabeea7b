#!/usr/bin/env bash
# hoardex roll: with one seed, the bytes of keys 7, 7 on the screen; only
# --append writes; every command has its help; names by a part, the settings
# used, unused options warned.
. "$(dirname "$0")/lib.sh"

e2e_setup
printf 'default\n2 4 30 40 12\n0 0 0 0\n3 4 1021\n' >setup.hxi
before=$(e2e_listing)
hx roll --seed 42 --count 2 >rolled || e2e_fail "roll failed"
[ "$(e2e_listing)" = "$before" ] ||
  e2e_fail "roll changed the folder"
grep -qx "Monster    : Mirewight, Mire Hag" rolled &&
  [ "$(grep -c '^Date       : ' rolled)" = 2 ] || e2e_fail "not two reports for setup.hxi"

e2e_start 80 26 "--seed 42"
for press in 1 2; do
  e2e_steps <<<'7 -> Hit any key to continue.'
  until e2e_shows "MAIN MENU"; do # a page a Space, each awaited
    page=$(e2e_screen)
    e2e_keys Space
    e2e_poll 10 "no page after Space" eval '[ "$(e2e_screen)" != "$page" ]'
  done
done
e2e_quit
cmp rolled default.hxo || e2e_fail "roll and key 7 differ"

hx roll --seed 42 --count 2 --append >/dev/null &&
  [ "$(cat rolled rolled)" = "$(cat default.hxo)" ] || e2e_fail "--append differs"

# A part of one name is enough; the settings used and the options the
# monster does not ask for are said on standard error.
e2e_cli <<'CASES'
0 | hx roll --monster dusk --lair WIZARD --station 4 --yes king,others --cel 3 --verbose --seed 1 >/dev/null | =hoardex: warning: --yes others: Gloamkin, Dusk Archmage does not ask for it; it changes nothing\nhoardex: warning: --yes king: Gloamkin, Dusk Archmage does not ask for it; it changes nothing\nMonster: 32 Gloamkin, Dusk Archmage\nLair: 11 Wizard Tower\nSettings: CDF 30, group CDF 40, jeweler's EL 12, Station 4, MEL 0, CEL 3\nSeed: 1
0 | hx stats -n 3 --monster 'mire hag' | head -4 | =Monster: 3 Mirewight, Mire Hag\nLair: 5 Ruined Keep\nSettings: CDF 30, group CDF 40, jeweler's EL 12, yes: none
0 | hx --version | =hoardex 1.0
CASES
hx roll --monster 1 --station 2 --mel 1 2>&1 >/dev/null |
  grep -c "does not ask for it" | grep -qx 2 || e2e_fail "no warning for --station, --mel"
for command in "" roll run check stats init list export; do
  hx $command --help | grep -q "^Usage:" || e2e_fail "no help for '$command'"
done
hx stats --help | grep -q "CDF (1 to 99): the kind of coins, higher" ||
  e2e_fail "the options' help does not say what the numbers do"
