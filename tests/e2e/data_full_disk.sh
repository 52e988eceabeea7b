#!/usr/bin/env bash
# A disk that fills up: the program runs in a small memory file system of
# its own (a private mount namespace), writes one report, then the disk is
# filled. The next generation is reported as failed and the earlier report
# stays whole, with nothing of the new one after it; saving the settings
# fails on the prompt line and leaves setup.hxi whole. Once space is freed,
# generation works again.
. "$(dirname "$0")/lib.sh"

MSG="Cannot write output file! Treasure generation failed. Hit any key."
SAVE_MSG="Cannot save current settings! Hit any key."

if ! unshare -m true 2>/dev/null; then
  echo "SKIP: no private mount namespace here (unshare -m needs root)"
  exit 0
fi

e2e_setup
mkdir "$WORK/disk" "$WORK/files"
# One monster with 300 lair items, in a lair of coins only: each report is
# well over a page of the file system.
printf '1\nHoard_Keeper _ 300 0x0\n' >"$WORK/files/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/files/area.hxi"
printf 'default\n0 0 12 40 7\n0 0 0 0\n1 1 1\n' >"$WORK/files/setup.hxi"
e2e_tmux new-session -d -s t -x 80 -y 26 \
  "unshare -m bash -c 'mount --make-rprivate / &&
     mount -t tmpfs -o size=256k hoardex \"$WORK/disk\" &&
     cp \"$WORK\"/files/*.hxi \"$WORK/disk\"/ && cd \"$WORK/disk\" &&
     echo \$\$ >\"$WORK/.pid\" &&
     TERM=screen exec \"$HOARDEX_BIN\" 2>\"$WORK/.stderr\"'
   echo \$? >'$WORK/.status'; sleep 600"
e2e_wait "Enter your choice :"
pid=$(cat "$WORK/.pid")
disk="/proc/$pid/cwd" # the program's folder, seen from outside its namespace
[ -f "$disk/monster.hxi" ] || e2e_fail "cannot see the program's folder"

# Presses a key at every pause until the main menu is back.
page_to_menu() {
  local end=$((SECONDS + 60)) screen
  until e2e_screen | grep -qF "Enter your choice :"; do
    [ $SECONDS -le $end ] || e2e_fail "the generation did not end"
    screen=$(e2e_screen)
    if grep -qF "$MSG" <<<"$screen"; then return 0; fi
    if grep -qF "Hit any key to continue." <<<"$screen"; then
      e2e_keys Space
      local wait_end=$((SECONDS + 3))
      while [ "$(e2e_screen)" = "$screen" ] && [ $SECONDS -le $wait_end ]; do
        sleep 0.05
      done
    fi
  done
}

e2e_keys 7
e2e_wait "Hit any key to continue."
page_to_menu
cp "$disk/default.hxo" "$WORK/earlier.hxo"
[ "$(grep -c '^[0-9]* [A-Za-z ]*$' "$WORK/earlier.hxo")" -ge 300 ] ||
  e2e_fail "the first report is not whole"

# Fill the disk.
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null
[ "$(stat -f -c %a "$disk/")" = 0 ] ||
  e2e_fail "the disk did not fill"

e2e_keys 7
page_to_menu
e2e_wait "$MSG"
[ "$(e2e_screen | sed -n 26p)" = " $MSG" ] ||
  e2e_fail "the message is not on the prompt line"
grep -qF "$MSG" "$WORK/.stderr" || e2e_fail "no message on the error stream"
cmp -s "$disk/default.hxo" "$WORK/earlier.hxo" ||
  e2e_fail "the earlier report changed when the disk was full"
e2e_keys Space
e2e_wait "Enter your choice :"

# Saving the settings on the full disk.
e2e_keys 3
e2e_type 55
e2e_keys Enter
e2e_wait ": 55"
e2e_keys q y
e2e_wait "$SAVE_MSG"
cmp -s "$disk/setup.hxi" "$WORK/files/setup.hxi" ||
  e2e_fail "a failed save changed setup.hxi"
[ "$(ls -A "$disk/" | grep -c '\.tmp$')" = 0 ] ||
  e2e_fail "a temporary settings file was left"
e2e_keys Space
e2e_wait "Enter your choice :"

# Room again: the next report follows the earlier one, and the settings
# are saved.
rm "$disk/filler"
e2e_keys 7
e2e_wait "Hit any key to continue."
page_to_menu
cmp -s -n "$(stat -c %s "$WORK/earlier.hxo")" "$disk/default.hxo" \
  "$WORK/earlier.hxo" || e2e_fail "the earlier report changed"
[ "$(grep -c '^---------------------------------------------------------------------------$' \
  "$disk/default.hxo")" = 2 ] || e2e_fail "expected two whole reports"
e2e_keys q y
e2e_wait "Do you want to exit the program?"
grep -q '^0 0 55 40 7$' "$disk/setup.hxi" || e2e_fail "the settings were not saved"
e2e_keys y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
echo PASS
