#!/usr/bin/env bash
# The real screen under a UTF-8 locale: UTF-8 names in their columns, the
# viewer refusing a FIFO at once, and Ctrl-Z then fg in the viewer with the
# cursor keys working again.
. "$(dirname "$0")/lib.sh"

export LANG=C.UTF-8
unset LC_ALL LC_CTYPE
e2e_setup
printf '2\nÉsprit_Dragón Nébuleuse 0 0x0\nGrunt _ 0 0x0\n' >"$WORK/monster.hxi"
e2e_shell 80 26 LANG=C.UTF-8

e2e_type "'$HOARDEX_BIN'"
e2e_keys Enter
e2e_wait "Enter your choice :"
e2e_wait_row 5 "  1: Select a monster           Monster         : Nébuleuse, Ésprit Dragón"
e2e_keys 1
e2e_wait_row 5 "  1: Nébuleuse, Ésprit Dragón       2: Grunt"
e2e_keys Escape
e2e_wait "Enter your choice :"

mkfifo "$WORK/default.hxo"
e2e_keys R
e2e_wait "Cannot read default.hxo: not a regular file."
e2e_keys x
e2e_wait "Enter your choice :"
rm "$WORK/default.hxo"

e2e_keys 7
e2e_wait "Hit any key to continue."
e2e_keys x
e2e_wait "Enter your choice :"
e2e_keys R
e2e_wait "Monster    : Nébuleuse, Ésprit Dragón"
e2e_wait_row 5 "$(printf '%075d' 0 | tr 0 -)"
e2e_keys C-z
e2e_wait "Stopped"
e2e_type fg
e2e_keys Enter
e2e_wait "EARLIER REPORTS"
e2e_keys Down # read as Escape, it would return to the menu
e2e_wait_row 5 ""
e2e_wait "Date       :"
e2e_hides "Enter your choice :" || e2e_fail "Down after fg left the viewer"
e2e_keys q
e2e_wait "Enter your choice :"
echo PASS
