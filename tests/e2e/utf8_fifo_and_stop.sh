#!/usr/bin/env bash
# The real screen under a UTF-8 locale: UTF-8 names in their columns, the
# viewer refusing a FIFO at once, and Ctrl-Z then fg in the viewer with the
# cursor keys working again.
. "$(dirname "$0")/lib.sh"

export LANG=C.UTF-8
unset LC_ALL LC_CTYPE
e2e_setup
printf '2\nÉsprit_Dragón Nébuleuse 0 0x0\nGrunt _ 0 0x0\n' >monster.hxi
mkfifo default.hxo
e2e_shell 80 26 LANG=C.UTF-8
e2e_type "'$HOARDEX_BIN'"
# A Down read as Escape after fg would return to the menu.
e2e_steps <<'STEPS'
Enter -> Enter your choice :
-> @5=  1: Select a monster           Monster         : Nébuleuse, Ésprit Dragón
1 -> @5=  1: Nébuleuse, Ésprit Dragón       2: Grunt
Escape -> Enter your choice :
R -> Cannot read default.hxo: not a regular file.
x -> Enter your choice :
STEPS
rm default.hxo
e2e_steps <<'STEPS'
7 -> Hit any key to continue.
x -> Enter your choice :
R -> Monster    : Nébuleuse, Ésprit Dragón
-> @5=---------------------------------------------------------------------------
C-z -> Stopped
=fg Enter -> EARLIER REPORTS
Down -> @5=
-> Date       :
STEPS
e2e_hides "Enter your choice :" || e2e_fail "Down after fg left the viewer"
e2e_steps <<<'q -> Enter your choice :'
