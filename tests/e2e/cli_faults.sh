#!/usr/bin/env bash
# The command line where the real process matters: past `ulimit -f` the
# signal must not cut a report; a closed standard output is an error; run
# refuses a FIFO without waiting and keeps its memory bounded whatever the
# size of the script.
. "$(dirname "$0")/lib.sh"

e2e_setup
cd "$WORK" || exit 1

(ulimit -f 8 && GCOV_PREFIX="$E2E_COUNTERS" exec "$HOARDEX_BIN" roll --count 100 --seed 4 --append >/dev/null 2>err)
[ $? = 1 ] && grep -qF "cannot write default.hxo" err || e2e_fail "append past the limit: $(cat err)"
"$HOARDEX_BIN" roll --count 100 --seed 4 | head -c "$(stat -c %s default.hxo)" | cmp -s - default.hxo &&
  [ "$(tail -c 8 default.hxo | tr '\n' '|')" = '|-----||' ] || e2e_fail "a report cut at the limit"

printf '1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n4 89 20 30 0 -1\n----------\nMANUAL-GENERATION\n< L1_COINS >\nEND-OF-SECTION\n' >hand.hxs
for command in "roll" "run hand.hxs" "check" "stats -n 3" "init"; do
  # shellcheck disable=SC2086
  "$HOARDEX_BIN" $command >&- 2>err
  [ $? = 1 ] && grep -qF "cannot write the standard output" err ||
    e2e_fail "$command with standard output closed: $(cat err)"
done

# A FIFO is refused at once, not after a writer comes.
mkfifo fifo.hxs && timeout 10 "$HOARDEX_BIN" run fifo.hxs 2>err
[ $? = 1 ] && grep -qxF "fifo.hxs: not a regular file" err || e2e_fail "run FIFO: $(cat err)"

# The largest resident size of `run` over scripts of 5,000 and 60,000
# items differs by less than 3 MB: nothing grows with the script.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:quarantine_size_mb=0"
for format in text json; do
  python3 - "$HOARDEX_BIN" "$format" <<'PY' || e2e_fail "run --format $format grows with the script"
import resource, subprocess, sys
rss = []
for items in (5000, 60000):
    with open("big.hxs", "w") as f:
        f.write(open("hand.hxs").read().replace("END-OF-SECTION", "< L1_OTHER >\n[ a\n]\n" * items + "END-OF-SECTION"))
    subprocess.run([sys.argv[1], "run", "big.hxs", "--format", sys.argv[2]], stdout=subprocess.DEVNULL, check=True)
    rss.append(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
sys.exit(rss[1] - rss[0] >= 3072)
PY
done
# A long literal text streams too, as text and as JSON: 12 MB of it take
# what 1 MB takes.
python3 - "$HOARDEX_BIN" <<'PY' || e2e_fail "run holds a long text"
import resource, subprocess, sys
head = open("hand.hxs").read().replace("END-OF-SECTION", "[ ")
for mb in (1, 12):
    with open(f"big{mb}.hxs", "w") as f:
        f.write(head)
        for _ in range(mb * 100):  # written a piece at a time: this process stays small
            f.write(("a" * 99 + "\n") * 100)
        f.write("]\nEND-OF-SECTION\n")
for format in ("text", "json"):
    rss = []
    for mb in (1, 12):
        subprocess.run([sys.argv[1], "run", f"big{mb}.hxs", "--format", format],
                       stdout=subprocess.DEVNULL, check=True)
        rss.append(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
    if rss[1] - rss[0] >= 8192:
        sys.exit(format)
PY
echo PASS
