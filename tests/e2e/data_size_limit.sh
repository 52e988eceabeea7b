#!/usr/bin/env bash
# A file size limit (ulimit -f) reached while a report is appended: the
# generation is reported as failed like on a full disk, the earlier reports
# stay whole with nothing of the new one after them, and the program goes
# on; it is not ended by the size-limit signal with a partial report in the
# file and the terminal left raw.
. "$(dirname "$0")/lib.sh"

MSG="Cannot write output file! Treasure generation failed. Hit any key."

e2e_setup
# 300 lair items of coins: a report of several kilobytes.
printf '1\nHoard_Keeper _ 300 0x0\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
# Earlier reports of 3000 bytes; the limit leaves room for 1096 more.
head -c 3000 /dev/zero | tr '\0' 'x' >"$WORK/default.hxo"
cp "$WORK/default.hxo" "$WORK/earlier"
e2e_tmux new-session -d -s t -x 80 -y 26 \
  "cd '$WORK' && ulimit -f 4 && TERM=screen '$HOARDEX_BIN' 2>'$WORK/.stderr'; echo \$? >'$WORK/.status'; sleep 600"
e2e_wait "Enter your choice :"
e2e_keys 7
end=$((SECONDS + 60))
until e2e_screen | grep -qF "$MSG"; do
  [ -s "$WORK/.status" ] &&
    e2e_fail "the program ended with status $(cat "$WORK/.status")"
  [ $SECONDS -le $end ] || e2e_fail "no failure message"
  screen=$(e2e_screen)
  if grep -qF "Hit any key to continue." <<<"$screen"; then
    e2e_keys Space
    wait_end=$((SECONDS + 3))
    while [ "$(e2e_screen)" = "$screen" ] && [ $SECONDS -le $wait_end ]; do
      sleep 0.05
    done
  fi
done
cmp -s "$WORK/default.hxo" "$WORK/earlier" ||
  e2e_fail "the output file changed: $(stat -c %s "$WORK/default.hxo") bytes"
e2e_keys Space
e2e_wait "Enter your choice :"
e2e_keys q n y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
echo PASS
