#!/usr/bin/env bash
# Without setup.hxi the program says so, starts with the defaults, and
# saving at once writes the four default lines.
. "$(dirname "$0")/lib.sh"

e2e_setup
rm "$WORK/setup.hxi"
e2e_start
e2e_wait "Enter your choice :"
e2e_wait "Monster         : Ashen Crawler"
e2e_wait "Output file     : default.hxo"
e2e_keys q
e2e_wait "Do you want to save the current settings? (y/n) :"
e2e_keys y
e2e_wait "Do you want to exit the program? (y/n) :"
e2e_keys Y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
expected=$'default\n0 0 1 1 0\n0 0 0 0\n1 1 1'
[ "$(cat "$WORK/setup.hxi")" = "$expected" ] ||
  e2e_fail "setup.hxi holds: $(cat "$WORK/setup.hxi")"
[ "$(tail -c 1 "$WORK/setup.hxi" | od -An -c | tr -d ' ')" = '\n' ] ||
  e2e_fail "last line not ended"
printf -v msg '%s\n%s' "Cannot open setup information file!" \
  "Make sure 'setup.hxi' is in current directory."
[ "$(cat "$WORK/.stderr")" = "$msg" ] || e2e_fail "stderr: $(cat "$WORK/.stderr")"
ls "$WORK" | grep -q tmp && e2e_fail "a temporary file was left behind"
echo PASS
