#!/usr/bin/env bash
# hoardex run SCRIPT: a hand-written script's report, as text and JSON; a cut
# script prints what was read, names the line and ends with status 1; what
# the report leaves out is warned with its line, --strict makes it status 1.
. "$(dirname "$0")/lib.sh"

e2e_setup
cd "$WORK" || exit 1
printf '%s\n' "1 2 2020" "3 4 5" "[POS: Mill" "[COM: Note" "----------" \
  "4 89 20 30 0 -1" "----------" "MANUAL-GENERATION" "[ A locked chest" "]" \
  "< L1_COINS >" "< L2_GEM LARGE >" "END-OF-SECTION" >hand.hxs
"$HOARDEX_BIN" run hand.hxs --seed 9 >out 2>err || e2e_fail "run failed: $(cat err)"
"$HOARDEX_BIN" run hand.hxs --seed 9 | cmp - out || e2e_fail "one seed, two reports"
sed -n '3p;6,7p;13,15p' out | tr '\n' '|' | grep -qxF \
  "Date       : 1/2/2020|Area       : Ruined Keep|Monster    : Manual generation|Manual Treasure Generation :||A locked chest|" ||
  e2e_fail "report differs: $(cat out)"
[ -s err ] && e2e_fail "stderr for a whole script"

"$HOARDEX_BIN" run hand.hxs --format json | python3 -c '
import json, sys
r = json.load(sys.stdin)
e = r["sections"][0]["entries"]
assert r["lair"] == "Ruined Keep" and r["settings"]["station"] is None
assert e[0] == {"kind": "text", "text": "A locked chest\n"}
assert e[1]["category"] == "coins" and e[2]["keywords"] == ["L2_GEM", "LARGE"]
' || e2e_fail "JSON of a script"

# What the report leaves out is warned with its line, status 0.
sed -e '11s/>/ SHINY >/' -e '12i\\< >' -e '12i\\STRAY' -e '13i\\< L1_MAGIC' hand.hxs >odd.hxs
"$HOARDEX_BIN" run odd.hxs --seed 9 >odd 2>err && grep -qx "A locked chest" odd ||
  e2e_fail "warnings changed the report or the status"
[ "$(cat err)" = "hoardex: odd.hxs:11: warning: unknown word 'SHINY' in an item is ignored
hoardex: odd.hxs:12: warning: an item without a category word gives nothing
hoardex: odd.hxs:13: warning: unknown word 'STRAY' outside an item is ignored
hoardex: odd.hxs:16: warning: an item is not closed before END-OF-SECTION" ] || e2e_fail "warnings: $(cat err)"
"$HOARDEX_BIN" run --strict odd.hxs >/dev/null 2>&1
[ $? = 1 ] && "$HOARDEX_BIN" run --strict hand.hxs >/dev/null || e2e_fail "--strict"

{ head -n 11 hand.hxs && echo "< L1_MAGIC"; } >cut.hxs
"$HOARDEX_BIN" run cut.hxs >out 2>err
[ $? = 1 ] && [ "$(cat err)" = "hoardex: cut.hxs: reading stopped at line 13" ] ||
  e2e_fail "cut script: $(cat err)"
grep -qx "A locked chest" out && [ "$(tail -c 8 out | tr '\n' '|')" = '|-----||' ] ||
  e2e_fail "no partial report"
"$HOARDEX_BIN" run missing.hxs 2>err
[ $? = 1 ] && grep -qF "missing.hxs" err || e2e_fail "missing script"
echo PASS
