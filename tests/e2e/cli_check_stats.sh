#!/usr/bin/env bash
# hoardex check (problems, explanations), stats (text, CSV, JSON, writes
# nothing) and init (copies the sample files, keeps those present).
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
  "$HOARDEX_BIN" stats --monster rune_mender --lair 1 --mel 9 -n 3000 --seed 3 --format json >json &&
  "$HOARDEX_BIN" stats --monster 'cellar ooze' --lair 'rubbish heap' -n 500 --format csv >csv ||
  e2e_fail "stats failed"
[ "$(e2e_listing)" = "$before" ] || e2e_fail "stats changed the folder"
grep -qxF "  items: mean 10.00, 10% 10, 50% 10, 90% 10, max 10" text &&
  [ "$(awk 'length > 80' text)" = "" ] || e2e_fail "text: $(cat text)"
python3 - json csv <<'PY' || e2e_fail "stats JSON or CSV"
import csv, json, sys
s = json.load(open(sys.argv[1]))
lair, port = s["lair"], s["portable"]
assert s["generations"] == 3000 and lair["histogram"][10] == 3000
assert abs(sum(lair["category_share"].values()) - 1) < 1e-9
assert 0 < lair["magic_share"] < 1 and sum(lair["coins_per_hoard"].values()) > 0
assert port["items"]["max"] == 0 and port["category_share"] == {}  # none
rows = {(r["section"], r["measure"], r["key"]): r["value"] for r in csv.DictReader(open(sys.argv[2]))}
assert rows[("lair", "category_share", "other")] == "1.0000"
assert rows[("lair", "histogram", "1")] == "500"
PY

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
"$STAGE/hoardex" </dev/null >out 2>err
[ $? = 1 ] && [ "$(wc -l <err)" = 2 ] || e2e_fail "hint without sample files: $(cat err)"
echo PASS
