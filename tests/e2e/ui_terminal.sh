#!/usr/bin/env bash
# Below 80x26 the program asks for a larger window and acts on no key, at
# start-up and mid-run; Ctrl-C ends it with status 130 and the shell that
# started it back in its normal line mode.
. "$(dirname "$0")/lib.sh"

e2e_setup
e2e_tmux new-session -d -s t -x 70 -y 20 "cd '$WORK' && TERM=screen bash --norc --noprofile -i"
# The quotes keep the typed command line from matching the waited-for texts.
e2e_type "PS1='$ '; '$HOARDEX_BIN' 2>/dev/null; echo st''atus=\$?; stty -a >stty.txt; echo fin''ished"
e2e_keys Enter
e2e_wait "Please enlarge the window to at least 80x26."
e2e_keys q
sleep 0.3
e2e_tmux resize-window -t t -x 80 -y 26
e2e_wait "Enter your choice :"
e2e_keys 1
e2e_wait "SELECT MONSTER"
e2e_tmux resize-window -t t -x 80 -y 24
e2e_wait "Please enlarge the window to at least 80x26."
e2e_tmux resize-window -t t -x 80 -y 26
e2e_wait "Ashen Crawler"
e2e_keys C-c
e2e_wait "finished"
e2e_screen | grep -qF "status=130" || e2e_fail "exit status is not 130"
e2e_screen | grep -qF "SELECT MONSTER" && e2e_fail "the program's screen is still shown"
grep -qE '(^| )icanon( |$)' "$WORK/stty.txt" || e2e_fail "icanon not restored"
grep -qE '(^| )echo( |$)' "$WORK/stty.txt" || e2e_fail "echo not restored"
echo PASS
