#!/usr/bin/env bash
# The terminal is given back as it was found on every way out: leaving from
# the menu, Ctrl-C at a page pause of a generation (the earlier reports
# stay whole and nothing of the interrupted one is written), SIGTERM in the
# monster list, SIGHUP at the menu, Ctrl-C while the window is too small,
# and a missing monster file before the screen starts. Each run is started
# from an interactive shell that compares its terminal settings before and
# after.
. "$(dirname "$0")/lib.sh"

e2e_setup
printf '1\nHoard_Keeper _ 40 0x0\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
mkdir "$WORK/empty"
e2e_tmux new-session -d -s t -x 80 -y 26 \
  "cd '$WORK' && TERM=screen bash --norc --noprofile -i"
e2e_type "PS1='$ '"
e2e_keys Enter

# Starts the program from the shell; its process id lands in .pid. Once it
# ends the shell prints "<name>:st=<status>" and "<name>:tty=same" when the
# terminal settings are what they were before. The quotes keep the typed
# line from matching what the test waits for.
run_case() {
  local name=$1 dir=${2:-.}
  rm -f "$WORK/.pid"
  e2e_tmux send-keys -t t -l "clear; stty -g >'$WORK/.before'; (cd $dir &&\
 bash -c 'echo \$\$ >\"$WORK/.pid\"; exec \"\$0\"' '$HOARDEX_BIN'\
 2>>'$WORK/.stderr'); echo $name:s''t=\$?; stty -g >'$WORK/.after';\
 cmp -s '$WORK/.before' '$WORK/.after' && echo $name:t''ty=same"
  e2e_keys Enter
}

# Waits for the shell's verdict on a run: the exit status and the terminal.
expect_end() {
  local name=$1 status=$2
  e2e_wait "$name:st=" 15
  e2e_screen | grep -qF "$name:st=$status" ||
    e2e_fail "$name: exit status is not $status"
  e2e_wait "$name:tty=same" 5
  e2e_screen | grep -qF "MAIN MENU" && e2e_fail "$name: the menu stayed"
  return 0
}

wait_pid() {
  local end=$((SECONDS + 10))
  until [ -s "$WORK/.pid" ]; do
    [ $SECONDS -le $end ] || e2e_fail "no process id"
    sleep 0.05
  done
  cat "$WORK/.pid"
}

# Presses a key at every pause until the main menu is back.
page_to_menu() {
  local end=$((SECONDS + 30)) screen
  until e2e_screen | grep -qF "Enter your choice :"; do
    [ $SECONDS -le $end ] || e2e_fail "the generation did not end"
    screen=$(e2e_screen)
    if grep -qF "Hit any key to continue." <<<"$screen"; then
      e2e_keys Space
      local wait_end=$((SECONDS + 3))
      while [ "$(e2e_screen)" = "$screen" ] && [ $SECONDS -le $wait_end ]; do
        sleep 0.05
      done
    fi
  done
}

# Leaving through the menu: status 0 and the farewell.
run_case quit
e2e_wait "Enter your choice :"
e2e_keys q n y
expect_end quit 0
e2e_wait "Thank you for using an Ombrel product."

# Ctrl-C at the first pause of a second generation.
run_case pause
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue."
page_to_menu
cp "$WORK/default.hxo" "$WORK/earlier.hxo"
e2e_keys 7
e2e_wait "Hit any key to continue."
e2e_keys C-c
expect_end pause 130
cmp -s "$WORK/default.hxo" "$WORK/earlier.hxo" ||
  e2e_fail "the output changed after Ctrl-C during a generation"
grep -c "^---------------------------------------------------------------------------$" \
  "$WORK/default.hxo" | grep -qx 1 || e2e_fail "expected the one earlier report"

# SIGTERM while the monster list waits for a number.
run_case term
e2e_wait "Enter your choice :"
e2e_keys 1
e2e_wait "SELECT MONSTER"
kill -TERM "$(wait_pid)"
expect_end term 143

# SIGHUP at the menu.
run_case hup
e2e_wait "Enter your choice :"
kill -HUP "$(wait_pid)"
expect_end hup 129

# Ctrl-C while the window is too small for the screen.
run_case small
e2e_wait "Enter your choice :"
e2e_tmux resize-window -t t -x 70 -y 20
e2e_wait "Please enlarge the window to at least 80x26."
e2e_keys C-c
expect_end small 130
e2e_tmux resize-window -t t -x 80 -y 26

# No monster file: the screen is never started.
run_case missing "'$WORK/empty'"
expect_end missing 1
grep -qF "Cannot open monster information file!" "$WORK/.stderr" ||
  e2e_fail "no message for the missing monster file"
echo PASS
