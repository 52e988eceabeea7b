// hoardex's engine for JavaScript: createHoardex() gives a promise of an
// engine whose methods take the command line's long option names as one
// object and return what the command line prints. Works as a plain script
// (createHoardex is then global) and as a CommonJS module.
(function (root) {
  'use strict';
  const TEXTS = ['monster', 'lair', 'yes', 'gameDate', 'position', 'comment'];
  const NUMBERS = ['cdf', 'groupCdf', 'jewelerEl', 'station', 'mel', 'cel'];
  // Numbers go to the engine as texts, so it reads them as the command line
  // does: decimal digits alone, blanks around them dropped; '' leaves one out.
  const SETTING_TYPES = TEXTS.concat(NUMBERS).map(() => 'string');

  function numberText(o, name) {
    const v = o[name];
    return v === undefined || v === null ? '' : String(v);
  }

  function usageError(message, status) {
    const e = new Error(message);
    e.status = status || 2;  // the command line's exit status
    return e;
  }

  // The most reports one roll() gives: more would hold the page for seconds
  // and its text many megabytes (the command line streams them instead).
  const COUNT_MAX = 10000;

  // The count's text, refused outside 1 to COUNT_MAX in the command line's
  // words; any other text is the engine's to read (and refuse).
  function countText(o) {
    const text = numberText(o, 'count'), digits = text.trim();
    if (/^\d+$/.test(digits) && (BigInt(digits) < 1n || BigInt(digits) > BigInt(COUNT_MAX)))
      throw usageError('--count: Value ' + digits + ' not in range 1 to ' + COUNT_MAX);
    return text;
  }

  function settingArgs(o) {
    o = o || {};
    const texts = TEXTS.map((k) => {
      const v = o[k];
      return v === undefined || v === null ? '' : Array.isArray(v) ? v.join(',') : String(v);
    });
    return texts.concat(NUMBERS.map((k) => numberText(o, k)));
  }

  function seedArgs(o) {
    const seeded = o && o.seed !== undefined && o.seed !== null && o.seed !== '';
    if (seeded && !/^\d+$/.test(String(o.seed))) throw usageError('--seed: ' + o.seed + ' is not a seed');
    return [seeded ? 1 : 0, seeded ? Number(o.seed) >>> 0 : 0];
  }

  function Engine(module) {
    this.module = module;
    this.stoppedLine = 0;  // where the last run() stopped reading, or 0
  }

  // Calls a C function of the module; its answer is a status digit and a
  // text. A status other than 0 throws, unless `keep` says it is a result.
  Engine.prototype.call = function (name, types, args, keep) {
    const answer = this.module.ccall(name, 'string', types, args);
    const status = Number(answer[0]);
    const text = answer.slice(1);
    if (status !== 0 && !keep) throw usageError(text.replace(/\n$/, ''), status);
    return text;
  };

  // Loads the information files from their texts ({monster, area, setup};
  // a text left out is the sample's, setup: null means no settings file),
  // with the checks and messages of the program's start. Returns the notice
  // of the settings file, if any; throws the loader's message.
  Engine.prototype.load = function (files) {
    files = files || {};
    const text = (k) => (files[k] === undefined ? HOARDEX_SAMPLES[k] : files[k]);
    return this.call('hx_load', ['string', 'string', 'string'],
      [text('monster'), text('area'), text('setup')]);
  };

  // The text reports of `count` presses of key 7 ({...settings, count, seed}).
  Engine.prototype.roll = function (o) {
    o = o || {};
    return this.call('hx_roll', SETTING_TYPES.concat(['string', 'number', 'number', 'number']),
      settingArgs(o).concat([countText(o)], seedArgs(o), [0]));
  };

  // The same reports as objects, as `hoardex roll --format json` prints them.
  Engine.prototype.rollJson = function (o) {
    o = o || {};
    const lines = this.call('hx_roll', SETTING_TYPES.concat(['string', 'number', 'number', 'number']),
      settingArgs(o).concat([countText(o)], seedArgs(o), [1]));
    return lines.split('\n').filter((l) => l).map((l) => JSON.parse(l));
  };

  // The report of a manual list (key 8): picks such as ['L1_COINS',
  // 'L1_MAGIC', 'AREA 3 1'] (3 rolls on the lair's table, adding 1).
  Engine.prototype.manual = function (o, picks) {
    return this.call('hx_manual', SETTING_TYPES.concat(['string', 'number', 'number']),
      settingArgs(o).concat([picks.join('\n')], seedArgs(o)));
  };

  // The report of a treasure script; a script that stops making sense gives
  // what could be read, and stoppedLine names the line.
  Engine.prototype.run = function (script, o) {
    const text = this.call('hx_run', ['string', 'number', 'number'], [script].concat(seedArgs(o)), true);
    this.stoppedLine = this.module.ccall('hx_stopped_line', 'number', [], []);
    return text;
  };

  // Every problem of the loaded files, one a line (as `hoardex check`).
  Engine.prototype.check = function () {
    return this.call('hx_check', [], [], true);
  };

  // The monsters and lairs in words (as `hoardex check --explain` adds).
  Engine.prototype.explain = function () {
    return this.call('hx_explain', [], []);
  };

  // `n` generations counted as `hoardex stats` does: {text, portable, lair},
  // the last two the number of generations with 0, 1, 2 ... items.
  Engine.prototype.stats = function (o, n) {
    return JSON.parse(this.call('hx_stats', SETTING_TYPES.concat(['string', 'number', 'number']),
      settingArgs(o).concat([n === undefined || n === null ? '' : String(n)], seedArgs(o))));
  };

  // setup.hxi for the settings, as the program saves it.
  Engine.prototype.setupText = function (o, outputName) {
    return this.call('hx_setup_text', SETTING_TYPES.concat(['string']),
      settingArgs(o).concat([outputName || 'default']));
  };

  // The loaded monsters (label, special code), lairs, questions, ranges and
  // the settings of setup.hxi.
  Engine.prototype.info = function () {
    return JSON.parse(this.call('hx_info', [], []));
  };

  // A promise of an engine with the sample files loaded.
  function createHoardex() {
    return HoardexWasm().then((module) => {
      const engine = new Engine(module);
      engine.load();
      return engine;
    });
  }

  createHoardex.COUNT_MAX = COUNT_MAX;
  root.createHoardex = createHoardex;
  if (typeof module === 'object' && module.exports) module.exports = { createHoardex };
})(typeof globalThis !== 'undefined' ? globalThis : this);
