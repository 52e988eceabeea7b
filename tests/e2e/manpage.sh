#!/usr/bin/env bash
# The manual page renders without a single warning, at the default page width
# and at terminal widths, and the rendered text holds what a reader needs:
# the sections, the program's own texts with their exact spacing, and where
# the sample files are installed.
set -u

: "${HOARDEX_SOURCE:?HOARDEX_SOURCE must name the source folder}"
page="$HOARDEX_SOURCE/doc/hoardex.6"

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -s "$page" ] || fail "$page is missing or empty"
command -v groff >/dev/null || fail "groff is not installed"

# All warnings on; any word on the standard error stream fails the test.
err=$(groff -man -ww -z "$page" 2>&1 >/dev/null)
status=$?
[ $status -eq 0 ] || fail "groff -man -ww -z ended with status $status"
[ -z "$err" ] || fail "groff -man -ww -z warned:"$'\n'"$err"

# The same at the widths of common terminals, as man renders it.
for ll in 78n 65n; do
  text=$(groff -man -ww -Tutf8 -P-cbou -rLL=$ll "$page" 2>"${TMPDIR:-/tmp}/manpage.$$")
  err=$(cat "${TMPDIR:-/tmp}/manpage.$$"); rm -f "${TMPDIR:-/tmp}/manpage.$$"
  [ -z "$err" ] || fail "groff warned at line length $ll:"$'\n'"$err"
done

# The rendered page (at 78n) carries its sections and exact texts.
# expect: the text on one rendered line, spacing exact; expect_words: the
# text with its words in order, possibly broken across lines.
expect() {
  printf '%s\n' "$text" | grep -qF -- "$1" || fail "rendered page lacks '$1'"
}
expect_words() {
  printf '%s\n' "$text" | tr -s ' \n' '  ' | grep -qF -- "$1" ||
    fail "rendered page lacks '$1'"
}
text=$(groff -man -Tutf8 -P-cbou -rLL=78n "$page" 2>/dev/null)
expect "hoardex - full-screen treasure generator"
for section in NAME SYNOPSIS DESCRIPTION "MAIN MENU" "INFORMATION FILES" \
               "TREASURE SCRIPT" "TREASURE REPORT" "EXIT STATUS" FILES; do
  printf '%s\n' "$text" | grep -qx -- "$section" ||
    fail "rendered page lacks the section $section"
done
expect '"Enter your choice : "'
expect '"Game day   : "'
expect '"Game month : "'
expect '"Thank you for using an Ombrel product."'
expect_words '"Do you want to save the current settings? (y/n) : "'
expect_words '"Spacebar for next page of monster list. Select a monster (1-N) : "'
expect "/usr/local/share/hoardex"
expect "END-OF-SECTION"
expect "L3_MAGICWEAPON"
# Every key of the main menu has its own entry in that section.
menu=$(printf '%s\n' "$text" | awk '/^MAIN MENU$/{on=1; next} /^[A-Z]/{on=0} on')
for key in 1 2 3 4 5 6 7 8 9 "F or f" "Q, q or Escape"; do
  printf '%s\n' "$menu" | grep -qE -- "^ {7}$key( |\$)" ||
    fail "main menu key '$key' has no entry"
done
echo "manual page renders cleanly"
