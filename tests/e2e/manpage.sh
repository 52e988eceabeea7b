#!/usr/bin/env bash
# The installed manual page is compressed, names the sample folder of the
# prefix it was installed with, renders without a warning at two widths and
# holds its sections, the program's own texts (the numbers explained as the
# engine words them) and every main-menu key.
set -u
: "${HOARDEX_BUILD:?HOARDEX_BUILD must name the build folder}"
fail() { echo "FAIL: $*" >&2; exit 1; }
STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT
DESTDIR="$STAGE" cmake --install "$HOARDEX_BUILD" --prefix /opt/hx \
  --component files >/dev/null || fail "cmake --install failed"
page="$STAGE/hoardex.6"
gzip -dc "$STAGE/opt/hx/share/man/man6/hoardex.6.gz" >"$page" ||
  fail "no compressed manual page installed"

err=$(groff -man -ww -z "$page" 2>&1 >/dev/null) || fail "groff failed"
[ -z "$err" ] || fail "groff -man -ww -z warned:"$'\n'"$err"
text=$(groff -man -ww -Tutf8 -P-cbou -rLL=78n "$page" 2>"${TMPDIR:-/tmp}/manpage.$$")
err=$(cat "${TMPDIR:-/tmp}/manpage.$$"); rm -f "${TMPDIR:-/tmp}/manpage.$$"
[ -z "$err" ] || fail "groff warned at line length 78n:"$'\n'"$err"

flat=$(printf '%s\n' "$text" | tr -s ' \n' '  ')
for section in NAME SYNOPSIS DESCRIPTION "MAIN MENU" "WHAT THE NUMBERS DO" \
               "INFORMATION FILES" \
               "TREASURE SCRIPT" "TREASURE REPORT" "EXIT STATUS" FILES; do
  printf '%s\n' "$text" | grep -qx -- "$section" || fail "no section $section"
done
for words in '"Enter your choice : "' '"Game day   : "' \
    '"Thank you for using an Ombrel product."' \
    '"Do you want to save the current settings? (y/n) : "' \
    /opt/hx/share/hoardex/ END-OF-SECTION L3_MAGICWEAPON \
    'from CDF 45 to 99 every coin item is Gold Coins' \
    'give the same values each time.'; do
  printf '%s\n' "$text" "$flat" | grep -qF -- "$words" || fail "lacks $words"
done
! grep -q '@[A-Z_]*@' "$page" || fail "a name is left unreplaced"
start=$(printf '%s\n' "$text" | awk '/^GETTING STARTED$/{on=1; next} /^[A-Z]/{on=0} on')
printf '%s\n' "$start" | grep -qx ' *hoardex init' &&
  printf '%s\n' "$start" | grep -qF /opt/hx/share/hoardex ||
  fail "GETTING STARTED does not run hoardex init from /opt/hx/share/hoardex:"$'\n'"$start"
menu=$(printf '%s\n' "$text" | awk '/^MAIN MENU$/{on=1; next} /^[A-Z]/{on=0} on')
for key in 1 2 3 4 5 6 7 8 9 "F or f" "Q, q or Escape"; do
  printf '%s\n' "$menu" | grep -qE -- "^ {7}$key( |\$)" ||
    fail "main menu key '$key' has no entry"
done
