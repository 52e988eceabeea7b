#!/usr/bin/env bash
# Key l after a generation and in the viewer shows the report's ledger
# (totals, the split last chosen, the rank); Escape closes it; a report made
# by another run has none; no file changes.
. "$(dirname "$0")/lib.sh"

e2e_setup
hx roll --monster 20 --seed 4 --append >/dev/null || e2e_fail "roll"
e2e_start
e2e_steps <<<'7 -> Hit any key to continue.  l: ledger of this report'
before=$(e2e_listing)
e2e_steps <<<'l -> s: split between players  Escape: back'
e2e_shows "  total:" && e2e_shows "rank:" || e2e_fail "no totals or rank"
# The newest report in the viewer was made here: the split is kept.
e2e_steps <<'STEPS'
s 3 Enter -> split 3 ways:
Escape -> Enter your choice :
R -> l: ledger  q: back
l -> split 3 ways:
Escape n l -> No ledger for this report: it was not made in this session.
Escape -> Report 2 of 2
q -> Enter your choice :
STEPS
[ "$(e2e_listing)" = "$before" ] || e2e_fail "the ledger changed a file"
