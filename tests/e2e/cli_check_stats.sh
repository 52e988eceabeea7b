#!/usr/bin/env bash
# hoardex check (explanations of the sample files), stats (writes nothing) and init
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
# From its build folder the program copies the sources' data/; a copy of it
# elsewhere finds no sample files: init fails and the hint is left out.
mkdir "$STAGE/fresh" && cd "$STAGE/fresh"
"$HOARDEX_BIN" init >out && cmp setup.hxi "$HOARDEX_DATA/setup.hxi" &&
  grep -qx "copied monster.hxi from $HOARDEX_DATA" out || e2e_fail "init from the build: $(cat out)"
cp "$HOARDEX_BIN" "$STAGE/hoardex" && mkdir "$STAGE/lone" && cd "$STAGE/lone"
"$STAGE/hoardex" init >out 2>err
[ $? = 1 ] && [ ! -e monster.hxi ] && grep -q "cannot find the sample files" err ||
  e2e_fail "init without sample files: $(cat out err)"
# The program without monster.hxi: status 1, the message alone (no folder to
# hint at), nothing on standard output.
"$STAGE/hoardex" </dev/null >out 2>err
[ $? = 1 ] && [ ! -s out ] && [ "$(cat err)" = "Cannot open monster information file!
Make sure 'monster.hxi' is in current directory." ] || e2e_fail "no monster.hxi: $(cat out err)"
echo PASS
