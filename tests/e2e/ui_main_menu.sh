#!/usr/bin/env bash
# The main menu of the real program: its items, the settings column, and the
# special-score lines of a monster with Station, MEL and CEL.
. "$(dirname "$0")/lib.sh"

e2e_setup
# The last settings name the mage of the sample files (index 31) and show
# scores for it.
printf 'mine\n31 3 12 34 56\n2 7 9 0\n4 5 1066\n' >"$WORK/setup.hxi"
e2e_start
e2e_wait "Enter your choice :"
screen=$(e2e_screen)
expect_line() {
  grep -qxF -- "$1" <<<"$screen" || e2e_fail "line missing: '$1'"
}
expect_line "$(printf ' %-61s%s' "Wyrdmoor Treasure Generator" "Ombrel Software")"
expect_line "        MAIN MENU                       CURRENT SETTINGS"
expect_line "  1: Select a monster           Monster         : Gloamkin, Dusk Archmage"
expect_line "  2: Select a lair              Lair            : Sunken Temple"
expect_line "  3: Set creature CDF           Creature CDF    : 12"
expect_line "  4: Set group's highest CDF    Group's CDF     : 34"
expect_line "  5: Set jeweler's EL           Jeweler EL      : 56"
expect_line "  6: Set creature special       Station         : 2"
expect_line "     scores                     MEL             : 7"
expect_line "                                CEL             : 9"
expect_line "  7: Generate treasure for"
expect_line "  8: Manual Treasure Generation"
expect_line "  9: Enter comments             Game date       : 4/5/1066"
expect_line "                                Position        :"
expect_line "  F: Select an output file      Output file     : mine.hxo"
expect_line "  Q: Exit this program"
expect_line " Enter your choice :"

# Escape leaves the menu; declining to exit comes back to it.
e2e_keys Escape
e2e_wait "Do you want to save the current settings? (y/n) :"
e2e_keys n
e2e_wait "Do you want to exit the program? (y/n) :"
e2e_keys x
e2e_wait "Enter your choice :"
e2e_keys q n y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
grep -qxF "Thank you for using an Ombrel product." "$WORK/.stdout" ||
  e2e_fail "no farewell line"
[ "$(head -1 "$WORK/setup.hxi")" = mine ] || e2e_fail "settings were saved"
echo PASS
