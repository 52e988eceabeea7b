#!/usr/bin/env bash
# A monster and a lair picked by letters and the mark, a text edited at the
# cursor, the manual list shown, taken back and refused when empty.
. "$(dirname "$0")/lib.sh"

e2e_setup
e2e_start
e2e_steps <<'STEPS'
1 -> SELECT MONSTER
=GLOAM -> Names holding: GLOAM
Down Down Up -> > 21: Gloamkin, Veiled Oracle
Enter -> Monster         : Gloamkin, Veiled Oracle
2 -> SELECT AREA
=tow Enter -> Lair            : Wizard Tower
9 Enter Enter Enter =mill Home ="Old " End =!s Left Left BSpace Right DC Enter
=ab Left C-u =X Enter -> Comments        : Xb
STEPS
e2e_screen | grep -qx " *Position        : Old mil" || e2e_fail "position not edited at the cursor"
e2e_steps <<'STEPS'
8 2 1 3 Enter n Enter -> coins, 3 random
BSpace -> !, 3 random
BSpace G -> The list is empty: add treasure with keys 1 to 7 before G.
STEPS
e2e_keys m
e2e_quit
[ ! -e "$WORK/default.hxo" ] || e2e_fail "a report was written"
