#!/usr/bin/env bash
# A missing monster or area file ends the program with status 1
# and its message, before the screen starts.
. "$(dirname "$0")/lib.sh"

e2e_setup
run_here() {
  (cd "$WORK" && "$HOARDEX_BIN" >"$WORK/out" 2>"$WORK/err" </dev/null)
  echo $?
}

rm "$WORK/monster.hxi"
[ "$(run_here)" = 1 ] || e2e_fail "exit status is not 1 without monster.hxi"
printf -v msg '%s\n%s' "Cannot open monster information file!" \
  "Make sure 'monster.hxi' is in current directory."
# Exactly the message, with no line break after it.
[ "$(od -c <"$WORK/err")" = "$(printf '%s' "$msg" | od -c)" ] ||
  e2e_fail "stderr: $(cat "$WORK/err")"
[ -s "$WORK/out" ] && e2e_fail "something was written on the output"

cp "$HOARDEX_DATA/monster.hxi" "$WORK/"
rm "$WORK/area.hxi"
[ "$(run_here)" = 1 ] || e2e_fail "exit status is not 1 without area.hxi"
printf -v msg '%s\n%s' "Cannot open area information file!" \
  "Make sure 'area.hxi' is in current directory."
[ "$(cat "$WORK/err")" = "$msg" ] || e2e_fail "stderr: $(cat "$WORK/err")"

echo PASS
