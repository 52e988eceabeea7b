#!/usr/bin/env bash
# hoardex check (problems, explanations), stats (writes nothing) and init
# (copies the sample files, keeps those present).
. "$(dirname "$0")/lib.sh"

e2e_setup
cd "$WORK" || exit 1
"$HOARDEX_BIN" check --explain >out || e2e_fail "the sample files fail: $(cat out)"
grep -qxF "  5: Ruined Keep: 1-2 other, 3-4 coins, 5-6 gems and jewelry, 7-9 military, 10 magic; 11 (adding 1) magic" out &&
  grep -qxF " 13: Rubbish Heap: 1-10 other; 11 (adding 1) magic" out &&
  grep -qxF " 32: Gloamkin, Dusk Archmage: 3 lair items, Station + 1 more lair items; no portable treasure; asks Station, MEL, CEL" out &&
  grep -qxF "  4: Gloamkin, Hollow Seer: 1 lair item; portable class 2 with magic items of a magic user, and its text; asks magic-user" out ||
  e2e_fail "explanation: $(cat out)"

printf '3\nA _ 1 0x0\nB _ x 0x0\nC _ 2 0xZZ\n' >monster.hxi
printf '2\nCave 1 2 3 4 5\nPit 1 2\n' >area.hxi
"$HOARDEX_BIN" check >out
[ $? = 1 ] && [ "$(cat out)" = "monster.hxi:3: monster 2 (B): the lair item count 'x' is not a decimal number
monster.hxi:4: monster 3 (C): the special code '0xZZ' is not a 32-bit hexadecimal number
area.hxi:3: area 2 (Pit): the file ends before the gems bound" ] || e2e_fail "problems: $(cat out)"

cp "$HOARDEX_DATA"/monster.hxi "$HOARDEX_DATA"/area.hxi .
before=$(e2e_listing)
"$HOARDEX_BIN" stats --monster rune_mender --lair 1 --mel 9 -n 3000 --seed 3 >text &&
  grep -qxF "  items: mean 10.00, 10% 10, 50% 10, 90% 10, max 10" text &&
  [ "$(e2e_listing)" = "$before" ] || e2e_fail "stats: $(cat text)"

STAGE=$(mktemp -d)
DESTDIR="$STAGE" cmake --install "$HOARDEX_BUILD" --prefix /opt/hx >/dev/null ||
  e2e_fail "install"
mkdir "$STAGE/camp" && cd "$STAGE/camp" && echo mine >area.hxi
"$STAGE/opt/hx/bin/hoardex" init >out || e2e_fail "init failed"
grep -qx "kept area.hxi (already here)" out && [ "$(cat area.hxi)" = mine ] &&
  cmp monster.hxi "$HOARDEX_DATA/monster.hxi" && cmp setup.hxi "$HOARDEX_DATA/setup.hxi" ||
  e2e_fail "init: $(cat out)"
echo PASS
