#!/usr/bin/env bash
# The note of a monster left out at start; Backspace and Ctrl-H erase in
# every kind of field; "?" and F1 show the help pages (Escape leaves at
# once) with the session's seed, and the menu comes back as it was.
. "$(dirname "$0")/lib.sh"

e2e_setup
# A monster after the count at the top is left out, and the start says so
# until the first key.
printf 'Grell _ 1 0x0\n' >>monster.hxi
e2e_start 80 26 "--seed 31"
# The yes/no question of manual generation takes n only once y is erased.
e2e_steps <<'STEPS'
-> 1 monster after the count was left out; hoardex check shows where.
3 4 5 BSpace 7 Enter -> Creature CDF    : 47
5 0 0 0 -> (0-80) : 000
BSpace BSpace C-h -> !(0-80) : 0
9 Enter -> Jeweler EL      : 9
8 1 2 Enter y BSpace n -> (y/n) : n
Enter m 9 Enter Enter Enter ="Old mill" BSpace BSpace BSpace C-h f o r d Enter Enter -> Position        : Old ford
f a b c d BSpace C-h z Enter -> Output file     : abz.hxo
STEPS
menu=$(e2e_screen)
e2e_steps <<'STEPS'
'?' -> Backspace (or Ctrl-H) erases the character before the cursor
x -> BB brass bits, CC copper coins, SC silver coins,
x -> HELP: EARLIER REPORTS (R)
-> "hoardex --seed 31" and the same keys give the same reports.
x -> HELP: WHAT THE NUMBERS DO
x x -> Hit any key to return to the main menu.
F1 -> Enter your choice :
STEPS
[ "$(e2e_screen)" = "$menu" ] || e2e_fail "the menu is not as it was"
# Escape leaves the help at once.
e2e_steps <<'STEPS'
F1 -> HELP: KEYS
Escape -> R: Read earlier reports      ?: Help (or F1)
STEPS
e2e_quit
