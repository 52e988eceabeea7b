#!/usr/bin/env bash
# Terminal faults: a window too small, resizes, signals, keys that run out and
# a terminal without cursor addressing, each leaving the terminal as it was.
. "$(dirname "$0")/lib.sh"

SMALL="Please enlarge the window to at least 80x26."
e2e_setup
printf '2\nHoard_Keeper _ 40 0x0\nDeep_Eater Gulp 40 0x0\n' >monster.hxi
printf '1\nDeep_Cave 0 20 20 20 20\n' >area.hxi
e2e_shell 70 20
resize() { e2e_tmux resize-window -t t -x "$1" -y "$2"; }
# Whether the program has read every key sent: none waits on its terminal.
tty=$(e2e_tmux display -p -t t '#{pane_tty}')
keys_read() {
  python3 -c 'import fcntl, os, sys, termios
f = os.open(sys.argv[1], os.O_RDONLY | os.O_NOCTTY | os.O_NONBLOCK)
sys.exit(fcntl.ioctl(f, termios.FIONREAD, b"1234") != bytes(4))' "$tty"
}
# "case NAME" runs the program (pid in .pid), prints "NAME:st=<status>" and
# "NAME:tty=same"; a plain shell, as an interactive one would mend the tty.
cat >case <<EOF2
stty -g </dev/tty >.before
bash -c 'echo \$\$ >.pid; exec "\$0"' '$HOARDEX_BIN'
echo "\$1:st=\$?" >/dev/tty
stty -g </dev/tty | cmp -s .before - && echo "\$1:tty=same" >/dev/tty
EOF2
# run_case NAME [WORDS BEFORE] [REDIRECTIONS]
run_case() { e2e_type "clear; ${2:-} bash case $1 ${3:-2>/dev/null}" && e2e_keys Enter; }
expect_end() { e2e_wait "$1:st=$2" && e2e_wait "$1:tty=same" 5; }
# A screen as it was before the window was too small.
same_after_small() {
  local before
  before=$(e2e_screen)
  resize "$1" "$2" && e2e_wait "$SMALL" && resize 80 26
  e2e_poll 10 "the screen did not come back as it was" eval '[ "$(e2e_screen)" = "$before" ]'
}
run_case int
e2e_wait "$SMALL"
# A key in a window too small is dropped: taken, q would leave the menu for
# the exit question.
e2e_keys q
e2e_poll 5 "q was not read" keys_read
resize 80 26
e2e_steps <<<'-> Enter your choice :
7 -> Hit any key to continue.'
same_after_small 70 20
e2e_keys Space Space Space Space Space # 3 pauses; the menu ignores the rest
e2e_wait "Enter your choice :"
cp default.hxo earlier.hxo
e2e_steps <<<'1 -> SELECT MONSTER
=2 -> Select a monster (1-2) : 2'
same_after_small 80 25
e2e_steps <<'STEPS'
Enter -> Monster         : Gulp, Deep Eater
7 -> Hit any key to continue.
STEPS
e2e_keys C-c
expect_end int 130
[ -s earlier.hxo ] && cmp -s default.hxo earlier.hxo ||
  e2e_fail "the output changed after Ctrl-C during a generation"

run_case term
e2e_wait "Enter your choice :"
kill -TERM "$(cat .pid)"
expect_end term 143

run_case quit
e2e_wait "Enter your choice :"
e2e_keys 'C-\'
expect_end quit 131

# The keys end at the first page pause of a report.
rm -f temp.hxs
run_case eof "printf 7 |"
expect_end eof 129
[ -s temp.hxs ] || e2e_fail "the generation did not start"
cmp -s default.hxo earlier.hxo ||
  e2e_fail "part of a report was written when the keys ran out"
run_case null "" "</dev/null 2>/dev/null"
expect_end null 129

run_case dumb TERM=dumb "2>.err >.out"
expect_end dumb 1
[ "$(wc -l <.err)" = 1 ] && grep -q "cursor addressing" .err && [ ! -s .out ] ||
  e2e_fail "no single-line refusal of TERM=dumb"
