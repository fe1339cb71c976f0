// make wasm, after the WebAssembly build: puts together the offline site
// (build-wasm/web/) and the npm package (build-wasm/npm/) from src/web/,
// src/wasm/npm/, the engine just built and the data: the vocabulary with the
// word ranks, explanations and context table that native programs read
// beside it, in one compressed bundle (vorlen-data.gz).
//   node src/wasm/assemble.mjs SOURCE_DIR BUILD_DIR VERSION
import { createHash } from 'node:crypto';
import { copyFileSync, cpSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { deflateSync, gzipSync, constants } from 'node:zlib';

const [source, build, version] = process.argv.slice(2);
const core = join(build, 'src/wasm');
const web = join(build, 'web');
const npm = join(build, 'npm');

// The vocabulary with each word's prefix shared with the word before it
// taken out (one byte, its length, instead), as the engine's
// ExpandSharedPrefixes puts it back: sorted words share long prefixes, and
// gzip's window is too short to find most of them.
function sharePrefixes(text) {
  const isSeparator = (b) => b === 0x7c || b === 0x0a || b === 0x0d; // | \n \r
  const out = Buffer.alloc(text.length + text.length / 2 + 16);
  let length = 0, previous = 0, previousLength = 0;
  for (let at = 0; at < text.length;) {
    let end = at;
    while (end < text.length && !isSeparator(text[end])) ++end;
    let shared = 0;
    while (shared < 255 && shared < end - at && shared < previousLength && text[at + shared] === text[previous + shared]) ++shared;
    out[length++] = shared;
    length += text.copy(out, length, at + shared, end);
    previous = at;
    previousLength = end - at;
    at = end;
    if (at < text.length) out[length++] = text[at++];
  }
  return out.subarray(0, length);
}

// "vorlen-data 1", then "NAME CODING LENGTH" and the bytes of each file.
function dataBundle() {
  const parts = [Buffer.from('vorlen-data 1\n')];
  for (const [name, coding] of [['spanall.txt', 'prefixes'], ['word-ranks.txt', 'plain'],
    ['explanations.txt', 'plain'], ['context-accents.txt', 'plain']]) {
    const plain = readFileSync(join(source, 'data', name));
    const bytes = coding === 'prefixes' ? sharePrefixes(plain) : plain;
    parts.push(Buffer.from(`${name} ${coding} ${bytes.length}\n`), bytes);
  }
  return Buffer.concat(parts);
}
const compressed = gzipSync(dataBundle(), { level: constants.Z_BEST_COMPRESSION, memLevel: 9 });

// --- the icons: the bar of the output notation on the page's blue ---------

function crc32(bytes) {
  let c, crc = 0xffffffff;
  for (const b of bytes) {
    c = (crc ^ b) & 0xff;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    crc = (crc >>> 8) ^ c;
  }
  return (crc ^ 0xffffffff) >>> 0;
}

function png(size) {
  const rows = [];
  const blue = [0x1d, 0x4f, 0x91], white = [0xff, 0xff, 0xff], green = [0x2f, 0xb3, 0x4a];
  for (let y = 0; y < size; ++y) {
    const row = [0];
    for (let x = 0; x < size; ++x) {
      const u = x / size, v = y / size;
      let colour = blue;
      if (u > 0.44 && u < 0.56 && v > 0.16 && v < 0.84) colour = white; // the bar
      if (v > 0.62 && v < 0.7 && ((u > 0.16 && u < 0.38) || (u > 0.62 && u < 0.84))) colour = green;
      row.push(...colour);
    }
    rows.push(...row);
  }
  const chunk = (type, data) => {
    const body = Buffer.concat([Buffer.from(type), data]);
    const length = Buffer.alloc(4);
    length.writeUInt32BE(data.length);
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(body));
    return Buffer.concat([length, body, crc]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header[8] = 8; // bits per channel
  header[9] = 2; // RGB
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), chunk('IHDR', header),
    chunk('IDAT', deflateSync(Buffer.from(rows))), chunk('IEND', Buffer.alloc(0))]);
}

// --- the site --------------------------------------------------------------

rmSync(web, { recursive: true, force: true });
mkdirSync(web, { recursive: true });
for (const name of readdirSync(join(source, 'src/web'))) copyFileSync(join(source, 'src/web', name), join(web, name));
copyFileSync(join(core, 'vorlen-core.js'), join(web, 'vorlen-core.js'));
copyFileSync(join(core, 'vorlen-core.wasm'), join(web, 'vorlen-core.wasm'));
writeFileSync(join(web, 'vorlen-data.gz'), compressed);
copyFileSync(join(source, 'packaging/vorlen.svg'), join(web, 'icon.svg'));
writeFileSync(join(web, 'icon-192.png'), png(192));
writeFileSync(join(web, 'icon-512.png'), png(512));

// A build id from everything the site holds: caches of an older build are
// replaced when any of it changes.
const hash = createHash('sha256');
for (const name of readdirSync(web).sort()) hash.update(name).update(readFileSync(join(web, name)));
const buildId = hash.digest('hex').slice(0, 12);
const edit = (file, change) => writeFileSync(file, change(readFileSync(file, 'utf8')));
edit(join(web, 'index.html'), (s) => s
  .replace('data-engine="server"', 'data-engine="wasm"')
  .replace('<!--offline-site-->', '<link rel="manifest" href="manifest.webmanifest">\n' +
    '<link rel="icon" href="icon.svg" type="image/svg+xml">\n<link rel="apple-touch-icon" href="icon-192.png">'));
for (const name of ['sw.js', 'worker.js']) edit(join(web, name), (s) => s.replaceAll('@BUILD_ID@', buildId));

// --- the npm package ----------------------------------------------------------

rmSync(npm, { recursive: true, force: true });
cpSync(join(source, 'src/wasm/npm'), npm, { recursive: true });
copyFileSync(join(core, 'vorlen-core.js'), join(npm, 'vorlen-core.cjs'));
copyFileSync(join(core, 'vorlen-core.wasm'), join(npm, 'vorlen-core.wasm'));
writeFileSync(join(npm, 'vorlen-data.gz'), compressed);
copyFileSync(join(source, 'data/LICENSE-word-lists.txt'), join(npm, 'LICENSE-word-lists.txt'));
copyFileSync(join(source, 'data/README.md'), join(npm, 'DATA.md')); // where each file comes from, its licence
copyFileSync(join(source, 'data/LICENSE-vocabulary.txt'), join(npm, 'LICENSE-vocabulary.txt'));
edit(join(npm, 'package.json'), (s) => s.replace('@VERSION@', version));

console.log(`build-wasm/web (build ${buildId}) and build-wasm/npm (vorlen ${version}) ready`);
