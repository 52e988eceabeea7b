#!/usr/bin/env bash
# Output files that cannot be written, in the real program: a folder named
# like the output file, an output file that is a link to a full device, and
# a read-only folder. Each is reported on the prompt line and the standard
# error stream, the program goes back to the menu and carries on, and in
# the read-only folder the settings file is left as it was when saving
# fails.
. "$(dirname "$0")/lib.sh"

MSG="Cannot write output file! Treasure generation failed. Hit any key."
SAVE_MSG="Cannot save current settings! Hit any key."

e2e_setup
readonly_dir() {
  if [ "$(id -u)" -ne 0 ]; then
    chmod a-w "$WORK"
  else
    # Folder permissions do not stop root; the immutable flag does.
    chattr +i "$WORK" 2>/dev/null
  fi
}
writable_dir() {
  [ "$(id -u)" -ne 0 ] && chmod u+w "$WORK"
  [ "$(id -u)" -eq 0 ] && chattr -i "$WORK" 2>/dev/null
  return 0
}
trap 'writable_dir; e2e_cleanup' EXIT

# Generates with key "7", expects the failure message, then a key takes the
# program back to the menu.
expect_failure() {
  e2e_keys 7
  e2e_wait "$MSG"
  [ "$(e2e_screen | sed -n 26p)" = " $MSG" ] ||
    e2e_fail "the message is not on the prompt line"
  e2e_keys Space
  e2e_wait "Enter your choice :"
}

set_output() {
  e2e_keys f
  e2e_wait "Enter the output filename"
  e2e_type "$1"
  e2e_keys Enter
  e2e_wait "$1.hxo"
}

mkdir "$WORK/default.hxo"
ln -s /dev/full "$WORK/full.hxo"
e2e_start
e2e_wait "Enter your choice :"

# A folder in place of the output file.
expect_failure
[ -d "$WORK/default.hxo" ] && [ -z "$(ls -A "$WORK/default.hxo")" ] ||
  e2e_fail "the folder in place of the output was changed"

# A full device behind the output name.
set_output full
expect_failure

# A read-only folder: the script can be rewritten (it exists), the output
# cannot be made.
set_output ro
skipped_ro=""
if readonly_dir && ! touch "$WORK/.probe" 2>/dev/null; then
  expect_failure
  [ -e "$WORK/ro.hxo" ] && e2e_fail "an output file appeared"
  cp "$WORK/setup.hxi" "$WORK/../setup.hxi.$$"
  e2e_keys q y
  e2e_wait "$SAVE_MSG"
  e2e_keys Space
  e2e_wait "Enter your choice :"
  cmp -s "$WORK/setup.hxi" "$WORK/../setup.hxi.$$" ||
    e2e_fail "a failed save changed setup.hxi"
  rm -f "$WORK/../setup.hxi.$$"
  [ "$(ls -A "$WORK" | grep -c '\.tmp$')" = 0 ] ||
    e2e_fail "a temporary settings file was left"
  writable_dir
else
  writable_dir
  skipped_ro="SKIP read-only folder: this system cannot make one for $(id -un)"
fi

e2e_keys q n y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
expected=$([ -z "$skipped_ro" ] && echo 3 || echo 2)
[ "$(grep -o "$MSG" "$WORK/.stderr" | wc -l)" = "$expected" ] ||
  e2e_fail "expected the message $expected times on the error stream"
[ -n "$skipped_ro" ] && echo "$skipped_ro"
echo PASS
