// The engine of the offline page, in a Web Worker so typing never waits for
// it. The data (the vocabulary, word ranks, explanations and context table,
// in one bundle) is fetched compressed once and kept in the browser's cache
// storage; later visits read it from there, without the network.
/* global createVorlenCore */
'use strict';

importScripts('vorlen-core.js');

const DATA_URL = 'vorlen-data.gz';
const DATA_CACHE = 'vorlen-data-@BUILD_ID@';

let speller = null;
let core = null;

// The compressed data, from cache storage or else the network (with
// progress messages while it arrives), as a Blob.
async function compressedData() {
  const cache = await caches.open(DATA_CACHE);
  const kept = await cache.match(DATA_URL);
  if (kept) return kept.blob();
  const response = await fetch(DATA_URL);
  if (!response.ok) throw new Error(`${DATA_URL}: ${response.status}`);
  const total = Number(response.headers.get('Content-Length')) || 0;
  const reader = response.body.getReader();
  const chunks = [];
  let loaded = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    chunks.push(value);
    loaded += value.length;
    postMessage({ type: 'loading', loaded, total });
  }
  const blob = new Blob(chunks, { type: 'application/gzip' });
  await cache.put(DATA_URL, new Response(blob, { headers: { 'Content-Type': 'application/gzip' } }));
  // Older copies go.
  for (const name of await caches.keys())
    if ((name.startsWith('vorlen-data-') || name.startsWith('vorlen-vocabulary-')) && name !== DATA_CACHE) await caches.delete(name);
  return blob;
}

// Where the loading time goes, in milliseconds since the worker started (for
// the benchmarks; `origin` places them on the page's clock): the engine
// compiled, the data read, unpacked, opened.
const phases = { workerStarted: 0, origin: performance.timeOrigin };
const mark = (name) => { phases[name] = Math.round(performance.now()); };

async function load() {
  try {
    // The data is unpacked while the engine compiles.
    let bytes;
    [core, bytes] = await Promise.all([createVorlenCore().then((c) => { mark('engineCompiled'); return c; }),
      compressedData().then((blob) => {
        mark('dataRead');
        return new Response(blob.stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
      }).then((b) => { mark('dataUnpacked'); return b; })]);
    // Into the engine's memory in one copy; the engine frees it.
    const address = core._malloc(bytes.byteLength);
    if (!address) throw new Error('out of memory for the data');
    core.HEAPU8.set(new Uint8Array(bytes), address);
    core.writeDataBundle(address, bytes.byteLength);
    bytes = null;
    speller = new core.Speller();
    mark('engineOpened');
    postMessage({ type: 'ready', phases });
  } catch (error) {
    postMessage({ type: 'loadError', message: String(error && error.message ? error.message : error) });
  }
}

// Once the first conversion is answered, a short text converted unseen, so
// that the browser compiles the engine's busiest functions fully (it starts
// with quickly made code and improves what runs often) before a long text.
const WARM_UP = 'aber si yano ay ves, kasa bamos a la playa kon mi ermano y ke ago. '.repeat(300);
let warmedUp = false;
function warmUpSoon() {
  if (warmedUp) return;
  warmedUp = true;
  setTimeout(() => {
    try { speller.convertText(WARM_UP, {}, null); } catch { /* only a warm-up */ }
  }, 0);
}

onmessage = (event) => {
  const m = event.data;
  if (m.type !== 'convert') return;
  try {
    let lastPost = 0;
    const start = performance.now();
    const result = speller.convertText(m.text, m.options || {}, (done, total) => {
      const now = Date.now();
      if (now - lastPost > 100) {
        lastPost = now;
        postMessage({ type: 'progress', id: m.id, done, total });
      }
      return true;
    });
    // For the benchmarks: the engine's time and the size of its memory.
    result.milliseconds = performance.now() - start;
    result.engineMemoryBytes = core.HEAP8.length;
    postMessage({ type: 'result', id: m.id, result });
    warmUpSoon();
  } catch (error) {
    const message = String(error && error.message ? error.message : error);
    postMessage({ type: 'error', id: m.id, message: `No se pudo convertir: ${message}`,
                  messageEnglish: `Could not convert: ${message}` });
  }
};

load();
