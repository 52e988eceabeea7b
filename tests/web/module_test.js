// The engine module in node, against the command line: the same requests,
// valid and refused, give the same text, JSON, message and status through
// both; texts of megabytes pass through the heap; a refused file leaves the
// files before loaded.
// Usage: node module_test.js HOARDEX_BIN DATA_DIR BUILD_WEB_DIR
'use strict';
const { execFileSync, spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const assert = require('assert');

const [hoardex, data, web] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'hxmod-'));
for (const f of ['monster', 'area', 'setup']) fs.copyFileSync(`${data}/${f}.hxi`, `${work}/${f}.hxi`);
const { createHoardex } = require(path.resolve(web, 'hoardex-engine.js'));

function cli(args) {
  const r = spawnSync(hoardex, args, { cwd: work, encoding: 'utf8' });
  return { status: r.status, out: r.stdout, err: r.stderr };
}

// A generator of requests that repeats from its seed: every other request
// draws valid values only ([valid, refused] in each pool).
let state = 7, good = false;
const pick = (list) => list[((state = (state * 1103515245 + 12345) % 2147483648) >>> 16) % list.length];
const draw = ([ok, bad]) => pick(good ? ok : ok.concat(bad));
const POOLS = {
  monster: [['3', 'dusk', 'Mirewight, Mire Hag', '46'], ['mirewight', 'xyzzy', '0', '4294967297', '  ', '', 'mrie_hag']],
  lair: [['1', 'wiz', '15', 'sunken_temple'], ['']],
  cdf: [['30', '010', ' 8 '], ['8589934622', '0', '0x10', '', '99999999999999999999999']],
  groupCdf: [['40'], ['100', '-1']],
  station: [['3'], ['11', '4294967299']],
  mel: [['9'], ['51']],
  yes: [['king', 'none', 'intelligent,magic-user'], ['none,king', ',', 'bogus']],
  gameDate: [['3/4/1021'], ['1/1/0', '1/1', '4294967297/1/1']],
  position: [['By the ford'], ['semi;colon', '']],
};
const SEEDS = [['42', '7', '4294967295', '010', '99'], ['4294967338', '-1', '']];
const OPTION = { groupCdf: '--group-cdf', gameDate: '--game-date' };

function settingsRequest() {
  const req = {};
  for (const [key, values] of Object.entries(POOLS))
    if (pick([true, false, false, false, false, false])) req[key] = draw(values);
  return req;
}
function settingsArgs(req) {
  const args = [];
  for (const [key, value] of Object.entries(req))
    if (key in POOLS) args.push(OPTION[key] || '--' + key, value);
  return args;
}

// What the command line said on standard error, as the module says it.
function said(r) {
  return r.notes.concat(r.message ? [r.message] : []).map((l) => 'hoardex: ' + l + '\n').join('');
}

(async () => {
  const engine = await createHoardex();
  const raw = (command, req) => engine.call(command, req, true);
  let compared = 0;
  const statuses = [0, 0, 0], done = {}, refusals = {};
  const same = (what, module, line, shown) => {
    statuses[line.status]++;
    const kind = what.split(' ')[0], tally = line.status ? refusals : done;
    tally[kind] = (tally[kind] || 0) + 1;
    assert.strictEqual(module.status, line.status, `${what}: status\n${line.err}`);
    assert.strictEqual(said(module), line.err, `${what}: message`);
    assert.strictEqual(shown, line.out, `${what}: output`);
    compared++;
  };

  for (let i = 0; i < 60; i++) {
    good = i % 2 === 0;
    const req = Object.assign(settingsRequest(), { seed: draw(SEEDS), count: draw([['1', '2', '3'], ['0', '4294967297', '']]) });
    const json = pick([false, true]);
    const m = raw('roll', Object.assign({}, req, json ? { json: true } : {}));
    const args = ['roll', ...settingsArgs(req), '--seed', req.seed, '--count', req.count];
    same('roll ' + JSON.stringify(req), m, cli(json ? args.concat(['--format', 'json']) : args), json ? m.json : m.text);
  }
  for (let i = 0; i < 40; i++) {
    good = i % 2 === 0;
    const req = Object.assign(settingsRequest(), { seed: draw(SEEDS), n: draw([['7', '12'], ['0', '10000001', '4294967303', '']]) });
    const format = pick(['text', 'json', 'csv']);
    const m = raw('stats', Object.assign({ format }, req));
    const line = cli(['stats', ...settingsArgs(req), '--seed', req.seed, '-n', req.n, '--format', format]);
    same('stats ' + JSON.stringify(req), m, line, format === 'json' ? m.json : m.text);
  }
  // Scripts: one of the program's own, one with words it leaves out, one
  // that stops making sense, and nothing.
  cli(['roll', '--seed', '5', '--monster', 'rune_mender', '--mel', '9', '--script-out', 'own.hxs']);
  const scripts = [fs.readFileSync(`${work}/own.hxs`, 'utf8'),
    '1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n4 89 20 30 0 -1\n----------\nMANUAL-GENERATION\n' +
      '< L1_COINS SHINY >\n< >\nSTRAY\n< L1_GEMJJ\nEND-OF-SECTION\n', '1 2\nnonsense\n', ''];
  for (let i = 0; i < 30; i++) {
    good = i % 2 === 0;
    const script = pick(scripts), seed = draw(SEEDS), json = pick([false, true]), strict = pick([false, true]);
    fs.writeFileSync(`${work}/s.hxs`, script);
    const m = raw('run', { script, seed, name: 's.hxs', json, strict });
    const args = ['run', 's.hxs', '--seed', seed].concat(json ? ['--format', 'json'] : [], strict ? ['--strict'] : []);
    same('run ' + i, m, cli(args), json ? m.json : m.text);
  }
  for (const explain of [false, true]) {
    const m = raw('check', { explain });
    same('check', m, cli(explain ? ['check', '--explain'] : ['check']), m.text);
  }
  // A manual list against hoardex manual; the settings text against the
  // setup.hxi that hoardex save writes (put back after each).
  const setup = fs.readFileSync(`${data}/setup.hxi`, 'utf8');
  for (let i = 0; i < 50; i++) {
    good = i % 2 === 0;
    const req = Object.assign(settingsRequest(), { seed: draw(SEEDS) });
    const picks = [pick(['L1_COINS', 'AREA 2 1', 'AREA 500 0']), pick(['L1_MAGIC', 'AREA 0 1', 'junk', 'L2_GEMJJ'])];
    const m = raw('manual', Object.assign({ picks }, req));
    same('manual ' + JSON.stringify(req), m, cli(['manual', ...settingsArgs(req), '--seed', req.seed, ...picks]), m.text);
    const outputName = draw([['hoard', 'x{1}_'], ['bad.name', '123456789']]);
    const saved = raw('setupText', Object.assign({ outputName }, req));
    const line = cli(['save', ...settingsArgs(req), '--output', outputName]);
    line.out += fs.readFileSync(`${work}/setup.hxi`, 'utf8');
    fs.writeFileSync(`${work}/setup.hxi`, setup);
    same('save ' + outputName + JSON.stringify(req), saved, line, saved.status ? setup : saved.text);
  }
  const kinds = ['roll', 'stats', 'run', 'manual', 'save'];
  assert.ok(compared >= 200 && statuses.every((n) => n >= 10) && kinds.every((k) => done[k] >= 5 && refusals[k] >= 5),
    `${compared} requests compared, ${statuses} by status; ${JSON.stringify({ done, refusals })}`);

  // rollJson gives the reports of roll --format json as objects.
  const jsonLines = cli(['roll', '--seed', '42', '--count', '2', '--format', 'json']).out.trim().split('\n');
  assert.deepStrictEqual(engine.rollJson({ seed: 42, count: 2 }), jsonLines.map((l) => JSON.parse(l)));
  // The settings text comes back whole through the documented interface.
  assert.strictEqual(engine.setupText({}, 'ok'), fs.readFileSync(`${data}/setup.hxi`, 'utf8').replace(/^\w+/, 'ok'));
  // 64-bit numbers are refused as the command line refuses them, and roll()
  // throws the words; the page's own bound on the count comes first there.
  const most = engine.info().ranges.count[1];
  for (const [o, message] of [[{ cdf: '8589934622' }, '--cdf: Value 8589934622 not in range 1 to 99'],
    [{ count: String(most + 1) }, `--count: Value ${most + 1} not in range 1 to ${most}`],
    [{ monster: '4294967297' }, '--monster: the number must be 1 to 46'],
    [{ seed: '4294967338' }, '--seed: Value 4294967338 not in range 0 to 4294967295']])
    assert.throws(() => engine.roll(o), (e) => e.message === message && e.status === 2);
  assert.strictEqual(raw('roll', { count: '4294967297' }).message, '--count: Value 4294967297 not in range 1 to 1000000');
  // No settings file: setup null, as the program starts without one.
  assert.strictEqual(engine.load({ setup: null }), 'No saved settings yet: starting with the defaults.');
  engine.load();
  // An empty text is an option not given; no answer ticked is every answer no.
  assert.strictEqual(engine.roll({ seed: 1, position: '', comment: '' }), cli(['roll', '--seed', '1']).out);
  assert.strictEqual(engine.roll({ monster: 31, seed: 1, yes: [] }), cli(['roll', '--monster', '31', '--seed', '1', '--yes', 'none']).out);
  // Megabytes through the heap: a file padded to 1.5 MB loads, a script of
  // 1.3 MB runs; a file over the program's limit is refused in its words and
  // the files before still work.
  const monster = fs.readFileSync(`${data}/monster.hxi`, 'utf8');
  engine.load({ monster: monster + ' '.repeat(1500000) });
  assert.match(engine.roll({ seed: 42 }), /Treasure in lair/);
  assert.strictEqual(typeof engine.run(' '.repeat(1306325)), 'string');
  const before = engine.roll({ seed: 1 });
  const over = cli(['check']);
  fs.writeFileSync(`${work}/monster.hxi`, monster + ' '.repeat(4 * 1048576));
  const refused = cli(['roll']);
  assert.notStrictEqual(refused.status, 0, 'the command line refuses a file over its limit');
  assert.throws(() => engine.load({ monster: monster + ' '.repeat(4 * 1048576) }),
    (e) => e.status === refused.status && refused.err.startsWith(e.message));
  assert.strictEqual(engine.roll({ seed: 1 }), before);
  assert.strictEqual(engine.check(), over.out);
  console.log(`${compared} requests the same through the command line and the module (${statuses} by status)`);
})().catch((e) => {
  console.error(e.stack || e);
  process.exit(1);
});
