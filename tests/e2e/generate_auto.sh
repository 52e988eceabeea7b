#!/usr/bin/env bash
# Without monster.hxi: status 1, its message and the hint. Key "7" pauses
# after 18 lines, appends the report after the last page; "q y y" saves.
# Output to a file is refused in one line.
. "$(dirname "$0")/lib.sh"

same() { [ "$(od -c <"$1")" = "$(printf '%s' "$2" | od -c)" ] || e2e_fail "$1 holds: $(cat "$1")"; }
e2e_setup
rm "$WORK/setup.hxi" "$WORK/monster.hxi"
(cd "$WORK" && "$HOARDEX_BIN" >out 2>err </dev/null)
[ $? = 1 ] || e2e_fail "exit status is not 1 without monster.hxi"
same <(sed 3d "$WORK/err") $'Cannot open monster information file!\nMake sure \'monster.hxi\' is in current directory.\n'
sed -n 3p "$WORK/err" | grep -qx "The sample files are in /.*; 'hoardex init' copies them here." ||
  e2e_fail "no hint after the message: $(cat "$WORK/err")"
same "$WORK/out" ""
# 12 lair items and Station 0 + 1 more, in a lair that gives coins only.
printf '1\nTusk_Brute Orc 12 0x4\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
report="$WORK/default.hxo"
coins() { grep -cxE "[0-9]+ ($1)"; }
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue."
# Headings and the notice take 8 lines, then 10 coins fill the first page.
[ "$(e2e_screen | sed -n 6,25p | coins 'Brass Bits')" = 10 ] ||
  e2e_fail "the first page does not end after 18 lines"
[ -s "$report" ] && e2e_fail "report written before the last page"
e2e_keys Space Space
e2e_wait "MAIN MENU"
[ "$(sed -n '1,7p;13p;15p;19p' "$report" | tr '\n' '|')" = "$(printf '%075d' 0 | tr 0 -)||Date       : $(date +%-d/%-m/%Y)|Game date  : 1/1/1|Position   : |Area       : Deep Cave|Monster    : Orc, Tusk Brute|Portable treasure :|Monster has no portable treasure.|Treasure in lair  :|" ] ||
  e2e_fail "report header differs"
[ "$(sed -n 21,33p "$report" | coins 'Brass Bits')" = 13 ] &&
  [ "$(tail -n +34 "$report")" = "$(printf '\n-----\n')" ] ||
  e2e_fail "expected 13 coin lines and the closing rule"

e2e_keys q y y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
e2e_wait "Thank you for using an Ombrel product."
# With its output not a terminal the screen program refuses in one line.
(cd "$WORK" && "$HOARDEX_BIN" >out 2>err </dev/null)
[ $? = 1 ] && [ ! -s "$WORK/out" ] && [ "$(wc -l <"$WORK/err")" = 1 ] &&
  grep -q "needs a terminal as its standard output; 'hoardex --help'" "$WORK/err" ||
  e2e_fail "output to a file was not refused: $(cat "$WORK/err")"
same "$WORK/setup.hxi" $'default\n0 0 1 1 0\n0 0 0 0\n1 1 1\n'
echo PASS
