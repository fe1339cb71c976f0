// Vorlen for JavaScript: the engine in WebAssembly over the library's Speller.
//
//     import { Vorlen } from 'vorlen';
//     const vorlen = await Vorlen.load();            // the data in the package
//     vorlen.convertText('aber si yano ay ves').text  // 'haber si llano|yano ay ves'
//     vorlen.convertWord('kasa').candidates           // ['casa', 'caza']
import { readFile } from 'node:fs/promises';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { createRequire } from 'node:module';
import { gunzipSync } from 'node:zlib';

const require = createRequire(import.meta.url);
const here = (name) => new URL(name, import.meta.url);

let corePromise = null;
let loads = Promise.resolve();

// The WebAssembly module, compiled once per process. The .wasm is read from
// disk and handed over, so no fetch is tried (node 18 has one that cannot
// read files).
function loadCore() {
  corePromise ??= (async () => {
    const createVorlenCore = require('./vorlen-core.cjs');
    const wasmBinary = await readFile(here('./vorlen-core.wasm'));
    return createVorlenCore({ wasmBinary, print: () => {}, printErr: () => {} });
  })();
  return corePromise;
}

// The files that native programs read beside the vocabulary.
const BESIDE_VOCABULARY = ['word-ranks.txt', 'explanations.txt', 'context-accents.txt'];

const gunzipped = (bytes) => (bytes.length > 2 && bytes[0] === 0x1f && bytes[1] === 0x8b ? gunzipSync(bytes) : bytes);
const isBundle = (bytes) => Buffer.from(bytes.buffer, bytes.byteOffset, Math.min(bytes.length, 14)).toString('latin1') === 'vorlen-data 1\n';

// A bundle goes into the module's memory in one copy; the engine frees it.
function writeBundle(core, bytes) {
  const address = core._malloc(bytes.length);
  if (!address) throw new Error('out of memory for the data');
  core.HEAPU8.set(bytes, address);
  core.writeDataBundle(address, bytes.length);
}

async function readIfThere(path) {
  try {
    return await readFile(path);
  } catch (error) {
    if (error.code === 'ENOENT') return null;
    throw error;
  }
}

// Hands the data over to the engine (kept in its memory until a Speller opens on it): the package's
// bundle, a bundle or vocabulary file given by path (plain or .gz) with the
// files beside it as native programs read them, or the bytes of either.
async function writeData(core, vocabulary) {
  if (vocabulary === undefined) vocabulary = here('./vorlen-data.gz');
  if (typeof vocabulary === 'string' || vocabulary instanceof URL) {
    const bytes = gunzipped(await readFile(vocabulary));
    if (isBundle(bytes)) return writeBundle(core, bytes);
    core.writeDataFile('spanall.txt', bytes, false);
    const folder = dirname(vocabulary instanceof URL ? fileURLToPath(vocabulary) : vocabulary);
    for (const name of BESIDE_VOCABULARY) {
      const beside = await readIfThere(join(folder, name));
      if (beside) core.writeDataFile(name, beside, false);
    }
    return undefined;
  }
  let bytes;
  if (vocabulary instanceof ArrayBuffer) bytes = new Uint8Array(vocabulary);
  else if (ArrayBuffer.isView(vocabulary)) bytes = new Uint8Array(vocabulary.buffer, vocabulary.byteOffset, vocabulary.byteLength);
  else throw new TypeError('vocabulary: a path, a URL or the bytes of a vocabulary file');
  bytes = gunzipped(bytes);
  return isBundle(bytes) ? writeBundle(core, bytes) : core.writeDataFile('spanall.txt', bytes, false);
}

// What the engine threw, as an Error (embind passes C++ exceptions on as
// objects or numbers without a message).
function asError(core, error) {
  if (error instanceof Error) return error;
  if (typeof core.getExceptionMessage === 'function') {
    try {
      return new Error(core.getExceptionMessage(error).join(': '));
    } catch { /* fall through */ }
  }
  return new Error(String(error));
}

export class Vorlen {
  #core;
  #speller;

  constructor(core, speller) {
    this.#core = core;
    this.#speller = speller;
  }

  // Opens the engine on a vocabulary: a path or URL of a vocabulary file
  // (plain or .gz; the word ranks, explanations and context table beside it
  // are read too, as vorlen-cli reads them), or its bytes; the package's own
  // data when none is given.
  static async load({ vocabulary } = {}) {
    const core = await loadCore();
    // One load at a time: each writes its files into the same folder.
    const opened = loads.then(async () => {
      try {
        await writeData(core, vocabulary);
        return new Vorlen(core, new core.Speller());
      } catch (error) {
        throw asError(core, error);
      }
    });
    loads = opened.catch(() => {});
    return opened;
  }

  // The text converted: {text, words: [{offset, length, outputOffset,
  // outputLength, status, candidates, fromContext}], finished}, offsets in
  // UTF-16 code units (string indices). onProgress(doneBytes, totalBytes) may
  // return false to stop early (finished is then false).
  convertText(text, options = {}, onProgress = undefined) {
    if (typeof text !== 'string') throw new TypeError('convertText: text must be a string');
    try {
      return this.#speller.convertText(text, options, onProgress);
    } catch (error) {
      throw asError(this.#core, error);
    }
  }

  // The verdict on one word: {word, status, output, candidates, similarWords, entry}.
  convertWord(word, options = {}) {
    if (typeof word !== 'string') throw new TypeError('convertWord: word must be a string');
    try {
      return this.#speller.convertWord(word, options);
    } catch (error) {
      throw asError(this.#core, error);
    }
  }

  // A file's bytes converted as vorlen-cli converts them: UTF-8 stays UTF-8,
  // other bytes are read and written back as Windows-1252.
  convertBytes(bytes, options = {}) {
    try {
      return this.#speller.convertFileBytes(bytes, options);
    } catch (error) {
      throw asError(this.#core, error);
    }
  }

  // Words the vocabulary file had that were left out, with the reason.
  get warnings() {
    return this.#speller.warnings();
  }

  // Frees the engine's memory for this vocabulary.
  close() {
    this.#speller?.delete();
    this.#speller = null;
  }

  static async version() {
    return (await loadCore()).version();
  }
}

export default Vorlen;
