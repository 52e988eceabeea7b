#!/usr/bin/env bash
# Key "7" for every sample monster, one after the other in one run: the
# output file then holds one well-formed report per monster (header naming
# the monster, both section headings, the closing line), no item line is
# empty, and the lair section has at least one line for every lair item of
# that generation's script.
. "$(dirname "$0")/lib.sh"

e2e_setup
count=$(awk 'NR == 1 { print $1 }' "$WORK/monster.hxi")
[ "$count" -gt 0 ] || e2e_fail "no monsters in the sample file"
mkdir "$WORK/scripts"

# Presses a key at every pause until the main menu is back.
page_to_menu() {
  local end=$((SECONDS + 30)) screen
  while [ $SECONDS -le $end ]; do
    screen=$(e2e_screen)
    if grep -qF "Enter your choice :" <<<"$screen"; then return 0; fi
    if grep -qF "Hit any key to continue." <<<"$screen"; then
      e2e_keys Space
      # Wait for the key to be taken: the screen changes.
      local wait_end=$((SECONDS + 3))
      while [ "$(e2e_screen)" = "$screen" ] && [ $SECONDS -le $wait_end ]; do
        sleep 0.05
      done
    else
      sleep 0.05
    fi
  done
  e2e_fail "the generation did not come back to the main menu"
}

e2e_start
e2e_wait "Enter your choice :"
for i in $(seq 1 "$count"); do
  e2e_keys 1
  e2e_wait "SELECT MONSTER"
  e2e_type "$i"
  e2e_keys Enter
  e2e_wait "Enter your choice :"
  e2e_keys 7
  e2e_wait_gone "Enter your choice :"
  page_to_menu
  cp "$WORK/temp.hxs" "$WORK/scripts/$i.hxs"
done
e2e_keys q n y
e2e_wait_exit 30
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"

# The labels the reports must show, in file order (the sample file lists
# one monster per line).
awk 'NR > 1 && NF >= 4 {
       name = $1; group = $2; gsub(/_/, " ", name); gsub(/_/, " ", group)
       print (group == " " ? name : group ", " name) }' \
  "$WORK/monster.hxi" >"$WORK/labels"
[ "$(wc -l <"$WORK/labels")" = "$count" ] ||
  e2e_fail "the sample file does not list one monster per line"
for i in $(seq 1 "$count"); do
  awk '/^LAIR-TREASURE/ { f = 1 } f && /^</ { n++ } END { print n + 0 }' \
    "$WORK/scripts/$i.hxs"
done >"$WORK/lair_items"

# Splits the output into reports and checks each one.
awk -v rule="$(printf '%075d' 0 | tr 0 -)" \
    -v labels="$WORK/labels" -v items="$WORK/lair_items" '
  function bad(msg) { printf "report %d: %s\n", r, msg; errors++ }
  function check(   i, lair, last) {
    if (n < 20) { bad("too short"); return }
    if (line[1] != "") bad("no empty line after the rule")
    if (line[2] !~ /^Date       : [0-9]+\/[0-9]+\/[0-9]+$/) bad("date: " line[2])
    if (line[3] !~ /^Game date  : [0-9]+\/[0-9]+\/[0-9]+$/) bad("game date")
    if (line[4] !~ /^Position   : /) bad("position")
    if (line[5] !~ /^Area       : ./) bad("area: " line[5])
    if (line[6] != "Monster    : " label[r]) bad("monster: " line[6])
    if (line[8] !~ /^Comments   : /) bad("comments")
    if (line[10] != "-----" || line[12] != "Portable treasure :" ||
        line[13] != "") bad("portable heading")
    lair = 0
    for (i = 14; i < n; i++) if (line[i] == "Treasure in lair  :") lair = i
    if (!lair) { bad("no lair heading"); return }
    if (line[lair - 1] != "" || line[lair - 2] != "-----" ||
        line[lair - 3] != "" || line[lair + 1] != "") bad("lair heading")
    last = n - 1
    if (line[last] != "" || line[last - 1] != "-----" || line[last - 2] != "")
      bad("closing line")
    for (i = 14; i <= lair - 4; i++)
      if (line[i] ~ /^ *$/) bad("empty portable line " i)
    for (i = lair + 2; i <= last - 3; i++)
      if (line[i] ~ /^ *$/) bad("empty lair line " i)
    if (last - 3 - (lair + 2) + 1 < need[r])
      bad("fewer lair lines than the " need[r] " lair items")
  }
  BEGIN {
    while ((getline l < labels) > 0) label[++nl] = l
    while ((getline l < items) > 0) need[++ni] = l
  }
  $0 == rule { if (r) check(); r++; n = 0; line[n++] = $0; next }
  { line[n++] = $0 }
  END {
    if (r) check()
    if (r != nl) { printf "%d reports for %d monsters\n", r, nl; errors++ }
    exit errors ? 1 : 0
  }' "$WORK/default.hxo" >"$WORK/problems" ||
  e2e_fail "malformed reports:"$'\n'"$(head -20 "$WORK/problems")"
echo PASS
