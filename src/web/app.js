// The page: the window's way of working in a browser. The engine is either
// vorlen-server (POST /api/convert) or, on the offline site, the WebAssembly
// engine in a Web Worker; <html data-engine> says which.
import { captions } from './captions.js';
import { ServerEngine, WorkerEngine } from './engines.js';
import { buildSegments, choicesOf, choose, isOpen, nextOpen, textOf } from './segments.js';

const $ = (id) => document.getElementById(id);
const input = $('input');
const output = $('output');
const status = $('status');
const progress = $('progress');
const OPTION_BOXES = ['ignoreDiacritics', 'keepCapitalisedWords', 'barAfterChange',
  'similarWordsWhenNotFound', 'contextAccents', 'classic'];
const WORD_LETTER = /[\p{L}\p{M}]/u;

let segments = [];
let undoStack = []; // earlier states of the converted text (segment lists)
const UNDO_CHARACTERS = 8 << 20;
let lastMark = -1; // the segment "next bar" went to last
let sourceName = 'texto';

const english = () => $('english').checked;
const say = (key) => captions[english() ? 'en' : 'es'][key];

function applyCaptions() {
  const lang = english() ? 'en' : 'es';
  document.documentElement.lang = lang;
  for (const el of document.querySelectorAll('[data-caption]')) el.textContent = captions[lang][el.dataset.caption];
  document.title = captions[lang].title;
  render();
}

function options() {
  const o = {};
  for (const name of OPTION_BOXES) o[name] = $(name).checked;
  o.changeFoundWords = $('changeFoundWords').checked;
  o.englishMessages = english();
  return o;
}

const engine = document.documentElement.dataset.engine === 'wasm'
  ? new WorkerEngine('worker.js', (loaded, total) => {
      $('loading').hidden = false;
      const bar = $('loading-bar');
      if (total) { bar.max = total; bar.value = loaded; }
    })
  : new ServerEngine();

// --- the converted text ---------------------------------------------------

function markButton(segment, index, part, label) {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = part;
  button.dataset.segment = index;
  button.dataset.choice = part;
  if (label) button.setAttribute('aria-label', label);
  return button;
}

function renderSegment(segment, index) {
  if (segment.plain !== undefined) return document.createTextNode(segment.plain);
  const word = segment.word;
  if (!isOpen(segment)) {
    if (segment.chosen || word.status !== 'corrected') return document.createTextNode(segment.text);
    const span = document.createElement('span');
    span.className = 'corrected';
    span.textContent = segment.text;
    span.title = `${say('corrected')} «${word.original ?? ''}»`;
    return span;
  }
  const group = document.createElement('span');
  group.dataset.segment = index;
  const choices = choicesOf(segment);
  if (word.status === 'notFound' || choices.length === 1) {
    // "|kasa" or "haber|": one word and a bar mark; a click takes the bar away.
    group.className = 'choices not-found';
    const note = word.status === 'notFound' ? say('notFoundMark') : say('barMark');
    const bar = document.createElement('span');
    bar.className = 'bar';
    bar.textContent = '|';
    bar.setAttribute('aria-hidden', 'true');
    if (segment.text.startsWith('|')) group.append(bar);
    group.append(markButton(segment, index, choices[0].text, `${choices[0].text}: ${note}`));
    if (segment.text.endsWith('|')) group.append(bar.cloneNode(true));
    return group;
  }
  group.className = 'choices';
  group.setAttribute('role', 'group');
  group.setAttribute('aria-label', `${say('choicesFor')} ${choices.map((c) => c.text).join(', ')}`);
  choices.forEach((choice, i) => {
    if (i > 0) {
      const bar = document.createElement('span');
      bar.className = 'bar';
      bar.textContent = '|';
      bar.setAttribute('aria-hidden', 'true');
      group.append(bar);
    }
    const button = markButton(segment, index, choice.text);
    if (choice.explanation) {
      button.title = choice.explanation;
      button.dataset.explanation = choice.explanation;
    }
    group.append(button);
  });
  return group;
}

// The converted text goes into blocks of some thousands of characters, each
// ending at a line break, that the browser lays out only when they come into
// view (content-visibility in style.css): laying out a whole long text at
// once took some 50 MB for 1 MB of text. The text itself is unchanged.
const BLOCK_CHARACTERS = 4000;

function render() {
  const fragment = document.createDocumentFragment();
  let block = document.createElement('div');
  block.className = 'block';
  let size = 0;
  const nextBlock = () => {
    fragment.append(block);
    block = document.createElement('div');
    block.className = 'block';
    size = 0;
  };
  segments.forEach((segment, i) => {
    if (segment.plain === undefined) {
      block.append(renderSegment(segment, i));
      size += segment.text.length;
      return;
    }
    let text = segment.plain;
    while (size + text.length > BLOCK_CHARACTERS) {
      const cut = text.indexOf('\n', Math.max(0, BLOCK_CHARACTERS - size - 1));
      if (cut < 0) break;
      block.append(text.slice(0, cut + 1));
      text = text.slice(cut + 1);
      nextBlock();
    }
    if (text) block.append(text);
    size += text.length;
  });
  if (block.firstChild) fragment.append(block);
  output.replaceChildren(fragment);
}

function setSegments(next, remember = true) {
  if (remember) undoStack.push(segments);
  // At most 200 states, and at most some 8 million characters of them all: a
  // few conversions of a long text would otherwise each keep a copy of it.
  const size = (list) => list.reduce((sum, segment) => sum + (segment.plain ?? segment.text).length, 0);
  let kept = undoStack.reduce((sum, list) => sum + size(list), 0);
  while (undoStack.length > 200 || (undoStack.length > 1 && kept > UNDO_CHARACTERS)) kept -= size(undoStack.shift());
  segments = next;
  render();
}

function focusMark(index) {
  const button = output.querySelector(`button[data-segment="${index}"]`);
  button?.focus();
}

output.addEventListener('click', (event) => {
  const button = event.target.closest('button[data-segment]');
  if (!button) return;
  const index = Number(button.dataset.segment);
  setSegments(choose(segments, index, button.dataset.choice));
  lastMark = index;
  status.textContent = `${say('chose')}: ${button.dataset.choice}`;
  // Keyboard users go on to the next choice.
  const next = nextOpen(segments, index);
  if (next >= 0 && event.detail === 0) focusMark(next);
  else output.focus();
});

output.addEventListener('focusin', (event) => {
  const text = event.target.dataset?.explanation;
  $('explanation').textContent = text ? `${say('explanation')}: ${text}` : '';
});
output.addEventListener('mouseover', (event) => {
  const text = event.target.dataset?.explanation;
  if (text) $('explanation').textContent = `${say('explanation')}: ${text}`;
});

$('next-bar').addEventListener('click', () => {
  const next = nextOpen(segments, lastMark);
  if (next < 0) {
    status.textContent = say('noBarLeft');
    return;
  }
  lastMark = next;
  focusMark(next);
});

function undo() {
  if (!undoStack.length) {
    status.textContent = say('nothingToUndo');
    return;
  }
  segments = undoStack.pop();
  render();
  status.textContent = say('undone');
}
$('undo').addEventListener('click', undo);
document.addEventListener('keydown', (event) => {
  if ((event.ctrlKey || event.metaKey) && event.key === 'z' && document.activeElement !== input) {
    event.preventDefault();
    undo();
  }
});

// --- converting -----------------------------------------------------------

let busy = 0;
async function convert() {
  const text = input.value;
  ++busy;
  status.textContent = say('converting');
  progress.hidden = false;
  progress.removeAttribute('value');
  try {
    const result = await engine.convert(text, options(), (done, total) => {
      progress.max = total;
      progress.value = done;
    }, english());
    for (const word of result.words) word.original = text.slice(word.offset, word.offset + word.length);
    setSegments(buildSegments(result));
    if (result.milliseconds !== undefined) {
      output.dataset.engineMilliseconds = result.milliseconds.toFixed(0);
      output.dataset.engineMemoryBytes = result.engineMemoryBytes;
    }
    lastMark = -1;
    status.textContent = say('done');
  } catch (error) {
    status.textContent = error.message;
  } finally {
    if (--busy === 0) progress.hidden = true;
  }
}
$('convert').addEventListener('click', convert);

$('clear').addEventListener('click', () => {
  input.value = '';
  setSegments([]);
  input.focus();
});

// Immediate mode: a word is converted in the text box as soon as the space or
// sign after it is typed. The sentence so far goes along, so that the
// capital-letter rule sees where the sentence starts. Answers come back in
// order; the replacements made meanwhile (earlier words) shift the later ones.
// Accents are not put back from context here: the words after the caret are
// not typed yet, and a sentence cut short reads wrongly ("haber si" would end
// as "sí", as in "eso sí"). Convertir then restores them over the whole text.
const immediateEdits = []; // {at, delta} of each replacement made
input.addEventListener('input', async (event) => {
  if (!$('immediate').checked || event.inputType !== 'insertText' || !event.data) return;
  if (WORD_LETTER.test(event.data)) return;
  const typedAt = input.selectionStart - event.data.length;
  const before = input.value.slice(0, typedAt);
  const match = before.match(/[\p{L}\p{M}]+$/u);
  if (!match) return;
  const wordStart = before.length - match[0].length;
  const sentenceStart = Math.max(...['.', '\n', '?', '!'].map((c) => before.lastIndexOf(c, wordStart - 1))) + 1;
  const editsSeen = immediateEdits.length;
  try {
    const result = await engine.convert(before.slice(sentenceStart), { ...options(), contextAccents: false },
      undefined, english());
    const word = result.words.find((w) => sentenceStart + w.offset === wordStart);
    if (!word) return;
    const shift = immediateEdits.slice(editsSeen).reduce((sum, e) => sum + (e.at < wordStart ? e.delta : 0), 0);
    const start = wordStart + shift;
    const end = start + match[0].length;
    // Only when the word is still there as typed.
    if (input.value.slice(start, end) !== match[0] || WORD_LETTER.test(input.value.charAt(end))) return;
    const replacement = result.text.slice(word.outputOffset, word.outputOffset + word.outputLength);
    const caret = input.selectionStart;
    input.setRangeText(replacement, start, end, 'preserve');
    immediateEdits.push({ at: start, delta: replacement.length - match[0].length });
    if (caret >= end) {
      const moved = caret + replacement.length - match[0].length;
      input.setSelectionRange(moved, moved);
    }
  } catch (error) {
    status.textContent = error.message;
  }
});

// --- files ----------------------------------------------------------------

$('open').addEventListener('change', async () => {
  const file = $('open').files[0];
  if (!file) return;
  const bytes = new Uint8Array(await file.arrayBuffer());
  let text;
  try {
    text = new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    // Not UTF-8: read as Windows-1252, as vorlen-cli does.
    text = new TextDecoder('windows-1252').decode(bytes);
  }
  if (text.includes('\0')) {
    status.textContent = say('notText');
    return;
  }
  input.value = text.replace(/^\uFEFF/, '');
  sourceName = file.name.replace(/\.[^.]*$/, '') || 'texto';
  status.textContent = `${say('opened')}: ${file.name}`;
  $('open').value = '';
});

$('download').addEventListener('click', () => {
  const blob = new Blob([textOf(segments)], { type: 'text/plain;charset=utf-8' });
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = `${sourceName}-convertido.txt`;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
});

// --- start ----------------------------------------------------------------

$('english').addEventListener('change', applyCaptions);
applyCaptions();

(async () => {
  const shared = new URLSearchParams(location.search).get('texto');
  if (shared !== null) input.value = shared;
  if (document.documentElement.dataset.engine === 'wasm') {
    $('offline-note').hidden = false;
    status.textContent = say('loadingVocabulary');
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  try {
    await engine.ready();
  } catch (error) {
    status.textContent = error.message;
    return;
  }
  $('loading').hidden = true;
  const readyAt = Math.round(performance.now());
  document.documentElement.dataset.ready = 'true';
  status.textContent = say('ready');
  if (shared) await convert();
  // For the benchmarks: when the engine was ready and the link's text shown.
  if (engine.loadPhases) {
    document.documentElement.dataset.loadPhases = JSON.stringify({ ...engine.loadPhases, pageReady: readyAt,
      firstShown: shared ? Math.round(performance.now()) : undefined });
  }
})();
