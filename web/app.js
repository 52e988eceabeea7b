// The page: the settings form over the engine, the reports with their
// history kept in the browser, the information files, the statistics.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const HISTORY_KEY = 'hoardex.history';
  const FILES_KEY = 'hoardex.files';
  const TEXT_CHARS = /[^A-Za-z0-9 {}_]/g;  // what the text fields accept
  let engine, info, files = {}, picks = [];

  function say(text) { $('message').textContent = text || ''; }

  // Keeps a value of the browser's storage; a full or refused storage only
  // loses what it could not keep.
  function store(key, value) {
    try { localStorage.setItem(key, JSON.stringify(value)); } catch (e) { say('The browser would not keep this: ' + e.message); }
  }
  function stored(key, fallback) {
    try { return JSON.parse(localStorage.getItem(key)) || fallback; } catch (e) { return fallback; }
  }

  function ranged(id, range) { $(id).min = range[0]; $(id).max = range[1]; }

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
    for (const id of ['position', 'comment']) $(id).maxLength = r.text[1];
    $('output').value = s.output;
    questions(s);
  }

  function monsterIndex() {
    const m = /^(\d+):/.exec($('monster').value);
    return m ? Number(m[1]) - 1 : -1;
  }

  // Only the questions the current monster asks; answers already given stay.
  function questions(s) {
    const old = current(true), list = $('question-list');
    const code = monsterIndex() >= 0 ? info.monsters[monsterIndex()].code : 0;
    const nodes = [], r = info.ranges;
    const number = (id, text, range, value) => {
      const label = document.createElement('label'), input = document.createElement('input');
      label.textContent = text; label.htmlFor = input.id = id;
      Object.assign(input, { type: 'number', min: range[0], max: range[1], value: value });
      nodes.push(label, input, described(input));
    };
    const asked = new Set();
    for (const f of info.flags) {
      if (!(code & f.bit)) continue;
      if ((f.use === 'scores' || f.use === 'station') && !asked.has('station')) {
        asked.add('station');
        number('station', 'Station (0-10)', r.station, s ? s.station : old.station || 0);
      }
      if (f.use === 'scores' && !asked.has('mel')) {
        asked.add('mel');
        number('mel', 'MEL (0-50)', r.mel, s ? s.mel : old.mel || 0);
        number('cel', 'CEL (0-50)', r.mel, s ? s.cel : old.cel || 0);
      }
      if (f.use === 'answer') {
        const label = document.createElement('label'), box = document.createElement('input');
        box.type = 'checkbox'; box.dataset.answer = f.name;
        box.checked = s ? (s.answers & f.bit) !== 0 : (old.yes || []).includes(f.name);
        label.className = 'check';
        label.append(box, ' ' + f.question.replace(/ ?\(y\/n\) : $/, '?'));
        nodes.push(document.createElement('div'));
        nodes[nodes.length - 1].append(label);
      }
    }
    if (!nodes.length) nodes.push(Object.assign(document.createElement('p'), { textContent: 'This monster asks nothing.' }));
    list.replaceChildren(...nodes);
  }

  // The settings of the form, in the engine's option names; `loose` reads
  // whatever is there without checking.
  function current(loose) {
    const o = {}, num = (id) => ($(id) && $(id).value !== '' ? Number($(id).value) : undefined);
    const index = monsterIndex();
    o.monster = index >= 0 ? String(index + 1) : $('monster').value;
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
    }
    return o;
  }

  // ---------------------------------------------------------- reports
  // The report at once; the history is written after the frame is drawn,
  // as the browser's first write to its storage can take a while.
  function show(text) {
    $('report').textContent = text;
    const entry = { time: new Date().toLocaleString(), output: $('output').value || 'default', text: text };
    setTimeout(() => {
      store(HISTORY_KEY, stored(HISTORY_KEY, []).concat([entry]));
      drawHistory();
    });
  }

  function attempt(action) {
    try { say(''); action(); } catch (e) { say(e.message); }
  }

  function generate() { attempt(() => show(engine.roll(current()))); }

  function manualGenerate() {
    attempt(() => {
      show(engine.manual(current(), picks));
      picks = [];
      drawPicks();
    });
  }

  function download(name, text) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }

  function drawHistory() {
    const want = $('history-search').value.toLowerCase();
    const history = stored(HISTORY_KEY, []);
    const items = [];
    history.forEach((h, i) => {
      if (want && !h.text.toLowerCase().includes(want)) return;
      const li = document.createElement('li'), details = document.createElement('details');
      const summary = document.createElement('summary'), pre = document.createElement('pre');
      const monster = /^Monster +: (.*)$/m.exec(h.text);
      summary.textContent = h.time + ' - ' + (monster ? monster[1] : 'report');
      pre.textContent = h.text;
      const save = Object.assign(document.createElement('button'), { type: 'button', textContent: 'Download as .hxo' });
      save.addEventListener('click', () => download(h.output + '.hxo', h.text));
      const remove = Object.assign(document.createElement('button'), { type: 'button', textContent: 'Remove' });
      remove.addEventListener('click', () => {
        const all = stored(HISTORY_KEY, []);
        all.splice(i, 1);
        store(HISTORY_KEY, all);
        drawHistory();
      });
      details.append(summary, pre);
      li.append(details, save, ' ', remove);
      items.unshift(li);
    });
    $('history').replaceChildren(...items);
  }

  function drawPicks() {
    $('pick-count').value = picks.reduce((n, p) => n + (p.startsWith('AREA') ? Number(p.split(' ')[1]) : 1), 0);
    $('pick-list').replaceChildren(...picks.map((p) => Object.assign(document.createElement('li'), { textContent: p })));
  }

  // ---------------------------------------------------------- statistics
  function chart(title, counts) {
    const NS = 'http://www.w3.org/2000/svg', w = 360, h = 120, most = Math.max(...counts, 1);
    const svg = document.createElementNS(NS, 'svg');
    svg.setAttribute('viewBox', '0 0 ' + w + ' ' + (h + 30));
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', title + ': generations by number of items, ' +
      counts.map((c, i) => i + ': ' + c).filter((_, i) => counts[i]).join(', '));
    const bar = w / counts.length;
    counts.forEach((c, i) => {
      const r = document.createElementNS(NS, 'rect');
      const height = (c / most) * h;
      Object.entries({ x: i * bar + 1, y: h - height + 14, width: Math.max(bar - 2, 1), height: height })
        .forEach(([k, v]) => r.setAttribute(k, v));
      svg.append(r);
    });
    const label = document.createElementNS(NS, 'text');
    label.setAttribute('x', 0); label.setAttribute('y', 10);
    label.textContent = title + ' items per hoard, 0 to ' + (counts.length - 1);
    svg.append(label);
    return svg;
  }

  function stats() {
    attempt(() => {
      const s = engine.stats(current(), Number($('stats-n').value) || 1000);
      $('stats-text').textContent = s.text;
      $('stats-charts').replaceChildren(chart('Portable', s.portable), chart('Lair', s.lair));
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
    try { loadFiles(stored(FILES_KEY, {})); } catch (e) {
      say(e.message);
      loadFiles({});
    }
    drawHistory();
    $('monster').addEventListener('change', () => questions());
    for (const id of ['position', 'comment'])
      $(id).addEventListener('input', (e) => { e.target.value = e.target.value.replace(TEXT_CHARS, ''); });
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
      const n = Math.min(100, Math.max(1, Number($('area-count').value) || 1));
      picks.push('AREA ' + n + ' ' + ($('area-add').checked ? 1 : 0));
      drawPicks();
    });
    $('manual-generate').addEventListener('click', manualGenerate);
    $('manual-clear').addEventListener('click', () => { picks = []; drawPicks(); });
    $('history-search').addEventListener('input', drawHistory);
    $('stats-run').addEventListener('click', stats);
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
    document.body.dataset.ready = 'yes';
  }

  createHoardex().then(start, (e) => say('The engine could not start: ' + e.message));
})();
