#!/usr/bin/env bash
# Messages for the standard error stream with that stream on the terminal of
# the screen: the notice of a missing setup.hxi and a failed output file are
# not written over the screen; once the program has ended they stand, each on
# lines of their own, above the farewell.
. "$(dirname "$0")/lib.sh"

e2e_setup
rm "$WORK/setup.hxi"
mkdir "$WORK/default.hxo" # no output file can be written there
e2e_tmux new-session -d -s t -x 80 -y 26 \
  "cd '$WORK' && clear && TERM=screen '$HOARDEX_BIN'; echo status=\$?; sleep 600"
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Cannot write output file!"
e2e_screen | sed -n 2p | grep -q "Wyrdmoor Treasure Generator" ||
  e2e_fail "the screen scrolled under the message"
[ "$(e2e_screen | grep -c "Cannot write output file!")" = 1 ] ||
  e2e_fail "the message is on the screen more than once"
e2e_keys x
e2e_wait "Enter your choice :"
e2e_keys q n y
e2e_wait "status=0"
expected="Cannot open setup information file!
Make sure 'setup.hxi' is in current directory.
Cannot write output file! Treasure generation failed. Hit any key.
Thank you for using an Ombrel product.

status=0"
[ "$(e2e_screen | sed '/./,$!d' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}')" = "$expected" ] ||
  e2e_fail "the messages and the farewell are not on lines of their own"
echo PASS
