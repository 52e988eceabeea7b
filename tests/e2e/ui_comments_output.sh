#!/usr/bin/env bash
# The game date, position and comments screen, and the output file name.
. "$(dirname "$0")/lib.sh"

e2e_setup
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 9
ask() {
  e2e_wait " $1"
  e2e_type "$2"
  e2e_keys Enter
}
ask "Game day   :" 12
ask "Game month :" 7
ask "Game year  :" 2031
ask "Position   :" "North of the old mill"
ask "Comments   :" "A very long comment about the fight at the ford"
e2e_wait "Game date       : 12/7/2031"
e2e_wait "Position        : North of the old mill"
e2e_wait "Comments        : A very long comment about th.."

# Escape part-way keeps everything as it was.
e2e_keys 9
ask "Game day   :" 1
e2e_wait "Game month :"
e2e_keys Escape
e2e_wait "Enter your choice :"
e2e_wait "Game date       : 12/7/2031"

# The output name takes up to eight of the allowed characters.
e2e_keys f
e2e_wait "Enter the output filename (no extension) :"
e2e_type "my hoard.x/y1"
e2e_wait "(no extension) : myhoardx"
e2e_keys Enter
e2e_wait "Output file     : myhoardx.hxo"
e2e_keys F
e2e_wait "Enter the output filename (no extension) :"
e2e_type "zz"
e2e_keys Escape
e2e_wait "Output file     : myhoardx.hxo"
e2e_keys q y y
e2e_wait_exit
[ "$(head -1 "$WORK/setup.hxi")" = myhoardx ] || e2e_fail "name not saved"
[ "$(sed -n 4p "$WORK/setup.hxi")" = "12 7 2031" ] || e2e_fail "date not saved"
echo PASS
