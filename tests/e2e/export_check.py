#!/usr/bin/env python3
"""Reads every export format with a real parser (csv, cmark-gfm, json, an HTML
parser) and checks that each gives the items of `--format json` in order.
Usage: export_check.py HOARDEX_BIN ARGS... (a roll, run or export command,
run in the current folder; for export, EXPECTED_LINES_FILE names the file
whose lines the items are)."""
import csv, html.parser, io, json, os, re, subprocess, sys

hoardex, args = sys.argv[1], sys.argv[2:]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", " ".join(args), what, file=sys.stderr)


def out(*more):
    r = subprocess.run([hoardex, *args, *more], capture_output=True)
    check(r.returncode == 0, f"{more}: status {r.returncode} {r.stderr!r}")
    return r.stdout.decode()  # strict: every byte not UTF-8 became U+FFFD


class Cells(html.parser.HTMLParser):
    """The first cell of every table row but the head's, <br> a line end."""
    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.rows, self.cell, self.column = [], None, 0
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        if tag == "tr": self.column = 0
        if tag == "td": self.column += 1; self.cell = "" if self.column == 1 else None
        if tag == "br" and self.cell is not None: self.cell += "\n"

    def handle_endtag(self, tag):
        if tag == "td" and self.cell is not None: self.rows.append(self.cell); self.cell = None

    def handle_data(self, data):
        if self.cell is not None: self.cell += data


# The expected items: (report, section, category, text) from the JSON, or
# the lines of an output file's reports (each rule but the file's first
# byte starts one); the units of each report's ledger.
RULE = "-" * 75
if args[0] == "export":
    items = []
    with open(os.environ["EXPECTED_LINES_FILE"], encoding="utf-8", errors="replace", newline="") as f:
        lines = f.read().split("\n")
    report = 1
    for k, line in enumerate(lines):
        report += k > 0 and line.rstrip("\r") == RULE
        if line.strip() and line.rstrip("\r") != RULE:
            items.append((str(report), "", "", line.rstrip("\r")))
    only = args[args.index("--report") + 1] if "--report" in args else None
    items = [i for i in items if only in (None, i[0])]
    reports = 1 if only else report
    units = {}
else:
    objects = [json.loads(l) for l in out("--format", "json").splitlines()]
    reports = len(objects)
    items = [(str(n), s["name"], e.get("category", ""),
              e["text"].rstrip("\n") if e["kind"] == "text" else "\n".join(e["lines"]))
             for n, o in enumerate(objects, 1) for s in o["sections"] for e in s["entries"]]
    check(all(isinstance(o["seed"], int) for o in objects), "every JSON report has its seed")
    units = {str(n): list(o["ledger"]["total"]) for n, o in enumerate(objects, 1)}
texts = [i[3] for i in items]
# The first cells of the tables: each report's items, then its ledger's units.
cells_wanted = [c for n in sorted({i[0] for i in items} | set(units), key=int)
                for c in [i[3] for i in items if i[0] == n] + units.get(n, [])]

rows = list(csv.reader(io.StringIO(out("--format", "csv"), newline="")))
check(rows[0] == ["report", "section", "category", "text", "amount", "unit", "value_kind"], "CSV header")
check([tuple(r[:4]) for r in rows[1:]] == items, "CSV rows are the items")

page = subprocess.run(["cmark-gfm", "--unsafe", "-e", "table"], input=out("--format", "markdown").encode(),
                      capture_output=True).stdout.decode()
check(page.count("<h2>") == reports, "a Markdown heading per report")
# A table cell drops the blanks around its text.
check(Cells(page).rows == [c.strip() for c in cells_wanted], f"Markdown table cells: {Cells(page).rows[:9]}")

journals = [json.loads(l) for l in out("--format", "foundry").splitlines()]
check(len(journals) == reports, "a journal entry per report")
cells = []
for j in journals:
    page = j["pages"][0]
    check(isinstance(j["name"], str) and j["name"].startswith("Hoard: ") and page["type"] == "text"
          and isinstance(page["name"], str) and page["text"]["format"] == 1
          and isinstance(j["_stats"]["coreVersion"], str) and j["_stats"]["coreVersion"].startswith("13.")
          and "seed" in j["flags"]["hoardex"] and "settings" in j["flags"]["hoardex"], f"journal fields: {j}")
    cells += Cells(page["text"]["content"]).rows
check(cells == cells_wanted, "the journal's cells are the items and the ledger")

tables = [json.loads(l) for l in out("--format", "foundry-table").splitlines()]
names = []
for t in tables:
    n = len(t["results"])
    check(t["formula"] == f"1d{max(n, 1)}" and all(
        r["type"] == "text" and r["range"] == [k, k] and r["weight"] == 1 and isinstance(r["name"], str)
        for k, r in enumerate(t["results"], 1)), f"roll table fields: {t}")
    names += [r["name"] for r in t["results"]]
check(names == [re.sub(r"\r\n|\r|\n", " ", t) for t in texts], "the roll table's results are the items")

macros = out("--format", "roll20").splitlines()
check(len(macros) == reports and all(
    re.fullmatch(r"&\{template:default\}( \{\{[^=}]+=([^}]|\}(?!\}))*\}\})+", m) for m in macros),
    f"a macro of whole fields per report: {macros}")
sys.exit(1 if failures else 0)
