#!/usr/bin/env python3
"""The page in headless chromium, driven over the DevTools protocol through a
pipe, against the command line: reports, ledgers, exports and statistics
give hoardex's bytes; history, form and links survive reloads; printing
shows the report alone; no console error. Writes screenshots to SHOTS.
Usage: browser_test.py HOARDEX_BIN DATA_DIR BUILD_WEB_DIR ENGINE_BUILD SHOTS"""
import base64, json, os, re, signal, subprocess, sys, tempfile, time, urllib.parse

signal.alarm(300)  # a browser that stops answering fails the test

hoardex, data, web, engine_build, shots = sys.argv[1:6]
work = tempfile.mkdtemp()
for name in ("monster", "area", "setup"):
    with open(f"{data}/{name}.hxi", "rb") as f, open(f"{work}/{name}.hxi", "wb") as g:
        g.write(f.read())
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def cli(*args):
    r = subprocess.run([hoardex, *args], cwd=work, capture_output=True, timeout=60)
    return r.stdout.decode(), r.stderr.decode()


# The dice of the browser build come from the engine's own generator: the C
# library's rand() of emscripten draws other values than the program's.
objects = [os.path.join(d, f) for d, _, names in os.walk(f"{engine_build}/CMakeFiles")
           for f in names if f.endswith(".o")]
symbols = subprocess.run(["emnm", *objects], capture_output=True, text=True,
                         env={"NODE_PATH": "/usr/share/nodejs", **os.environ}).stdout
check(objects and not re.search(r" U s?rand$", symbols, re.M),
      "the browser build calls no rand() or srand() of the C library")
hosted = ["app.js", "hoardex-engine.js", "index.html", "style.css"]
check(sorted(os.listdir(web)) == hosted, f"build-web holds only the files to host: {os.listdir(web)}")

# The browser reads commands on descriptor 3 and answers on 4.
to_browser, from_browser = os.pipe(), os.pipe()
os.set_inheritable(to_browser[0], True)
os.set_inheritable(from_browser[1], True)


def child_fds():
    os.dup2(to_browser[0], 3)
    os.dup2(from_browser[1], 4)


browser = subprocess.Popen(
    ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
     "--no-first-run", "--disable-background-networking", "--disable-component-update",
     "--disable-sync", "--remote-debugging-pipe", f"--user-data-dir={work}/profile",
     "about:blank"], preexec_fn=child_fds, pass_fds=(3, 4),
    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
out, inp = os.fdopen(to_browser[1], "wb"), os.fdopen(from_browser[0], "rb")
pending, events, next_id = b"", [], [0]


def receive():
    global pending
    while b"\0" not in pending:
        chunk = os.read(inp.fileno(), 1 << 16)
        if not chunk:
            raise SystemExit("the browser closed the pipe")
        pending += chunk
    message, pending = pending.split(b"\0", 1)
    return json.loads(message)


def send(method, session=None, **params):
    next_id[0] += 1
    message = {"id": next_id[0], "method": method, "params": params}
    if session:
        message["sessionId"] = session
    out.write(json.dumps(message).encode() + b"\0")
    out.flush()
    while True:
        m = receive()
        if m.get("id") == next_id[0]:
            if "error" in m:
                raise SystemExit(f"{method}: {m['error']}")
            return m["result"]
        events.append(m)


target = send("Target.createTarget", url="about:blank")["targetId"]
page = send("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
for domain in ("Page", "Runtime", "Log"):
    send(f"{domain}.enable", page)


def js(expression):
    r = send("Runtime.evaluate", page, expression=expression, awaitPromise=True,
             returnByValue=True)
    if "exceptionDetails" in r:
        raise SystemExit(f"{expression[:60]}: {r['exceptionDetails']}")
    return r["result"].get("value")


def wait_for(expression, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        if js(expression):
            return True
        time.sleep(0.05)
    return False


def open_page(fragment=""):
    send("Page.navigate", page, url="about:blank")
    send("Page.navigate", page, url=f"file://{os.path.abspath(web)}/index.html{fragment}")
    check(wait_for("document.body && document.body.dataset.ready === 'yes'"), "the page starts")


def text(element_id):
    return js(f"document.getElementById('{element_id}').textContent")


def set_field(element_id, value, click=None):
    js(f"""(() => {{ const e = document.getElementById('{element_id}'); e.value = {json.dumps(value)};
      for (const k of ['input', 'change']) e.dispatchEvent(new Event(k, {{bubbles: true}}));
      if ({json.dumps(click)}) document.getElementById({json.dumps(click)}).click(); }})()""")


open_page()
settings = ["--monster", "3", "--lair", "2", "--cdf", "30", "--yes", "intelligent",
            "--game-date", "3/4/1021", "--position", "By the ford", "--comment", "Second visit"]
expected_one, _ = cli("roll", "--seed", "42", *settings)
options = {"monster": 3, "lair": "2", "cdf": 30, "yes": ["intelligent"], "gameDate": "3/4/1021",
           "position": "By the ford", "comment": "Second visit", "seed": 42, "count": 1}

# The panel follows the monster the next report will use; what names none is
# said beside the field, in the page's words (the module keeps the command's).
set_field("monster", "hag")
check(js("!!document.querySelector('[data-answer=intelligent]')") and text("monster-note") == "",
      "a partly typed monster's questions are shown")
for typed in ("99: x", "fire drake"):
    set_field("monster", typed, click="generate")
    check(text("monster-note") == text("message") == f"No monster's name holds '{typed}'.",
          f"'{typed}' is said to be no monster: {text('message')}")

# Through the page: the form filled as a user would, then a click on Generate.
js("""(() => { const set = (id, v) => { const e = document.getElementById(id); e.value = v;
  for (const k of ['input', 'change']) e.dispatchEvent(new Event(k, {bubbles: true})); };
  set('monster', '3: ' + document.querySelector('#monster-list option:nth-child(3)').value.split(': ')[1]);
  set('lair', '2'); set('cdf', '30'); set('day', '3'); set('month', '4'); set('year', '1021');
  set('position', 'By the ford'); set('comment', 'Second visit'); set('seed', '42');
  document.querySelector('[data-answer=intelligent]').click(); })()""")
js("document.getElementById('generate').click(); document.getElementById('generate').click()")
report = js("document.getElementById('report').textContent")
check(report == expected_one, "the page's report equals hoardex roll's bytes")
check(text("message") == "", "no message after Generate")
# Each number field says what it does, in the words of the options' help.
helps = " ".join(cli("roll", "--help")[0].split())
for field in ("cdf", "groupCdf", "jewelerEl"):
    does = text(f"{field}-does")
    check(does and "): " + does in helps, f"the {field} field says what it does: {does}")
# The ledger under the report: hoardex roll --rank's, then with rates and a
# split; the rank also as a marker on the bar (found by its place) of the
# module's bin for this hoard, past the hoards of the bars before it that
# have less and within those up to it.
one = json.dumps(options)
for extra in ((), ("--rates", "10,10,10", "--split", "3")):
    set_field("ledger-rates", "10,10,10" if extra else "")
    set_field("ledger-split", "3" if extra else "")
    want = cli("roll", "--seed", "42", "--rank", *extra, *settings)[0][len(expected_one) + 1:]
    check(text("ledger-text") == want, f"the ledger panel shows hoardex roll --rank {extra}'s ledger: {text('ledger-text')[:60]}")
    marked = js("""[...document.querySelectorAll('#ledger-rank svg')].map(s => { const x = +s.querySelector('line').getAttribute('x1');
      return [...s.querySelectorAll('rect')].findIndex(r => x > +r.getAttribute('x') && x < +r.getAttribute('x') + +r.getAttribute('width')); })""")
    ledger = js(f"""createHoardex().then(e => {{ e.roll({one});
      return e.ledger({{...{one}, rank: true, rates: '{"10,10,10" if extra else ""}'}}, [e.ledgers[0]]).json; }})""")
    units = [*reversed([k for k in ledger["rank"] if k != "total"]), *(["total"] if extra else [])]
    bins = [ledger["rank_bins"][k] for k in units]
    check(len(units) == 4 + len(extra) // 4 and marked == [b["bin"] for b in bins] and all(
        sum(b["hoards"][:b["bin"]]) - 1 <= ledger["rank"][k] * 20 <= sum(b["hoards"][:b["bin"] + 1]) + 1
        for k, b in zip(units, bins)), f"the rank's markers stand on the bins of the rank: {marked}, {ledger['rank']}")
set_field("ledger-rates", "10,10")
check(text("ledger-text") == "Exchange rates: the rates need three numbers (BB a CC, CC an SC, SC a GC), not 2",
      f"refused rates are said in the panel: {text('ledger-text')}")
set_field("ledger-rates", "")
set_field("ledger-split", "")
link = ("#roll?monster=3&lair=2&cdf=30&yes=intelligent&game-date=3%2F4%2F1021"
        "&position=By%20the%20ford&comment=Second%20visit&seed=42&count=1")

# A bad monster file: the loader's message, as the program's start gives it.
bad = f"{work}/bad/monster.hxi"
os.makedirs(os.path.dirname(bad))
with open(bad, "w") as f:
    f.write("2\nBog_Lurker Mirewight 3 0x1\nMire_Hag Mirewight 999999 0x2\n")
for name in ("area", "setup"):
    os.link(f"{work}/{name}.hxi", f"{work}/bad/{name}.hxi")
message = subprocess.run([hoardex, "roll"], cwd=f"{work}/bad", capture_output=True).stderr.decode().strip()
node = send("DOM.getDocument", page)["root"]["nodeId"]
file_input = send("DOM.querySelector", page, nodeId=node, selector="#file-monster")["nodeId"]
send("DOM.setFileInputFiles", page, nodeId=file_input, files=[bad])
check(message and wait_for(f"document.getElementById('message').textContent === {json.dumps(message)}"),
      f"a bad monster file shows the loader's message: {message}")
check(js("document.getElementById('monster-list').options.length") > 2, "the samples stay loaded")

# The history survives a reload; its download holds the report's bytes.
open_page()
check(js("document.querySelector('#history pre').textContent") == report,
      "the history keeps the report across a reload")
form = js("""['monster', 'cdf', 'day', 'position', 'seed'].map(id => document.getElementById(id).value)
  .concat([document.querySelector('[data-answer=intelligent]').checked])""")
check(form == ["3: Mirewight, Mire Hag", "30", "3", "By the ford", "42", True],
      f"a reload keeps the form's last settings: {form}")
heads = js("[...document.querySelectorAll('#history summary')].map(s => s.textContent)")
check(len(heads) == 2 and re.fullmatch(r"#2 · .+ · Mirewight, Mire Hag · Cave · game date 3/4/1021 · seed 42",
                                       heads[0]), f"entries show number, monster, lair, date, seed: {heads}")
set_field("history-search", "no such text")
check(text("history") == "No report holds 'no such text'.", "a search with no match says so")
set_field("history-search", "")
downloads = f"{work}/downloads"
os.makedirs(downloads)
send("Browser.setDownloadBehavior", behavior="allow", downloadPath=downloads)


def downloaded(name):
    end = time.time() + 20
    while time.time() < end and not os.path.exists(f"{downloads}/{name}"):
        time.sleep(0.05)
    return open(f"{downloads}/{name}", "rb").read() if os.path.exists(f"{downloads}/{name}") else b""


js("document.querySelector('#history button').click()")
check(downloaded("default.hxo") == report.encode(), "the download holds the report's bytes")

# Another tab removed #1; this one, still showing it, removes #2: #2 goes,
# by its number (not #3, now where #2 was), and Undo brings it back.
js("document.getElementById('generate').click()")
check(wait_for("document.querySelectorAll('#history li').length === 3"), "a third report is kept")
js("localStorage.setItem('hoardex.history', JSON.stringify(JSON.parse(localStorage.getItem('hoardex.history')).slice(1)))")
js("document.querySelector('#history li[data-id=\"2\"] button:last-child').click()")
ids = "JSON.parse(localStorage.getItem('hoardex.history')).map(h => h.id)"
check(js(ids) == [3] and text("history-note").startswith("Report #2 removed."), f"Remove takes #2: {js(ids)}")
js("document.querySelector('#history-note button').click()")
check(js(ids) == [2, 3], f"Undo puts #2 back: {js(ids)}")
# Both marked: their combined ledger, from the ledgers kept with them.
js("document.querySelectorAll('#history [data-mark]').forEach(b => b.click())")
both = js(f"createHoardex().then(e => {{ e.roll({one}); return e.ledger({{}}, [e.ledgers[0], e.ledgers[0]]).text; }})")
check(both.startswith("Ledger of 2 reports:\n") and text("history-ledger") == both,
      f"two marked reports show their combined ledger: {text('history-ledger')[:60]}")

# The page picks a seed when none is typed and keeps it; the link rebuilds
# the report, as hoardex roll does with the link's options.
set_field("seed", "4294967296", click="generate")
check(text("message") == "Seed: at most 4294967295.", f"a seed over 32 bits is refused: {text('message')}")
set_field("seed", "", click="generate")
set_field("seed", "42")
js("document.getElementById('link').click()")
made, picked = js("location.hash"), text("report")
params = dict(urllib.parse.parse_qsl(made[len("#roll?"):]))
check(cli("roll", *[f"--{k}={v}" for k, v in params.items()])[0] == picked and
      js("document.querySelector('#history summary').textContent").endswith("seed " + params["seed"]),
      f"the link's options give the report: {made}")
for fragment, want in ((made, picked), (link + "&files=0123456789ab", ""), (link, expected_one)):
    open_page(fragment)
    check(text("report") == want and (text("message") == "") == bool(want), f"{fragment} shows {want[:40]}")

# Printing gives the report alone, its lines whole on A4 and on Letter.
send("Emulation.setEmulatedMedia", page, media="print")
for paper, width in (("A4", 688), ("Letter", 710)):
    send("Emulation.setDeviceMetricsOverride", page, width=width, height=900, deviceScaleFactor=1, mobile=False)
    shown = js("""['settings', 'report', 'copy', 'stats-run'].map(id =>
      document.getElementById(id).getClientRects().length > 0).concat([
      document.getElementById('report').scrollWidth <= document.getElementById('report').clientWidth])""")
    check(shown == [False, True, False, False, True], f"the {paper} print shows the report alone: {shown}")
    with open(f"{shots}/print-{paper}.png", "wb") as f:
        f.write(base64.b64decode(send("Page.captureScreenshot", page)["data"]))
send("Emulation.setEmulatedMedia", page, media="")
js("navigator.clipboard.writeText = t => Promise.resolve(window.copied = t)")
js("document.getElementById('copy').click()")
check(wait_for("window.copied") and js("window.copied") == expected_one, "Copy gives the report's text")
# The exports are the command line's: the Markdown copied, the journal entry downloaded.
js("window.copied = ''; document.querySelector('[data-copy=markdown]').click()")
check(wait_for("window.copied") and js("window.copied") == cli("roll", "--seed", "42", "--format", "markdown",
                                                              *settings)[0], "Copy as Markdown gives roll's Markdown")
js("document.querySelector('[data-export=foundry]').click()")
check(downloaded("default-journal.json").decode() == cli("roll", "--seed", "42", "--format", "foundry",
                                                         *settings)[0], "the journal entry download is roll's")

# The statistics: refused outside 1 to 100000; counted in a worker, as
# hoardex stats counts them; a long count cancelled while the page answers.
for n in ("0", "100001"):
    set_field("stats-n", n, click="stats-run")
    check(text("message").startswith("Generations: ") and not js("document.getElementById('stats-text').textContent"),
          f"{n} generations are refused")
set_field("stats-n", "100000", click="stats-run")
check(wait_for("/about \\d+% done/.test(document.getElementById('stats-words').textContent)", 60),
      f"a long count shows its progress: {text('stats-words')}")
js("document.getElementById('stats-cancel').click()")
check(text("stats-words") == "Counting cancelled." and not text("stats-text"), "Cancel stops the count")
first = js("""new Promise(done => { const t = document.getElementById('stats-text');
  new MutationObserver(() => t.textContent && done(t.textContent)).observe(t, {childList: true});
  document.getElementById('stats-n').value = '3000'; document.getElementById('stats-run').click(); })""")
check(cli("stats", "-n", "3000", "--seed", "42", *settings[:8])[0].endswith(first),
      f"after a cancel, the first statistics shown are hoardex stats': {first[:40]}")

# Stored data that does not read as expected is set aside; the page starts.
for raw in ('{"a":1}', '"abc"', "[null]"):
    js(f"localStorage.setItem('hoardex.history', {json.dumps(raw)})")
    open_page()
    aside = js("localStorage.getItem('hoardex.history.set-aside')")
    js("localStorage.removeItem('hoardex.history.set-aside')")
    check(aside == raw and "hoardex.history.set-aside" in text("message"), f"{raw} is set aside: {aside}")
open_page("#roll?monster=31&mel=9&cel=4&seed=1")
check(js("['mel', 'cel'].map(id => document.getElementById(id).value)") == ["9", "4"], "a link fills MEL and CEL")

js("document.getElementById('generate').click()")
for width, height in ((1280, 800), (390, 844)):
    send("Emulation.setDeviceMetricsOverride", page, width=width, height=height,
         deviceScaleFactor=1, mobile=width < 500)
    shot = send("Page.captureScreenshot", page)["data"]
    with open(f"{shots}/screenshot-{width}x{height}.png", "wb") as f:
        f.write(base64.b64decode(shot))
    check(js("document.documentElement.scrollWidth") <= width, f"nothing wider than {width} px")

errors = [e for e in events if e.get("method") == "Runtime.exceptionThrown"
          or (e.get("method") == "Runtime.consoleAPICalled" and e["params"]["type"] == "error")
          or (e.get("method") == "Log.entryAdded" and e["params"]["entry"]["level"] == "error")]
check(not errors, f"no console error: {errors[:2]}")
send("Browser.close")
browser.wait(timeout=30)
print("browser tests:", "failed: " + "; ".join(failures) if failures else "all passed")
sys.exit(1 if failures else 0)
