#!/usr/bin/env bash
# The command line where the real process matters: past `ulimit -f` the
# signal must not cut a report; a closed standard output is an error; run
# refuses a FIFO without waiting and keeps its memory bounded whatever the
# size of the script.
. "$(dirname "$0")/lib.sh"

e2e_setup

(ulimit -f 8 && GCOV_PREFIX="$E2E_COUNTERS" exec "$HOARDEX_BIN" roll --count 100 --seed 4 --append >/dev/null 2>err)
[ $? = 1 ] && grep -qF "cannot write default.hxo" err || e2e_fail "append past the limit: $(cat err)"
hx roll --count 100 --seed 4 | head -c "$(stat -c %s default.hxo)" | cmp -s - default.hxo &&
  [ "$(tail -c 8 default.hxo | tr '\n' '|')" = '|-----||' ] || e2e_fail "a report cut at the limit"

printf '1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n4 89 20 30 0 -1\n----------\nMANUAL-GENERATION\n< L1_COINS >\nEND-OF-SECTION\n' >hand.hxs
mkfifo fifo.hxs
# A FIFO is refused at once, not after a writer comes.
e2e_cli <<'CASES'
1 | hx roll >&- | cannot write the standard output
1 | hx run hand.hxs >&- | cannot write the standard output
1 | hx check >&- | cannot write the standard output
1 | hx stats -n 3 >&- | cannot write the standard output
1 | hx init >&- | cannot write the standard output
1 | timeout 10 "$HOARDEX_BIN" run fifo.hxs | =hoardex: cannot read the script fifo.hxs\nfifo.hxs: not a regular file
CASES

# The largest resident size of `run`, as text and as JSON, over scripts of
# 5,000 and 60,000 items differs by less than 3 MB, and over a literal text
# of 1 and 12 MB by less than 8 MB: nothing grows with the script.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:quarantine_size_mb=0"
python3 - "$HOARDEX_BIN" <<'PY' || e2e_fail "run holds what grows with the script"
import os, subprocess, sys
head, tail = open("hand.hxs").read().split("END-OF-SECTION")
for items in (5000, 60000):
    with open(f"items{items}.hxs", "w") as f:
        f.write(head + "< L1_OTHER >\n[ a\n]\n" * items + "END-OF-SECTION" + tail)
for mb in (1, 12):
    with open(f"text{mb}.hxs", "w") as f:
        f.write(head + "[ ")
        for _ in range(mb * 100):  # written a piece at a time: this process stays small
            f.write(("a" * 99 + "\n") * 100)
        f.write("]\nEND-OF-SECTION" + tail)


def peak(name, format):  # in kB, of this run alone
    run = subprocess.Popen([sys.argv[1], "run", name, "--format", format], stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(run.pid, 0)
    assert status == 0, f"{name} {format}: status {status}"
    return usage.ru_maxrss


for format in ("text", "json"):
    grown = peak("items60000.hxs", format) - peak("items5000.hxs", format)
    assert grown < 3072, f"{format}: {grown} kB more for more items"
    grown = peak("text12.hxs", format) - peak("text1.hxs", format)
    assert grown < 8192, f"{format}: {grown} kB more for a longer text"
PY
