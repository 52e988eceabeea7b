#!/usr/bin/env bash
# Key l after a generation and in the viewer shows the report's ledger
# (totals, the split last chosen, the rank); Escape closes it; a report made
# by another run has none; no file changes.
. "$(dirname "$0")/lib.sh"

e2e_setup
cd "$WORK" && "$HOARDEX_BIN" roll --monster 20 --seed 4 --append >/dev/null || e2e_fail "roll"
e2e_start
e2e_wait "Enter your choice :"
e2e_keys 7
e2e_wait "Hit any key to continue.  l: ledger of this report"
before=$(e2e_listing)
e2e_keys l
e2e_wait "s: split between players  Escape: back"
e2e_shows "  total:" && e2e_shows "rank:" || e2e_fail "no totals or rank"
e2e_keys s 3 Enter
e2e_wait "split 3 ways:"
e2e_keys Escape
e2e_wait "Enter your choice :"
e2e_keys R
e2e_wait "l: ledger  q: back"
e2e_keys l
e2e_wait "split 3 ways:" # the newest report, made here: the split kept
e2e_keys Escape n l
e2e_wait "No ledger for this report: it was not made in this session."
e2e_keys Escape
e2e_wait "Report 2 of 2"
e2e_keys q
e2e_wait "Enter your choice :"
[ "$(e2e_listing)" = "$before" ] || e2e_fail "the ledger changed a file"
echo PASS
