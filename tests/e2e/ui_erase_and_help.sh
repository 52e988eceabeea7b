#!/usr/bin/env bash
# The note of a monster left out at start; Backspace and Ctrl-H erase in
# every kind of field; "?" and F1 show the help pages (Escape leaves at
# once) with the session's seed, and the menu comes back as it was.
. "$(dirname "$0")/lib.sh"

e2e_setup
# A monster after the count at the top is left out, and the start says so
# until the first key.
printf 'Grell _ 1 0x0\n' >>"$WORK/monster.hxi"
e2e_start 80 26 "--seed 31"
e2e_wait "1 monster after the count was left out; hoardex check shows where."
e2e_keys 3 4 5 BSpace 7 Enter
e2e_wait "Creature CDF    : 47"
e2e_keys 5 0 0 0
e2e_wait "(0-80) : 000"
e2e_keys BSpace BSpace C-h
e2e_wait_gone "(0-80) : 0"
e2e_keys 9 Enter
e2e_wait "Jeweler EL      : 9"
# The yes/no question of manual generation takes n only once y is erased.
e2e_keys 8 1 2 Enter y BSpace n
e2e_wait "(y/n) : n"
e2e_keys Enter m 9 Enter Enter Enter
e2e_type "Old mill"
e2e_keys BSpace BSpace BSpace C-h f o r d Enter Enter
e2e_wait "Position        : Old ford"
e2e_keys f a b c d BSpace C-h z Enter
e2e_wait "Output file     : abz.hxo"

menu=$(e2e_screen)
e2e_keys '?'
e2e_wait "Backspace (or Ctrl-H) erases the character before the cursor"
e2e_keys x
e2e_wait "BB brass bits, CC copper coins, SC silver coins,"
e2e_keys x
e2e_wait "HELP: EARLIER REPORTS (R)"
e2e_wait '"hoardex --seed 31" and the same keys give the same reports.'
e2e_keys x
e2e_wait "HELP: WHAT THE NUMBERS DO"
e2e_keys x x
e2e_wait "Hit any key to return to the main menu."
e2e_keys F1
e2e_wait "Enter your choice :"
[ "$(e2e_screen)" = "$menu" ] || e2e_fail "the menu is not as it was"
e2e_keys F1
e2e_wait "HELP: KEYS"
e2e_keys Escape # leaves at once
e2e_wait "R: Read earlier reports      ?: Help (or F1)"
e2e_quit
echo PASS
