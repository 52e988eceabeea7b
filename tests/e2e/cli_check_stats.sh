#!/usr/bin/env bash
# hoardex check (explanations of the sample files), stats (writes nothing, its
# settings, the progress line) and init (copies the sample files, keeps those
# present); the installed bash completion.
. "$(dirname "$0")/lib.sh"

e2e_setup
mv setup.hxi saved
e2e_cli <<'CASES'
0 | hx check | =monster.hxi and area.hxi: no problems found; setup.hxi is absent (no settings saved yet), the defaults apply
CASES
mv saved setup.hxi
hx check --explain >out || e2e_fail "the sample files fail: $(cat out)"
grep -qxF "  5: Ruined Keep: 1-2 other, 3-4 coins, 5-6 gems and jewelry, 7-9 military, 10 magic; 11 (adding 1) magic" out &&
  grep -qxF " 13: Rubbish Heap: 1-10 other; 11 (adding 1) magic" out &&
  grep -qxF " 32: Gloamkin, Dusk Archmage: 3 lair items, Station + 1 more lair items; no portable treasure; asks Station, MEL, CEL" out &&
  grep -qxF "  4: Gloamkin, Hollow Seer: 1 lair item; portable class 2 with magic items of a magic user, and its text; asks magic-user" out ||
  e2e_fail "explanation: $(cat out)"

before=$(e2e_listing)
hx stats --monster rune_mender --lair 1 --mel 9 -n 3000 --seed 3 >text &&
  hx stats --monster rune_mender --lair 1 --mel 9 -n 3000 --seed 3 --format json >json &&
  hx stats --monster 'cellar ooze' --lair 'rubbish heap' -n 500 --format csv >csv ||
  e2e_fail "stats failed"
[ "$(e2e_listing)" = "$before" ] || e2e_fail "stats changed the folder"
# Long work draws a progress line on a terminal, and nothing elsewhere:
# past the time of the first drawing the work is ended without a word.
timeout -s TERM 1 "$HOARDEX_BIN" stats -n 10000000 >/dev/null 2>err
[ $? = 124 ] && [ ! -s err ] || e2e_fail "stats wrote to a standard error that is no terminal: $(cat err)"
# SIGTERM and SIGINT erase it before the program ends (job control keeps
# SIGINT, which a shell's background job would otherwise ignore).
for sig in TERM INT; do
  # A server of its own each time: a new session must not reach the last
  # one's server while it is still going away.
  E2E_SOCK="hx$$-$sig"
  e2e_tmux new-session -d -s t -x 80 -y 26 "cd '$WORK' && { set -m; '$HOARDEX_BIN' stats -n 10000000 >/dev/null & echo \$! >pid; wait; echo ended; sleep 600; }"
  e2e_poll 20 "no progress line" eval 'e2e_screen | grep -qE "^[0-9]+ of 10000000 done \([0-9]+%\), about [0-9]+ (s|min) left"'
  kill -$sig "$(cat pid)" && e2e_wait ended && e2e_hides "done (" || e2e_fail "the progress line stayed after SIG$sig"
  e2e_tmux kill-server
done
grep -qxF "  items: mean 10.00, 10% 10, 50% 10, 90% 10, max 10" text &&
  [ "$(awk 'length > 80' text)" = "" ] || e2e_fail "text: $(cat text)"
python3 - json csv <<'PY' || e2e_fail "stats JSON or CSV"
import csv, json, sys
s = json.load(open(sys.argv[1]))
lair, port = s["lair"], s["portable"]
assert s["generations"] == 3000 and lair["histogram"][10] == 3000
assert s["used"] == {"monster": "31 Gloamkin, Rune Mender", "lair": "1 Open Ground", "settings": "CDF 1, group CDF 1, jeweler's EL 0, Station 0, MEL 9, CEL 0"}
assert abs(sum(lair["category_share"].values()) - 1) < 1e-9
assert 0 < lair["magic_share"] < 1 and sum(lair["coins_per_hoard"].values()) > 0
assert port["items"]["max"] == 0 and port["category_share"] == {}  # none
assert [u for u, t in s["hoard_totals"].items() if 0 <= t["p10"] <= t["p50"] <= t["p90"]] == ["GC", "SC", "CC", "BB"]
rows = {(r["section"], r["measure"], r["key"]): r["value"] for r in csv.DictReader(open(sys.argv[2]))}
assert rows[("lair", "category_share", "other")] == "1.0000"
assert rows[("lair", "histogram", "1")] == "500" and float(rows[("hoard", "total_SC", "mean")]) > 0
assert rows[("used", "settings", "")] == "CDF 1, group CDF 1, jeweler's EL 0"
PY

STAGE=$(mktemp -d)
DESTDIR="$STAGE" cmake --install "$HOARDEX_BUILD" --prefix /opt/hx >/dev/null ||
  e2e_fail "install"
mkdir "$STAGE/camp" && cd "$STAGE/camp" && echo mine >area.hxi
"$STAGE/opt/hx/bin/hoardex" init >out || e2e_fail "init failed"
grep -qx "kept area.hxi (already here)" out && [ "$(cat area.hxi)" = mine ] &&
  cmp monster.hxi "$HOARDEX_DATA/monster.hxi" && cmp setup.hxi "$HOARDEX_DATA/setup.hxi" ||
  e2e_fail "init: $(cat out)"
# From its build folder the program copies the sources' data/; a copy of it
# elsewhere finds no sample files: init fails and the hint is left out.
mkdir "$STAGE/fresh" && cd "$STAGE/fresh"
hx init >out && cmp setup.hxi "$HOARDEX_DATA/setup.hxi" &&
  grep -qx "copied monster.hxi from $HOARDEX_DATA" out || e2e_fail "init from the build: $(cat out)"
cp "$HOARDEX_BIN" "$STAGE/hoardex" && mkdir "$STAGE/lone" && cd "$STAGE/lone"
# Without monster.hxi the program says so alone (no folder to hint at).
e2e_cli <<'CASES'
1 | "$STAGE/hoardex" init | cannot find the sample files
1 | "$STAGE/hoardex" | =Cannot open monster information file!\nMake sure 'monster.hxi' is in current directory.
CASES
[ ! -e monster.hxi ] || e2e_fail "init without sample files wrote monster.hxi"
# The installed completion offers commands, options and this folder's names,
# each quoted for the shell; files come through bash's own file completion.
completes() { # WORDS... -> the offers, one line
  bash -c '. "$0"; compopt() { printf "%s " "$@"; }
    COMP_WORDS=("${@}"); COMP_CWORD=$(($# - 1)); _hoardex
    echo "${COMPREPLY[*]}"' "$STAGE/opt/hx/share/bash-completion/completions/hoardex" "$@"
}
PATH="$STAGE/opt/hx/bin:$PATH" && cd "$WORK"
[ "$(completes hoardex l)" = list ] && [ "$(completes hoardex stats --f)" = --format ] &&
  [ "$(completes hoardex stats --format c)" = csv ] &&
  [ "$(completes hoardex export --format f)" = "foundry foundry-table" ] &&
  [ "$(completes hoardex roll --monster mire)" = "Mirewight,_Bog_Lurker Mirewight,_Mire_Hag Mirewight,_Marsh_Gulper" ] &&
  [ "$(completes hoardex roll --lair ru)" = "Ruined_Keep Rubbish_Heap" ] &&
  [ "$(completes hoardex roll --yes king,ma)" = "king,male king,magic-user" ] ||
  e2e_fail "completion: $(completes hoardex roll --monster mire)"
mkdir odd && cd odd && cp ../area.hxi . && touch "my script.hxs" &&
  printf '3\na;touch${IFS}PWN3 _ 0 0x0\nO'"'"'Brien _ 0 0x0\nMire* _ 0 0x0\n' >monster.hxi
[ "$(completes hoardex roll --monster a)" = 'a\;touch\$\{IFS\}PWN3' ] &&
  [ "$(completes hoardex roll --monster o)" = "O\\'Brien" ] &&
  [ "$(completes hoardex roll --monster "'O'\\''B")" = Brien ] &&
  [ "$(completes hoardex roll --monster M)" = 'Mire\*' ] &&
  [ "$(completes hoardex run my)" = "-o filenames my script.hxs" ] ||
  e2e_fail "completion quoting: $(completes hoardex roll --monster a)"
# With its output not a terminal the screen program refuses in one line.
cd "$WORK" && e2e_cli <<'CASES'
1 | hx | =hoardex: the screen program needs a terminal as its standard output; 'hoardex --help' lists the commands that write reports anywhere.
CASES
