// Vorlen for JavaScript: the engine in WebAssembly over the library's Speller.
//
//     import { Vorlen } from 'vorlen';
//     const vorlen = await Vorlen.load();            // the vocabulary in the package
//     vorlen.convertText('aber si yano ay ves').text  // 'haber si yano|llano ay ves'
//     vorlen.convertWord('kasa').candidates           // ['casa', 'caza']
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { gunzipSync } from 'node:zlib';

const require = createRequire(import.meta.url);
const here = (name) => new URL(name, import.meta.url);

let corePromise = null;

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

async function vocabularyBytes(vocabulary) {
  if (vocabulary === undefined) vocabulary = here('./spanall.txt.gz');
  let bytes;
  if (typeof vocabulary === 'string' || vocabulary instanceof URL) bytes = await readFile(vocabulary);
  else if (vocabulary instanceof ArrayBuffer) bytes = new Uint8Array(vocabulary);
  else if (ArrayBuffer.isView(vocabulary)) bytes = new Uint8Array(vocabulary.buffer, vocabulary.byteOffset, vocabulary.byteLength);
  else throw new TypeError('vocabulary: a path, a URL or the bytes of a vocabulary file');
  // A gzip-compressed vocabulary is read as well as a plain one.
  if (bytes.length > 2 && bytes[0] === 0x1f && bytes[1] === 0x8b) bytes = gunzipSync(bytes);
  return bytes;
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
  // (plain or .gz), or its bytes; the package's own when none is given.
  static async load({ vocabulary } = {}) {
    const [core, bytes] = await Promise.all([loadCore(), vocabularyBytes(vocabulary)]);
    try {
      return new Vorlen(core, new core.Speller(bytes));
    } catch (error) {
      throw asError(core, error);
    }
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
