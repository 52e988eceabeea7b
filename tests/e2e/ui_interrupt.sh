#!/usr/bin/env bash
# Ctrl-C at the main menu ends the program with the terminal restored: the
# shell that started it is back in its normal line mode.
. "$(dirname "$0")/lib.sh"

e2e_setup
e2e_tmux new-session -d -s t -x 80 -y 26 "cd '$WORK' && TERM=screen bash --norc --noprofile -i"
# The quotes keep the typed command line from matching the waited-for texts.
e2e_type "PS1='$ '; '$HOARDEX_BIN' 2>/dev/null; echo st''atus=\$?; stty -a >stty.txt; echo fin''ished"
e2e_keys Enter
e2e_wait "Enter your choice :"
e2e_keys C-c
e2e_wait "finished"
e2e_screen | grep -qF "status=130" || e2e_fail "exit status is not 130"
e2e_screen | grep -qF "MAIN MENU" && e2e_fail "the menu is still on the screen"
grep -qE '(^| )icanon( |$)' "$WORK/stty.txt" || e2e_fail "icanon not restored"
grep -qE '(^| )echo( |$)' "$WORK/stty.txt" || e2e_fail "echo not restored"
echo PASS
