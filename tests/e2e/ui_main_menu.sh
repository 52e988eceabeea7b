#!/usr/bin/env bash
# The main menu's settings column with the sample mage (bits 0x4 and 0x8):
# Station, MEL and CEL are asked twice and the second answers kept; then the
# comments screen and the output file name. The menu shows them all and the
# save keeps them.
. "$(dirname "$0")/lib.sh"

e2e_setup
printf 'mine\n31 3 12 34 56\n2 7 9 0\n4 5 1066\n' >"$WORK/setup.hxi"
e2e_start
e2e_wait "Enter your choice :"
shown() { e2e_screen | grep -qxF -- "$1" || e2e_fail "line missing: '$1'"; }
shown "  1: Select a monster           Monster         : Gloamkin, Dusk Archmage"
shown "                                CEL             : 9"
e2e_keys 6
e2e_wait " Station (0-10) :"
e2e_keys 1 Enter 2 Enter 3 Enter 10 Enter 44 Enter 50 Enter
e2e_wait "CEL             : 50"
shown "  6: Set creature special       Station         : 10"
shown "     scores                     MEL             : 44"
e2e_keys 9
e2e_wait " Game day   :"
e2e_type $'12\r7\r2031\rNorth of the old mill\rA very long comment about the fight\r'
e2e_wait "Comments        : A very long comment about th.."
shown "  9: Enter comments             Game date       : 12/7/2031"
shown "                                Position        : North of the old mill"
e2e_keys f
e2e_wait " Enter the output filename (no extension) :"
e2e_type $'my hoard.x/y1\r'
e2e_wait "Output file     : myhoardx.hxo"
e2e_keys q y y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
grep -qxF "Thank you for using an Ombrel product." "$WORK/.stdout" || e2e_fail "no farewell"
[ "$(sed -n '1p;3p;4p' "$WORK/setup.hxi")" = $'myhoardx\n10 44 50 0\n12 7 2031' ] ||
  e2e_fail "saved: $(cat "$WORK/setup.hxi")"
echo PASS
