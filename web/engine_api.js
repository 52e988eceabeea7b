// hoardex's engine for JavaScript: createHoardex() gives a promise of an
// engine whose methods take the command line's long option names as one
// object and return what the command line prints. Works as a plain script
// (createHoardex is then global) and as a CommonJS module.
(function (root) {
  'use strict';

  function usageError(message, status) {
    const e = new Error(message);
    e.status = status || 2;  // the command line's exit status
    return e;
  }

  // The request of a command from the options: every value as the text the
  // command line would receive (a list joined with commas); an option left
  // out, null or '' is not given. The engine reads and checks each one.
  function request(o, extra) {
    const r = {};
    for (const [k, v] of Object.entries(o || {})) {
      if (v === undefined || v === null || v === '') continue;
      // A list of answers with none in it answers every question no.
      r[k] = Array.isArray(v) ? v.join(',') || (k === 'yes' ? 'none' : '') : String(v);
    }
    return Object.assign(r, extra || {});
  }

  function Engine(module) {
    this.module = module;
    this.stoppedLine = 0;  // where the last run() stopped reading, or 0
    this.ledgers = [];  // the ledgers of the last roll() or manual() as data
  }

  // Passes a text to the module through its heap (a text of any size), and
  // gives the address to free.
  Engine.prototype.heapText = function (text) {
    const m = this.module;
    const size = m.lengthBytesUTF8(text) + 1;
    const at = m._malloc(size);
    if (!at) throw usageError('out of memory', 1);
    m.stringToUTF8(text, at, size);
    return at;
  };

  // One command of the engine with its request; gives the result
  // {status, text, json, message, notes, used, stoppedLine}. A status other
  // than 0 throws the message, unless `keep` says it is a result.
  Engine.prototype.call = function (command, req, keep) {
    const m = this.module;
    const name = this.heapText(command);
    const body = this.heapText(JSON.stringify(req || {}));
    let result;
    try {
      result = JSON.parse(m.UTF8ToString(m._hx_call(name, body)));
    } finally {
      m._free(name);
      m._free(body);
    }
    if (result.status !== 0 && !keep) throw usageError(result.message.replace(/\n$/, ''), result.status);
    return result;
  };

  // Loads the information files from their texts ({monster, area, setup};
  // a text left out is the sample's, setup: null means no settings file),
  // with the checks and messages of the program's start. Returns the notice
  // of the settings file, if any; throws the loader's message, and the files
  // loaded before stay loaded.
  Engine.prototype.load = function (files) {
    files = files || {};
    const text = (k) => (files[k] === undefined ? HOARDEX_SAMPLES[k] : files[k]);
    return this.call('load', { monster: text('monster'), area: text('area'), setup: text('setup') }).message;
  };

  // The text reports of `count` presses of key 7 ({...settings, count, seed});
  // the count within the engine's bound for a page (info().ranges.count).
  Engine.prototype.roll = function (o) {
    const r = this.call('roll', request(o, { bounded: true }));
    this.ledgers = r.ledgers;
    return r.text;
  };

  // The same reports as objects, as `hoardex roll --format json` prints them.
  Engine.prototype.rollJson = function (o) {
    const lines = this.call('roll', request(o, { json: true, bounded: true })).json;
    return lines.split('\n').filter((l) => l).map((l) => JSON.parse(l));
  };

  // The report of a manual list (key 8): picks such as ['L1_COINS',
  // 'L1_MAGIC', 'AREA 3 1'] (3 rolls on the lair's table, adding 1).
  Engine.prototype.manual = function (o, picks) {
    const r = this.call('manual', request(o, { picks: (picks || []).map(String) }));
    this.ledgers = r.ledgers;
    return r.text;
  };

  // One ledger of reports from their ledgers as data (engine.ledgers after
  // a roll or manual list): {text, json} as `hoardex roll --ledger` and its
  // JSON give them, with the options rates, in, split and, for one report,
  // rank (among the hoards of the settings in `o`; the json then also holds
  // rank_bins, those hoards' amounts in bins and this hoard's bin).
  Engine.prototype.ledger = function (o, ledgers) {
    const r = this.call('ledger', request(o, { ledgers: ledgers, rank: !!(o || {}).rank }));
    return { text: r.text, json: JSON.parse(r.json) };
  };

  // The same report in a format for other tools, as `--format` gives it:
  // 'markdown', 'csv', 'foundry' (a journal entry), 'foundry-table',
  // 'roll20'; from a roll ({...settings, count, seed}) or, with picks, from
  // a manual list.
  Engine.prototype.exported = function (format, o, picks) {
    const extra = { format: String(format) };
    if (picks) return this.call('manual', request(o, Object.assign(extra, { picks: picks.map(String) }))).text;
    return this.call('roll', request(o, Object.assign(extra, { bounded: true }))).text;
  };

  // The report of a treasure script ({seed, format}); a script that stops
  // making sense gives what could be read, and stoppedLine names the line.
  Engine.prototype.run = function (script, o) {
    const seed = request({ seed: (o || {}).seed, format: (o || {}).format });
    const r = this.call('run', Object.assign(seed, { script: String(script) }), true);
    if (r.status === 2) throw usageError(r.message, r.status);
    this.stoppedLine = r.stoppedLine;
    return r.text;
  };

  // Every problem of the loaded files, one a line (as `hoardex check`).
  Engine.prototype.check = function () {
    const r = this.call('check', {}, true);
    return r.text || r.message;
  };

  // The monsters and lairs in words (as `hoardex check --explain` adds).
  Engine.prototype.explain = function () {
    return this.call('explain', {}).text;
  };

  // `n` generations counted as `hoardex stats` does: {text, portable, lair},
  // the last two the number of generations with 0, 1, 2 ... items; n within
  // the engine's bound for a page (info().ranges.n).
  Engine.prototype.stats = function (o, n) {
    const r = this.call('stats', request(Object.assign({}, o, { n: n }), { bounded: true }));
    const figures = JSON.parse(r.json);
    return { text: r.text, portable: figures.portable.histogram, lair: figures.lair.histogram };
  };

  // setup.hxi for the settings, as the program saves it.
  Engine.prototype.setupText = function (o, outputName) {
    return this.call('setupText', request(o, { outputName: outputName || 'default' })).text;
  };

  // The loaded monsters (label, special code), lairs, questions, ranges (of
  // the settings and of the page's requests), the characters of an output
  // name and the settings of setup.hxi.
  Engine.prototype.info = function () {
    return JSON.parse(this.call('info', {}).json);
  };

  // A promise of an engine with the sample files loaded.
  function createHoardex() {
    return HoardexWasm().then((module) => {
      const engine = new Engine(module);
      engine.load();
      return engine;
    });
  }

  root.createHoardex = createHoardex;
  if (typeof module === 'object' && module.exports) module.exports = { createHoardex };
})(typeof globalThis !== 'undefined' ? globalThis : this);
