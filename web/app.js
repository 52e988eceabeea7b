// The page: the settings form over the engine, the reports with their
// history kept in the browser, the information files, the statistics.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const HISTORY_KEY = 'hoardex.history';
  const LAST_ID_KEY = 'hoardex.lastId';  // the number the last report was given
  const FILES_KEY = 'hoardex.files';
  const FORM_KEY = 'hoardex.form';  // the form's last settings
  let textChars = null;  // what the text fields refuse, from the engine
  // The option of `roll` behind each setting of the engine, as the links
  // name them and the messages of the module start.
  const OPTIONS = {
    monster: 'monster', lair: 'lair', cdf: 'cdf', groupCdf: 'group-cdf', jewelerEl: 'jeweler-el',
    station: 'station', mel: 'mel', cel: 'cel', yes: 'yes', gameDate: 'game-date',
    position: 'position', comment: 'comment', seed: 'seed', count: 'count',
  };
  const LABELS = {
    monster: 'Monster', lair: 'Lair', cdf: 'CDF', 'group-cdf': "Group's highest CDF",
    'jeweler-el': "Jeweler's EL", station: 'Station', mel: 'MEL', cel: 'CEL', yes: 'Answers',
    'game-date': 'Game date', position: 'Position', comment: 'Comments', seed: 'Seed',
    count: 'Count', n: 'Generations', rates: 'Exchange rates', in: 'Total in one unit',
    split: 'Split between players',
  };
  let engine, info, files = {}, picks = [], last = null, worker = null;
  const marked = new Set();  // the numbers of the reports marked for a combined ledger
  const setAside = [];  // stored keys that could not be read, and where they went

  function say(text) { $('message').textContent = text || ''; }

  // ---------------------------------------------------------- storage
  // Keeps a value of the browser's storage; a full or refused storage only
  // loses what it could not keep.
  function store(key, value) {
    try { localStorage.setItem(key, JSON.stringify(value)); } catch (e) { say('The browser would not keep this: ' + e.message); }
  }

  // A stored value that `valid` accepts, or `fallback`. Anything else
  // stored under the key is moved to a key of its own, so nothing is lost
  // and the page starts.
  function stored(key, valid, fallback) {
    let raw = null, value;
    try { raw = localStorage.getItem(key); } catch (e) { return fallback; }
    if (raw === null) return fallback;
    try { value = JSON.parse(raw); } catch (e) { value = undefined; }
    if (value !== undefined && valid(value)) return value;
    let aside = key + '.set-aside';
    for (let n = 2; localStorage.getItem(aside) !== null; ++n) aside = key + '.set-aside-' + n;
    try {
      localStorage.setItem(aside, raw);
      localStorage.removeItem(key);
    } catch (e) { /* kept where it was; read as the fallback */ }
    setAside.push(key + ' (now ' + aside + ')');
    say('The page could not read what the browser kept as ' + setAside.join(', ') + ' and began anew.');
    return fallback;
  }

  const isText = (v) => typeof v === 'string';
  const validEntry = (h) => h !== null && typeof h === 'object' && isText(h.text) && isText(h.time) &&
    isText(h.output) && (h.id === undefined || Number.isSafeInteger(h.id)) &&
    (h.ledger === undefined || isText(h.ledger));
  const validFiles = (f) => f !== null && typeof f === 'object' && !Array.isArray(f) &&
    Object.entries(f).every(([k, v]) => ['monster', 'area', 'setup'].includes(k) && (isText(v) || v === null));
  const validForm = (f) => f !== null && typeof f === 'object' && !Array.isArray(f) &&
    Object.values(f).every((v) => isText(v) || (Array.isArray(v) && v.every(isText)));

  // The reports kept, oldest first, each with its number: reports kept
  // before they had one are numbered in their order.
  function kept() {
    const all = stored(HISTORY_KEY, (v) => Array.isArray(v) && v.every(validEntry), []);
    let id = lastId();
    if (all.some((h) => h.id === undefined)) {
      all.forEach((h) => { if (h.id === undefined) h.id = ++id; });
      store(LAST_ID_KEY, id);
      store(HISTORY_KEY, all);
    }
    return all;
  }
  function lastId() {
    const all = stored(HISTORY_KEY, () => true, []);
    const most = Array.isArray(all) ? Math.max(0, ...all.map((h) => (h && Number.isSafeInteger(h.id) ? h.id : 0))) : 0;
    return Math.max(most, stored(LAST_ID_KEY, Number.isSafeInteger, 0));
  }

  // ---------------------------------------------------------- form
  // The field takes the engine's range; `shown` adds it to the field's
  // label ("(1-100)").
  function ranged(id, range, shown) {
    $(id).min = range[0]; $(id).max = range[1];
    const label = document.querySelector('label[for="' + id + '"]');
    if (!shown) return;
    label.dataset.name = label.dataset.name || label.textContent;
    label.textContent = label.dataset.name + ' (' + range[0] + '-' + range[1] + ')';
  }

  // The field's description: what the number does, in the engine's words;
  // the caller puts it after the field.
  function described(input) {
    const e = info.explanations[input.id];
    const note = $(input.id + '-does') || document.createElement('small');
    note.id = input.id + '-does';
    note.textContent = e.line.replace(/^[^:]*: /, '');
    note.title = input.title = e.paragraph;
    input.setAttribute('aria-describedby', note.id);
    return note;
  }

  // The form from the loaded files and the settings of setup.hxi.
  function fill() {
    info = engine.info();
    const s = info.settings, r = info.ranges;
    $('monster-list').replaceChildren(...info.monsters.map((m, i) => new Option((i + 1) + ': ' + m.label)));
    $('lair').replaceChildren(...info.lairs.map((name, i) => new Option((i + 1) + ': ' + name.trim(), i + 1)));
    $('monster').value = s.monster + ': ' + info.monsters[s.monster - 1].label;
    $('lair').value = s.lair;
    ranged('cdf', r.cdf); ranged('groupCdf', r.cdf); ranged('jewelerEl', r.jewelerEl);
    ranged('day', r.day); ranged('month', r.month); ranged('year', r.year);
    for (const k of ['cdf', 'groupCdf', 'jewelerEl']) $(k).value = s[k], $(k).after(described($(k)));
    [$('day').value, $('month').value, $('year').value] = s.gameDate.split('/');
    ranged('area-count', r.lairRolls, true); ranged('stats-n', r.n, true);
    for (const id of ['position', 'comment']) $(id).maxLength = r.text[1];
    const chars = info.nameChars.replace(/[\\\]\[{}()^|\/-]/g, '\\$&');
    textChars = new RegExp('[^ ' + chars + ']', 'g');
    $('output').pattern = '[' + chars + ']{' + r.output[0] + ',' + r.output[1] + '}';
    $('output').maxLength = r.output[1];
    $('seed').pattern = '[0-9]{1,' + String(r.seed[1]).length + '}';
    $('output').value = s.output;
    questions({ station: s.station, mel: s.mel, cel: s.cel,
      yes: info.flags.filter((f) => s.answers & f.bit).map((f) => f.name) });
  }

  // The engine's message in the page's words: the fields by their labels,
  // no command to type.
  function forPage(message) {
    const names = (list) => list.trim().split('\n').map((l) => l.trim()).join('; ');
    let m;
    if ((m = /^--(monster|lair): no match for '(.*)'; 'hoardex list' shows them all$/s.exec(message)))
      return 'No ' + m[1] + "'s name holds '" + m[2] + "'.";
    if ((m = /^--(monster|lair): no match for '(.*)'; close matches:\n(.*)$/s.exec(message)))
      return 'No ' + m[1] + "'s name holds '" + m[2] + "'. Close: " + names(m[3]) + '.';
    if ((m = /^--(monster|lair): '(.*)' fits several:\n(.*)$/s.exec(message)))
      return 'Several ' + m[1] + "s' names hold '" + m[2] + "': " + names(m[3]) + '. Pick one from the list.';
    if ((m = /^--?([a-z-]+): (.*)$/s.exec(message)) && LABELS[m[1]]) return LABELS[m[1]] + ': ' + m[2];
    return message;
  }

  // The monster the next report will use: its index, or a message saying
  // why the field names none. A number and the name the list shows are read
  // here; anything else is resolved by the engine, as Generate resolves it.
  function chosenMonster() {
    const text = $('monster').value, m = /^(\d+): (.*)$/.exec(text);
    if (m && info.monsters[m[1] - 1] && info.monsters[m[1] - 1].label === m[2]) return { index: m[1] - 1 };
    if (!text.trim()) return { index: -1, message: 'Type a name or a number, or pick from the list.' };
    try {
      const label = engine.rollJson({ monster: text, seed: 0 })[0].monster;
      return { index: info.monsters.findIndex((x) => x.label === label) };
    } catch (e) {
      return { index: -1, message: forPage(e.message) };
    }
  }

  // Only the questions the monster the next report will use asks, with the
  // answers in `values` ({station, mel, cel, yes}); what the field names no
  // monster is said beside it.
  function questions(values) {
    const chosen = chosenMonster(), list = $('question-list'), r = info.ranges;
    values = values || current(true);
    $('monster-note').textContent = chosen.message || '';
    const code = chosen.index >= 0 ? info.monsters[chosen.index].code : 0;
    const nodes = [];
    const number = (id, text, range, value) => {
      const label = document.createElement('label'), input = document.createElement('input');
      label.textContent = text; label.htmlFor = input.id = id;
      Object.assign(input, { type: 'number', min: range[0], max: range[1], value: value || 0 });
      nodes.push(label, input, described(input));
    };
    const asked = new Set();
    for (const f of info.flags) {
      if (!(code & f.bit)) continue;
      if ((f.use === 'scores' || f.use === 'station') && !asked.has('station')) {
        asked.add('station');
        number('station', 'Station (' + r.station.join('-') + ')', r.station, values.station);
      }
      if (f.use === 'scores' && !asked.has('mel')) {
        asked.add('mel');
        number('mel', 'MEL (' + r.mel.join('-') + ')', r.mel, values.mel);
        number('cel', 'CEL (' + r.cel.join('-') + ')', r.cel, values.cel);
      }
      if (f.use === 'answer') {
        const label = document.createElement('label'), box = document.createElement('input');
        box.type = 'checkbox'; box.dataset.answer = f.name;
        box.checked = (values.yes || []).includes(f.name);
        label.className = 'check';
        label.append(box, ' ' + f.question.replace(/ ?\(y\/n\) : $/, '?'));
        nodes.push(document.createElement('div'));
        nodes[nodes.length - 1].append(label);
      }
    }
    const none = chosen.index >= 0 ? 'This monster asks nothing.' : 'The questions follow the monster once the field names one.';
    if (!nodes.length) nodes.push(Object.assign(document.createElement('p'), { textContent: none }));
    list.replaceChildren(...nodes);
  }

  // The settings of the form, in the engine's option names; `loose` reads
  // whatever is there without checking.
  function current(loose) {
    const o = {}, num = (id) => ($(id) && $(id).value !== '' ? Number($(id).value) : undefined);
    const chosen = loose ? { index: -1 } : chosenMonster();
    if (!loose && chosen.message) throw new Error(chosen.message);
    o.monster = chosen.index >= 0 ? String(chosen.index + 1) : $('monster').value;
    o.lair = $('lair').value;
    for (const k of ['cdf', 'groupCdf', 'jewelerEl', 'station', 'mel', 'cel']) o[k] = num(k);
    o.yes = [...document.querySelectorAll('[data-answer]')].filter((b) => b.checked).map((b) => b.dataset.answer);
    o.gameDate = [$('day').value, $('month').value, $('year').value].join('/');
    o.position = $('position').value;
    o.comment = $('comment').value;
    o.seed = $('seed').value || undefined;
    if (!loose) {
      const bad = [...document.querySelectorAll('#settings input')].find((i) => !i.checkValidity());
      if (bad) throw new Error(document.querySelector('label[for="' + bad.id + '"]').textContent + ': ' + bad.validationMessage);
      if (o.seed !== undefined && Number(o.seed) > info.ranges.seed[1]) throw new Error('Seed: at most ' + info.ranges.seed[1] + '.');
    }
    return o;
  }

  // The form's fields as they are, kept across reloads, and put back.
  function keepForm() {
    const form = {};
    document.querySelectorAll('#settings input:not([type=checkbox]), #settings select').forEach((e) => { form[e.id] = e.value; });
    form.yes = [...document.querySelectorAll('[data-answer]')].filter((b) => b.checked).map((b) => b.dataset.answer);
    store(FORM_KEY, form);
  }
  function restoreForm() {
    const form = stored(FORM_KEY, validForm, null);
    if (!form) return;
    for (const [id, value] of Object.entries(form))
      if ($(id) && id !== 'station' && id !== 'mel' && id !== 'cel') $(id).value = value;
    questions(form);
  }

  // ---------------------------------------------------------- reports
  function pickedSeed() {
    return String(crypto.getRandomValues(new Uint32Array(1))[0]);
  }

  // A short digest of the own information files in use (FNV-1a, 64 bits,
  // over their UTF-8 bytes), or '' when both are the samples.
  function filesDigest() {
    if (files.monster === undefined && files.area === undefined) return '';
    const bytes = new TextEncoder().encode(
      (files.monster ?? HOARDEX_SAMPLES.monster) + '\0' + (files.area ?? HOARDEX_SAMPLES.area));
    let h = 0xcbf29ce484222325n;
    for (const b of bytes) h = BigInt.asUintN(64, (h ^ BigInt(b)) * 0x100000001b3n);
    return h.toString(16).padStart(16, '0').slice(0, 12);
  }

  // The address that rebuilds the report made with `options`.
  function linkTo(options) {
    const parts = [];
    for (const [key, name] of Object.entries(OPTIONS)) {
      let v = options[key];
      if (key === 'yes') v = v && v.length ? v.join(',') : 'none';
      if (v !== undefined && v !== null && v !== '') parts.push(name + '=' + encodeURIComponent(v));
    }
    const digest = filesDigest();
    if (digest) parts.push('files=' + digest);
    return location.href.replace(/#.*$/, '') + '#roll?' + parts.join('&');
  }

  // The report at once; the history is written after the frame is drawn,
  // as the browser's first write to its storage can take a while.
  function show(text, options) {
    $('report').textContent = text;
    last = { text: text, options: options, output: $('output').value || 'default', ledger: engine.ledgers[0] };
    drawLedger();
    $('report-tools').hidden = false;
    $('report-link').hidden = true;
    $('report-seed').textContent = 'Seed ' + options.seed + (options.picked ? ', picked by the page.' : '.');
    setTimeout(() => {
      const all = kept(), id = lastId() + 1;
      all.push({ id: id, time: new Date().toLocaleString(), output: last.output, seed: options.seed, text: text,
        ledger: last.ledger });
      store(LAST_ID_KEY, id);
      store(HISTORY_KEY, all);
      drawHistory();
    });
  }

  function attempt(action) {
    try { say(''); action(); } catch (e) { say(forPage(e.message)); }
  }

  // The form's settings with the seed the report is made with.
  function seeded() {
    const o = current();
    if (o.seed === undefined) Object.assign(o, { seed: pickedSeed(), picked: true });
    return o;
  }

  function generate() {
    attempt(() => {
      const o = seeded();
      show(engine.roll(o), o);
      keepForm();
    });
  }

  function manualGenerate() {
    attempt(() => {
      const o = seeded();
      show(engine.manual(o, picks), Object.assign(o, { manual: true, picks: picks.slice() }));
      picks = [];
      drawPicks();
    });
  }

  // Rebuilds the report of a link (#roll?monster=3&...&seed=42): the form
  // shows its settings; a link made with other information files than
  // those loaded shows nothing.
  function openLink() {
    const m = /^#roll\?(.*)$/.exec(location.hash);
    if (!m) return;
    attempt(() => {
      const params = new URLSearchParams(m[1]), o = {}, byName = {};
      for (const [key, name] of Object.entries(OPTIONS)) byName[name] = key;
      for (const [name, value] of params) {
        if (name === 'files') continue;
        if (!byName[name]) throw new Error("This link holds '" + name + "', which is no setting of a report; nothing is shown.");
        o[byName[name]] = value;
      }
      if ((params.get('files') || '') !== filesDigest()) {
        $('report').textContent = '';
        $('report-tools').hidden = true;
        throw new Error(params.get('files')
          ? 'This link was made with other information files than the ones loaded here; nothing is shown. Load the files it was made with and open it again.'
          : 'This link was made with the sample files, and your own are loaded; nothing is shown. Go back to the samples and open it again.');
      }
      if (o.seed === undefined) throw new Error('This link holds no seed; nothing is shown.');
      const text = engine.roll(o);
      const index = Number(o.monster) - 1;
      $('monster').value = info.monsters[index] ? (index + 1) + ': ' + info.monsters[index].label : o.monster || '';
      if (o.lair) $('lair').value = o.lair;
      for (const k of ['cdf', 'groupCdf', 'jewelerEl']) if (o[k] !== undefined) $(k).value = o[k];
      if (o.gameDate) [$('day').value, $('month').value, $('year').value] = o.gameDate.split('/');
      $('position').value = o.position || '';
      $('comment').value = o.comment || '';
      $('seed').value = o.seed;
      questions({ station: o.station, mel: o.mel, cel: o.cel, yes: (o.yes || '').split(',') });
      o.yes = o.yes === 'none' ? [] : (o.yes || '').split(',').filter((y) => y);
      show(text, o);
      keepForm();
    });
  }

  function download(name, text, type) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([text], { type: type || 'text/plain' }));
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }

  // The shown report made again in a format for other tools: the same
  // settings, seed and picks give the same hoard, written by the engine.
  const EXPORTS = {
    markdown: { suffix: '.md', type: 'text/markdown' },
    csv: { suffix: '.csv', type: 'text/csv' },
    foundry: { suffix: '-journal.json', type: 'application/json' },
    'foundry-table': { suffix: '-table.json', type: 'application/json' },
  };
  function exported(format) {
    const o = Object.assign({}, last.options);
    delete o.picks;
    return engine.exported(format, o, last.options.manual ? last.options.picks : undefined);
  }

  function copy(text, what) {
    const done = () => say('Copied the report' + (what || '') + '.');
    const fallback = () => {
      const area = Object.assign(document.createElement('textarea'), { value: text });
      document.body.append(area);
      area.select();
      const ok = document.execCommand('copy');
      area.remove();
      if (ok) done(); else say('The browser would not copy; select the report and copy it by hand.');
    };
    if (navigator.clipboard && navigator.clipboard.writeText) navigator.clipboard.writeText(text).then(done, fallback);
    else fallback();
  }

  // The numbers, monster, lair, game date and seed of each kept report.
  function summary(h) {
    const field = (name) => { const m = new RegExp('^' + name + ' *: (.*)$', 'm').exec(h.text); return m ? m[1] : ''; };
    return ['#' + h.id, h.time, field('Monster') || 'report', field('Area'), 'game date ' + field('Game date'),
      h.seed !== undefined ? 'seed ' + h.seed : 'no seed kept'].filter((x) => x).join(' \u00b7 ');
  }

  // Takes the report with the number `id` out of the kept reports as they
  // are now (another tab may have changed them), offering to put it back.
  function remove(id) {
    const all = kept(), at = all.findIndex((h) => h.id === id);
    if (at < 0) {
      $('history-note').textContent = 'Report #' + id + ' was already removed.';
      return drawHistory();
    }
    const [gone] = all.splice(at, 1);
    store(HISTORY_KEY, all);
    const undo = Object.assign(document.createElement('button'), { type: 'button', textContent: 'Undo' });
    undo.addEventListener('click', () => {
      const now = kept();
      if (!now.some((h) => h.id === gone.id)) {
        now.push(gone);
        now.sort((a, b) => a.id - b.id);
        store(HISTORY_KEY, now);
      }
      $('history-note').textContent = 'Report #' + gone.id + ' is back.';
      drawHistory();
    });
    $('history-note').replaceChildren('Report #' + id + ' removed. ', undo);
    drawHistory();
  }

  // ---------------------------------------------------------- ledger
  // The ledger's settings as the engine's options ('' for none given).
  function ledgerOptions() {
    return { rates: $('ledger-rates').value.trim(), in: $('ledger-in').value, split: $('ledger-split').value };
  }

  // Where the hoard stands among the reference hoards, per unit (and for the
  // total with rates): the reference hoards' amounts in bins, a marker on the
  // bin of this hoard's.
  function rankCharts(rank, bins) {
    const keys = Object.keys(rank).filter((k) => k !== 'total').reverse().concat('total' in rank ? ['total'] : []);
    return keys.map((k) => {
      const b = bins[k], unit = k === 'total' ? 'total in BB' : k, step = Math.round(b.width * 10);
      const from = (i) => (Math.round(b.least * 10) + i * step) / 10;
      const to = (i) => (i === b.hoards.length - 1 ? b.most : from(i + 1) - 0.1);
      const range = (i) => from(i).toFixed(1) + ' to ' + to(i).toFixed(1);
      return chart(unit + ', ' + b.least + ' to ' + b.most + ': this hoard above ' + rank[k] + '% of them',
        'The reference hoards by ' + unit + ', ' + b.hoards.map((n, i) => range(i) + ': ' + n).join(', ') +
        '; this hoard in ' + range(b.bin) + ', above ' + rank[k] + '% of them', b.hoards, b.bin);
    });
  }

  // The ledger of the report shown, from the data the engine gave with it;
  // an automatic report is ranked among the hoards of its own settings.
  function drawLedger() {
    $('ledger-part').hidden = !(last && last.ledger);
    if ($('ledger-part').hidden) return;
    try {
      const l = engine.ledger(Object.assign({}, last.options, ledgerOptions(), { rank: !last.options.manual }),
        [last.ledger]);
      $('ledger-text').textContent = l.text;
      $('ledger-rank').replaceChildren(...(l.json.rank ? rankCharts(l.json.rank, l.json.rank_bins) : []));
    } catch (e) {
      $('ledger-text').textContent = forPage(e.message);
      $('ledger-rank').replaceChildren();
    }
  }

  // The combined ledger of the marked reports, from the data kept with each.
  function drawCombined() {
    const chosen = kept().filter((h) => marked.has(h.id) && h.ledger);
    try {
      $('history-ledger').textContent = chosen.length ? engine.ledger(ledgerOptions(), chosen.map((h) => h.ledger)).text : '';
    } catch (e) {
      $('history-ledger').textContent = forPage(e.message);
    }
  }

  function drawHistory() {
    const want = $('history-search').value.toLowerCase();
    const all = kept(), items = [];
    for (const h of all) {
      if (want && !h.text.toLowerCase().includes(want)) continue;
      const li = document.createElement('li'), details = document.createElement('details');
      const head = document.createElement('summary'), pre = document.createElement('pre');
      li.dataset.id = h.id;
      head.textContent = summary(h);
      pre.textContent = h.text;
      const save = Object.assign(document.createElement('button'), { type: 'button', textContent: 'Download as .hxo' });
      save.addEventListener('click', () => download(h.output + '.hxo', h.text));
      const drop = Object.assign(document.createElement('button'), { type: 'button', textContent: 'Remove' });
      drop.addEventListener('click', () => remove(h.id));
      const mark = Object.assign(document.createElement('input'),
        { type: 'checkbox', checked: marked.has(h.id), disabled: !h.ledger, title: 'Mark for the combined ledger' });
      mark.dataset.mark = h.id;
      mark.setAttribute('aria-label', 'Mark report #' + h.id + ' for the combined ledger');
      mark.addEventListener('change', () => {
        if (mark.checked) marked.add(h.id); else marked.delete(h.id);
        drawCombined();
      });
      details.append(head, pre);
      li.append(mark, details, save, ' ', drop);
      items.unshift(li);
    }
    $('history').replaceChildren(...items);
    drawCombined();
    if (want && !items.length) $('history').append(Object.assign(document.createElement('li'),
      { className: 'note', textContent: all.length ? "No report holds '" + $('history-search').value + "'." : 'No reports are kept yet.' }));
  }

  function drawPicks() {
    $('pick-count').value = picks.reduce((n, p) => n + (p.startsWith('AREA') ? Number(p.split(' ')[1]) : 1), 0);
    $('pick-list').replaceChildren(...picks.map((p) => Object.assign(document.createElement('li'), { textContent: p })));
  }

  // ---------------------------------------------------------- statistics
  // A histogram of `counts` under `title`, `words` saying it for a screen
  // reader; with `marker`, a line stands on that bar.
  function chart(title, words, counts, marker) {
    const NS = 'http://www.w3.org/2000/svg', w = 360, h = 120, most = Math.max(...counts, 1);
    const svg = document.createElementNS(NS, 'svg');
    const add = (tag, attributes, text) => {
      const e = document.createElementNS(NS, tag);
      Object.entries(attributes).forEach(([k, v]) => e.setAttribute(k, v));
      if (text) e.textContent = text;
      svg.append(e);
    };
    svg.setAttribute('viewBox', '0 0 ' + w + ' ' + (h + 30));
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', words);
    const bar = w / counts.length;
    counts.forEach((c, i) => {
      const height = (c / most) * h;
      add('rect', { x: i * bar + 1, y: h - height + 14, width: Math.max(bar - 2, 1), height: height });
    });
    if (marker !== undefined) add('line', { x1: (marker + 0.5) * bar, x2: (marker + 0.5) * bar, y1: 14, y2: h + 14 });
    add('text', { x: 0, y: 10 }, title);
    return svg;
  }

  // A section's generations by number of items.
  function itemsChart(title, counts) {
    return chart(title + ' items per hoard, 0 to ' + (counts.length - 1), title + ': generations by number of items, ' +
      counts.map((c, i) => i + ': ' + c).filter((_, i) => counts[i]).join(', '), counts);
  }

  // What runs in the statistics' worker: the engine of its own, the files
  // of the page, then for each request a short run that times the work (so
  // the page can show how far it has come) and the statistics themselves.
  function statsWorker() {
    let loaded = null;
    const ready = createHoardex();
    self.onmessage = (event) => ready.then((engine) => {
      const { files, options, n } = event.data;
      try {
        const key = JSON.stringify(files);
        if (key !== loaded) { engine.load(files); loaded = key; }
        if (n > 2000) {
          const t0 = performance.now();
          engine.stats(Object.assign({}, options, { seed: undefined }), 200);
          postMessage({ estimate: (performance.now() - t0) * n / 200 });
        }
        postMessage({ result: engine.stats(options, n) });
      } catch (e) { postMessage({ error: e.message }); }
    });
  }

  function statsDone(words) {
    clearInterval(worker && worker.timer);
    $('stats-progress').hidden = $('stats-cancel').hidden = true;
    $('stats-run').disabled = false;
    $('stats-words').textContent = words;
  }

  function cancelStats() {
    if (!worker) return;
    worker.terminate();
    worker = null;
    statsDone('Counting cancelled.');
  }

  // The statistics counted in a worker, so the page stays usable; the page
  // shows the time gone and the share done by the worker's estimate.
  function stats() {
    attempt(() => {
      const n = $('stats-n');
      if (!n.checkValidity()) throw new Error('Generations: ' + n.validationMessage);
      const options = current(), total = Number(n.value), t0 = performance.now();
      if (!worker) {
        worker = new Worker(URL.createObjectURL(new Blob(
          ['(' + hoardexEngineScript + ')();(' + statsWorker + ')();'], { type: 'text/javascript' })));
        worker.onerror = (e) => { say('The statistics could not run: ' + e.message); cancelStats(); };
      }
      let estimate = 0;
      $('stats-text').textContent = '';
      $('stats-charts').replaceChildren();
      $('stats-run').disabled = true;
      $('stats-progress').hidden = $('stats-cancel').hidden = false;
      $('stats-progress').removeAttribute('value');
      const tick = () => {
        const gone = (performance.now() - t0) / 1000;
        const share = estimate ? Math.min(99, Math.floor((performance.now() - t0) * 100 / estimate)) : null;
        if (share !== null) $('stats-progress').value = share;
        $('stats-words').textContent = 'Counting ' + total + ' generations: ' + gone.toFixed(0) + ' s' +
          (share !== null ? ', about ' + share + '% done' : '') + '.';
      };
      tick();
      worker.timer = setInterval(tick, 250);
      worker.onmessage = (e) => {
        if (e.data.estimate) { estimate = e.data.estimate; return tick(); }
        if (e.data.error) { say(forPage(e.data.error)); return statsDone(''); }
        statsDone('');
        $('stats-text').textContent = e.data.result.text;
        $('stats-charts').replaceChildren(itemsChart('Portable', e.data.result.portable), itemsChart('Lair', e.data.result.lair));
      };
      worker.postMessage({ files: files, options: options, n: total });
    });
  }

  // ---------------------------------------------------------- files
  function loadFiles(next) {
    const notice = engine.load(next);
    files = next;
    store(FILES_KEY, files);
    $('files-state').textContent = Object.keys(files).length
      ? 'Loaded: ' + Object.keys(files).map((k) => k + '.hxi').join(', ') + ' of your own; the rest are the samples.'
      : 'The sample files are loaded.';
    fill();
    return notice;
  }

  function readFile(kind, input) {
    const file = input.files[0];
    if (!file) return;
    file.text().then((text) => {
      attempt(() => {
        try { loadFiles(Object.assign({}, files, { [kind]: text })); } catch (e) {
          engine.load(files);
          throw e;
        }
      });
      input.value = '';
    });
  }

  function start(created) {
    engine = created;
    try { loadFiles(stored(FILES_KEY, validFiles, {})); } catch (e) {
      say(e.message);
      loadFiles({});
    }
    restoreForm();
    drawHistory();
    $('monster').addEventListener('input', () => questions());
    $('settings').addEventListener('change', keepForm);
    for (const id of ['position', 'comment'])
      $(id).addEventListener('input', (e) => { e.target.value = e.target.value.replace(textChars, ''); });
    $('generate').addEventListener('click', generate);
    $('manual-open').addEventListener('click', () => {
      const open = $('manual').hidden;
      $('manual').hidden = !open;
      $('manual-open').setAttribute('aria-expanded', open);
      if (open) $('picks').querySelector('button').focus();
    });
    $('picks').addEventListener('click', (e) => {
      if (e.target.dataset.pick) { picks.push(e.target.dataset.pick); drawPicks(); }
    });
    $('area-pick').addEventListener('click', () => {
      const [lo, hi] = info.ranges.lairRolls;
      const n = Math.min(hi, Math.max(lo, Number($('area-count').value) || lo));
      picks.push('AREA ' + n + ' ' + ($('area-add').checked ? 1 : 0));
      drawPicks();
    });
    $('manual-generate').addEventListener('click', manualGenerate);
    $('manual-clear').addEventListener('click', () => { picks = []; drawPicks(); });
    $('history-search').addEventListener('input', drawHistory);
    for (const id of ['ledger-rates', 'ledger-in', 'ledger-split'])
      $(id).addEventListener('input', () => { drawLedger(); drawCombined(); });
    window.addEventListener('storage', (e) => { if (e.key === HISTORY_KEY || e.key === null) drawHistory(); });
    $('copy').addEventListener('click', () => copy(last.text));
    $('report-save').addEventListener('click', () => download(last.output + '.hxo', last.text));
    document.querySelectorAll('[data-export]').forEach((b) => b.addEventListener('click', () => attempt(() => {
      const format = EXPORTS[b.dataset.export], text = exported(b.dataset.export);
      // Foundry imports one document a file: several reports, several files.
      const docs = format.type === 'application/json' ? text.split('\n').filter((l) => l) : [text];
      docs.forEach((doc, i) => download(last.output + (docs.length > 1 ? '-' + (i + 1) : '') + format.suffix,
        doc + (docs.length > 1 || format.type === 'application/json' ? '\n' : ''), format.type));
    })));
    document.querySelectorAll('[data-copy]').forEach((b) => b.addEventListener('click', () => attempt(() =>
      copy(exported(b.dataset.copy), ' as Markdown'))));
    $('link').addEventListener('click', () => {
      if (last.options.manual) return say('A manual list has no link; its report can be downloaded.');
      const href = linkTo(last.options);
      history.replaceState(null, '', href);
      Object.assign($('report-link'), { href: href, textContent: href, hidden: false });
    });
    $('stats-run').addEventListener('click', stats);
    $('stats-cancel').addEventListener('click', cancelStats);
    for (const kind of ['monster', 'area', 'setup'])
      $('file-' + kind).addEventListener('change', (e) => readFile(kind, e.target));
    document.querySelectorAll('[data-save]').forEach((b) => b.addEventListener('click', () => attempt(() => {
      const kind = b.dataset.save;
      download(kind + '.hxi', kind === 'setup' ? engine.setupText(current(), $('output').value)
        : files[kind] !== undefined ? files[kind] : HOARDEX_SAMPLES[kind]);
    })));
    $('samples').addEventListener('click', () => attempt(() => loadFiles({})));
    $('check').addEventListener('click', () => { $('check-text').textContent = engine.check() + engine.explain(); });
    // Keys 7 and 8 as in the program's menu, wherever typing is not going on.
    document.addEventListener('keydown', (e) => {
      const typing = e.target.matches('input:not([type=checkbox]):not([type=file]), select, textarea');
      if (typing || e.ctrlKey || e.altKey || e.metaKey) return;
      if (e.key === '7') { e.preventDefault(); generate(); }
      if (e.key === '8') { e.preventDefault(); $('manual-open').click(); }
    });
    window.addEventListener('hashchange', openLink);
    openLink();
    document.body.dataset.ready = 'yes';
  }

  createHoardex().then(start, (e) => say('The engine could not start: ' + e.message));
})();
