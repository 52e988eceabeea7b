#!/usr/bin/env bash
# Terminal faults: a window too small, resizes, signals, keys that run out and
# a terminal without cursor addressing, each leaving the terminal as it was.
. "$(dirname "$0")/lib.sh"

SMALL="Please enlarge the window to at least 80x26."
e2e_setup
printf '2\nHoard_Keeper _ 40 0x0\nDeep_Eater Gulp 40 0x0\n' >"$WORK/monster.hxi"
printf '1\nDeep_Cave 0 20 20 20 20\n' >"$WORK/area.hxi"
e2e_shell 70 20
resize() { e2e_tmux resize-window -t t -x "$1" -y "$2"; }
# "case NAME" runs the program (pid in .pid), prints "NAME:st=<status>" and
# "NAME:tty=same"; a plain shell, as an interactive one would mend the tty.
cat >"$WORK/case" <<EOF
stty -g </dev/tty >.before
bash -c 'echo \$\$ >.pid; exec "\$0"' '$HOARDEX_BIN'
echo "\$1:st=\$?" >/dev/tty
stty -g </dev/tty | cmp -s .before - && echo "\$1:tty=same" >/dev/tty
EOF
# run_case NAME [WORDS BEFORE] [REDIRECTIONS]
run_case() { e2e_type "clear; ${2:-} bash case $1 ${3:-2>/dev/null}" && e2e_keys Enter; }
expect_end() { e2e_wait "$1:st=$2" && e2e_wait "$1:tty=same" 5; }
screen_is() { [ "$(e2e_screen)" = "$1" ]; }
wait_screen() { e2e_poll 10 "the screen did not come back as it was" screen_is "$1"; }
run_case int
e2e_wait "$SMALL"
e2e_keys q # dropped: taken, it would leave the menu for the exit question
sleep 0.3
resize 80 26
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue."
page=$(e2e_screen)
resize 70 20
e2e_wait "$SMALL"
resize 80 26
wait_screen "$page"
e2e_keys Space Space Space Space Space # 3 pauses; the menu ignores the rest
e2e_wait "Enter your choice :"
cp "$WORK/default.hxo" "$WORK/earlier.hxo"
e2e_keys 1
e2e_wait "SELECT MONSTER"
e2e_type 2
e2e_wait "Select a monster (1-2) : 2"
list=$(e2e_screen)
resize 80 25
e2e_wait "$SMALL"
resize 80 26
wait_screen "$list"
e2e_keys Enter
e2e_wait "Monster         : Gulp, Deep Eater"
e2e_keys 7
e2e_wait "Hit any key to continue."
e2e_keys C-c
expect_end int 130
[ -s "$WORK/earlier.hxo" ] && cmp -s "$WORK/default.hxo" "$WORK/earlier.hxo" ||
  e2e_fail "the output changed after Ctrl-C during a generation"

run_case term
e2e_wait "Enter your choice :"
kill -TERM "$(cat "$WORK/.pid")"
expect_end term 143

run_case quit
e2e_wait "Enter your choice :"
e2e_keys 'C-\'
expect_end quit 131

# The keys end at the first page pause of a report.
rm -f "$WORK/temp.hxs"
run_case eof "printf 7 |"
expect_end eof 129
[ -s "$WORK/temp.hxs" ] || e2e_fail "the generation did not start"
cmp -s "$WORK/default.hxo" "$WORK/earlier.hxo" ||
  e2e_fail "part of a report was written when the keys ran out"
run_case null "" "</dev/null 2>/dev/null"
expect_end null 129

run_case dumb TERM=dumb "2>.err >.out"
expect_end dumb 1
[ "$(wc -l <"$WORK/.err")" = 1 ] && grep -q "cursor addressing" "$WORK/.err" &&
  [ ! -s "$WORK/.out" ] || e2e_fail "no single-line refusal of TERM=dumb"
echo PASS
