#!/usr/bin/env bash
# The viewer of earlier reports in a window larger than 80x26: the body and
# the prompt follow the window and its resize; a search down and up goes on
# from the other end; d then y removes the newest report, and the file is
# then byte for byte what it was before that report.
. "$(dirname "$0")/lib.sh"

e2e_setup
printf '1\nTusk_Brute Orc 1 0x0\n' >monster.hxi
printf '1\nDeep_Cave 0 20 20 20 20\n' >area.hxi
hint="Up/Dn PgUp/Dn Home/End  n/p: report  /?: search  d: remove  l: ledger  q: back"

e2e_start 100 36
e2e_steps <<<'7 -> Hit any key to
x -> Enter your choice'
cp default.hxo first
# The search starts in the newest report; Enter searches on, down, and ?
# searches up with the same text. End shows the last page: the oldest
# report's closing rule above the end.
e2e_steps <<STEPS
7 -> Hit any key to
x -> Enter your choice
R -> @3~Report 1 of 2
-> @35~$hint
STEPS
e2e_tmux resize-window -t t -x 120 -y 40
e2e_steps <<STEPS
-> @39~$hint
/ ="deep cave" Enter -> @3~Report 1 of 2
Enter -> @3~Report 2 of 2
Enter -> @38~search went on from the top
-> @3~Report 1 of 2
'?' Enter -> @38~search went on from the bottom
-> @3~Report 2 of 2
End -> @35=-----
Home d -> @39~Remove this report from default.hxo? (y/n)
n -> @38~Nothing removed.
STEPS
cmp -s default.hxo first && e2e_fail "removed after n"
e2e_steps <<'STEPS'
d y -> @38~Report removed.
-> @3~Report 1 of 1
STEPS
cmp default.hxo first || e2e_fail "not the file before the second report"
[ -z "$(find . -name 'default.hxo.*')" ] || e2e_fail "a temporary file stayed"
e2e_steps <<<'q -> Enter your choice :'
