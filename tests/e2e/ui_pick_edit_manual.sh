#!/usr/bin/env bash
# A monster and a lair picked by letters and the mark, a text edited at the
# cursor, the manual list shown, taken back and refused when empty.
. "$(dirname "$0")/lib.sh"

e2e_setup
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 1
e2e_wait "SELECT MONSTER"
e2e_type "GLOAM"
e2e_wait "Names holding: GLOAM"
e2e_keys Down Down Up
e2e_wait "> 21: Gloamkin, Veiled Oracle"
e2e_keys Enter
e2e_wait "Monster         : Gloamkin, Veiled Oracle"
e2e_keys 2
e2e_wait "SELECT AREA"
e2e_type "tow"
e2e_keys Enter
e2e_wait "Lair            : Wizard Tower"
e2e_keys 9 Enter Enter Enter
e2e_type "mill"
e2e_keys Home
e2e_type "Old "
e2e_keys End
e2e_type "!s"
e2e_keys Left Left BSpace Right DC Enter
e2e_type "ab"
e2e_keys Left C-u
e2e_type "X"
e2e_keys Enter
e2e_wait "Comments        : Xb"
e2e_screen | grep -qx " *Position        : Old mil" || e2e_fail "position not edited at the cursor"
e2e_keys 8 2 1 3 Enter n Enter
e2e_wait "coins, 3 random"
e2e_keys BSpace
e2e_wait_gone ", 3 random"
e2e_keys BSpace G
e2e_wait "The list is empty: add treasure with keys 1 to 7 before G."
e2e_keys m
e2e_quit
[ ! -e "$WORK/default.hxo" ] || e2e_fail "a report was written"
echo PASS
