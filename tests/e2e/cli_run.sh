#!/usr/bin/env bash
# hoardex run SCRIPT: a hand-written script's report; a cut
# script prints what was read, names the line and ends with status 1.
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

{ head -n 11 hand.hxs && echo "< L1_MAGIC"; } >cut.hxs
"$HOARDEX_BIN" run cut.hxs >out 2>err
[ $? = 1 ] && [ "$(cat err)" = "hoardex: cut.hxs: reading stopped at line 13" ] ||
  e2e_fail "cut script: $(cat err)"
grep -qx "A locked chest" out && [ "$(tail -c 8 out | tr '\n' '|')" = '|-----||' ] ||
  e2e_fail "no partial report"
echo PASS
