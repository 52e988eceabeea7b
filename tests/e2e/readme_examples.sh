#!/usr/bin/env bash
# Every example of the README's fenced blocks runs: each hoardex command
# (status 0; the screen program, whose output is no terminal here, gets past
# its arguments to the terminal's refusal), the treasure script as hand.hxs
# under --strict, and the three information files together under check.
. "$(dirname "$0")/lib.sh"
: "${HOARDEX_SOURCE:?HOARDEX_SOURCE must name the source folder}"
e2e_setup
cd "$WORK" || exit 1
mkdir blocks examples
# A block per file, and beside it the information file whose part of the
# README it stands in (a heading ends that part).
awk -v dir=blocks '
  /^#/ { part = "" }
  /^\*\*`[a-z]+\.hxi`\*\*/ { match($0, /[a-z]+\.hxi/); part = substr($0, RSTART, RLENGTH) }
  /^```/ { if (out) { close(out); out = "" } else { out = sprintf("%s/%02d", dir, ++n); printf "%s", part > (out ".part"); close(out ".part"); printf "" > out } next }
  out { print > out }' "$HOARDEX_SOURCE/README.md"
: >commands
scripts=0
for block in blocks/??; do
  part=$(cat "$block.part")
  if grep -q '^hoardex' "$block"; then
    # Comments off, continued lines joined.
    sed -e 's/  *#.*$//' -e '/^ *$/d' "$block" |
      awk '{ line = line $0 } /\\$/ { sub(/\\$/, "", line); next } { print line; line = "" }' >>commands
  elif grep -q '^END-OF-SECTION$' "$block"; then
    cp "$block" hand.hxs && scripts=$((scripts + 1))
  elif [ -n "$part" ]; then
    cp "$block" "examples/$part"
  fi
done
[ "$scripts" = 1 ] || e2e_fail "$scripts treasure scripts found, not 1"
[ "$(ls examples)" = "area.hxi
monster.hxi
setup.hxi" ] || e2e_fail "information files found: $(ls examples)"
[ "$(wc -l <commands)" -ge 12 ] || e2e_fail "only $(wc -l <commands) commands found"
grep -q '^hoardex run hand.hxs' commands || e2e_fail "no command runs the script"

(cd examples && "$HOARDEX_BIN" check >../out 2>&1) ||
  e2e_fail "the information files' examples: $(cat out)"
while IFS= read -r command; do
  eval "set -- ${command#hoardex}"
  case "${1:-}" in
    roll | run | check | stats | manual | save | init | list | export | --help | --version) expect=0 ;;
    *) expect=1 ;; # the screen program
  esac
  "$HOARDEX_BIN" "$@" </dev/null >out 2>err
  status=$?
  [ "$status" = "$expect" ] || e2e_fail "'$command' ended with $status: $(cat err)"
  [ "$expect" = 0 ] || grep -q "needs a terminal" err ||
    e2e_fail "'$command' was refused: $(cat err)"
done <commands
echo PASS
