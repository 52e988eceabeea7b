#!/usr/bin/env bash
# hoardex roll: with one seed, the bytes of keys 7, 7 on the screen; only
# --append writes; JSON parses; bad values are refused with their statuses.
. "$(dirname "$0")/lib.sh"

e2e_setup
cd "$WORK" || exit 1
printf 'default\n2 4 30 40 12\n0 0 0 0\n3 4 1021\n' >setup.hxi
before=$(e2e_listing)
"$HOARDEX_BIN" roll --seed 42 --count 2 >rolled || e2e_fail "roll failed"
[ "$(e2e_listing)" = "$before" ] ||
  e2e_fail "roll changed the folder"
grep -qx "Monster    : Mirewight, Mire Hag" rolled &&
  [ "$(grep -c '^Date       : ' rolled)" = 2 ] || e2e_fail "not two reports for setup.hxi"

e2e_start 80 26 "--seed 42"
for press in 1 2; do
  e2e_wait "Enter your choice :"
  e2e_keys 7
  e2e_wait "Hit any key to continue."
  for _ in 1 2 3 4 5 6; do
    e2e_screen | grep -qF "MAIN MENU" && break
    e2e_keys Space
    sleep 0.3
  done
done
e2e_wait "MAIN MENU"
e2e_keys q n y
e2e_wait_exit
cmp rolled default.hxo || e2e_fail "roll and key 7 differ"
"$HOARDEX_BIN" --seed 42 roll --count 2 | cmp -s - rolled ||
  e2e_fail "a seed before the command is not the roll's"

"$HOARDEX_BIN" roll --seed 42 --count 2 --append >/dev/null &&
  [ "$(cat rolled rolled)" = "$(cat default.hxo)" ] || e2e_fail "--append differs"

"$HOARDEX_BIN" roll --seed 7 --count 3 --format json --monster 'MIREWIGHT, bog lurker' \
  --yes king,magic-user --position 'By the ford' >json || e2e_fail "json roll failed"
python3 - json <<'PY' || e2e_fail "JSON does not hold the reports"
import json, sys
reports = [json.loads(line) for line in open(sys.argv[1])]
assert len(reports) == 3
r = reports[0]
assert r["monster"] == "Mirewight, Bog Lurker" and r["position"] == "By the ford"
assert r["settings"]["answers"] == ["magic-user", "king"] and r["settings"]["cdf"] == 30
assert [s["name"] for s in r["sections"]] == ["Portable treasure", "Treasure in lair"]
lair = r["sections"][1]["entries"]
assert len(lair) == 3 and all(e["kind"] == "item" and e["lines"] for e in lair)
PY

refused() {  # refused STATUS MESSAGE-PART ARGS...
  local want=$1 text=$2 got
  shift 2
  "$HOARDEX_BIN" "$@" >out 2>err && got=0 || got=$?
  [ "$got" = "$want" ] && [ "$(wc -l <err)" -le 2 ] && grep -qF -- "$text" err ||
    e2e_fail "$* gave status $got: $(cat err)"
}
refused 2 "--cdf: Value 0 not in range 1 to 99" roll --cdf 0
refused 2 "--station: Value 11 not in range 0 to 10" stats --station 11
refused 2 "close matches: 2 Mirewight, Bog Lurker, 3 Mirewight, Mire Hag" roll --monster mirewight
refused 2 "--yes: no answer named 'queen'" roll --yes queen
refused 2 "--game-date" roll --game-date 1/100/5
refused 2 "frobnicate" frobnicate
for command in "" roll run check stats init; do
  "$HOARDEX_BIN" $command --help | grep -q "^Usage:" || e2e_fail "no help for '$command'"
done
[ "$("$HOARDEX_BIN" --version)" = "hoardex 1.0" ] || e2e_fail "version"
rm monster.hxi
refused 1 "Make sure 'monster.hxi' is in current directory." roll
echo PASS
