// make bench: the offline site in Debian's chromium and the npm package in
// node, against the native vorlen-cli. Reports
//   - the first visit: time to the first conversion of a ?texto= link with an
//     empty cache, and the bytes transferred (as sent, and gzip-compressed as
//     a compressing static host would send them);
//   - a later visit (warm cache): time to the first conversion;
//   - conversion speed on the fortunes-es text: in the browser's worker, in
//     node, and native;
//   - the peak memory of the page's renderer process while converting.
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync, readdirSync } from 'node:fs';
import { loadavg } from 'node:os';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchChromium, serveStatic } from '../../tests/web/browser.mjs';

const wasmDir = resolve(process.env.VORLEN_WASM_DIR || 'build-wasm');
const cli = process.env.VORLEN_CLI;
const vocabulary = resolve('data/spanall.txt');
const fortunesDir = '/usr/share/games/fortunes/es';
const fortunes = readdirSync(fortunesDir).filter((f) => f.endsWith('.fortunes')).sort()
  .map((f) => readFileSync(join(fortunesDir, f), 'utf8')).join('');
const words = fortunes.split(/\s+/).length;

// The largest renderer of the browser: its resident memory and the part of
// it that is its own (not shared with the other processes), in MB.
function rendererMemoryMB() {
  const out = spawnSync('ps', ['-eo', 'pid,rss,args'], { encoding: 'utf8' }).stdout;
  let best = { rss: 0, own: 0 };
  for (const line of out.split('\n')) {
    if (!line.includes('chromium') || !line.includes('--type=renderer')) continue;
    const [pid, rss] = line.trim().split(/\s+/).map(Number);
    let own = 0;
    try {
      for (const m of readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8').matchAll(/^Private_(?:Clean|Dirty):\s+(\d+)/gm)) own += Number(m[1]);
    } catch { /* ended meanwhile */ }
    if (rss > best.rss) best = { rss: rss / 1024, own: own / 1024 };
  }
  return best;
}
const larger = (a, b) => ({ rss: Math.max(a.rss, b.rss), own: Math.max(a.own, b.own) });

async function firstConversion(page, url) {
  const start = Date.now();
  await page.goto(url);
  await page.waitForFunction(() => document.querySelector('#output').textContent !== '', null, { timeout: 120000 });
  return Date.now() - start;
}

const server = await serveStatic(join(wasmDir, 'web'));
const browser = await launchChromium();
try {
  const page = browser.context.pages()[0] ?? (await browser.context.newPage());
  const link = `${server.url}?texto=${encodeURIComponent('aber si yano ay ves')}`;
  const cold = await firstConversion(page, link);
  await page.waitForTimeout(2000); // the service worker finishes keeping the site
  let compressed = 0;
  for (const path of new Set(server.log.served)) {
    const file = join(wasmDir, 'web', path.endsWith('/') ? `${path}index.html` : path);
    const body = readFileSync(file);
    compressed += path.endsWith('.gz') || path.endsWith('.png') ? body.length : gzipSync(body, { level: 9 }).length;
  }
  const sent = server.log.bytes;
  const requestsCold = server.log.served.length;
  const warm = await firstConversion(page, link);
  const requestsWarm = server.log.served.length - requestsCold;
  const warmPhases = await page.waitForFunction(() => document.documentElement.dataset.loadPhases).then((h) => h.jsonValue());

  // The whole fortunes-es text through the page (worker conversion and
  // showing the result), with the renderer's memory sampled meanwhile.
  await page.evaluate((t) => { document.querySelector('#input').value = t; }, fortunes);
  const loaded = rendererMemoryMB();
  let peak = loaded;
  const sampler = setInterval(() => { peak = larger(peak, rendererMemoryMB()); }, 100);
  let workerMs = 0, engineMemory = 0;
  const pageMs = await page.evaluate(async () => {
    const start = performance.now();
    document.querySelector('#convert').click();
    while (!document.querySelector('#progress').hidden) await new Promise((r) => setTimeout(r, 5));
    const { engineMilliseconds, engineMemoryBytes } = document.querySelector('#output').dataset;
    return [performance.now() - start, Number(engineMilliseconds), Number(engineMemoryBytes)];
  }).then(([all, engine, memory]) => { workerMs = engine; engineMemory = memory; return all; });
  clearInterval(sampler);
  peak = larger(peak, rendererMemoryMB());

  // The same text in node through the package, and natively on one thread
  // of vorlen-cli (the command splits long texts over the cores).
  const { Vorlen } = await import(join(wasmDir, 'npm/vorlen.mjs'));
  const vorlen = await Vorlen.load({ vocabulary });
  let start = performance.now();
  vorlen.convertText(fortunes);
  const nodeMs = performance.now() - start;
  start = performance.now();
  execFileSync('taskset', ['-c', '0', cli, '--vocabulary', vocabulary], { input: fortunes, maxBuffer: 1 << 28 });
  const nativeWithLoadMs = performance.now() - start;
  start = performance.now();
  execFileSync('taskset', ['-c', '0', cli, '--vocabulary', vocabulary, 'word', 'a'], { maxBuffer: 1 << 28 });
  const nativeLoadMs = performance.now() - start;
  const nativeMs = nativeWithLoadMs - nativeLoadMs;

  const mb = (n) => (n / 1e6).toFixed(2);
  console.log(`Offline site (build-wasm/web) and npm package (load average ${loadavg()[0].toFixed(1)}: ` +
    'times are wall-clock and grow with it):');
  console.log(`  first visit, to the first conversion: ${cold} ms; ${requestsCold} requests, ${mb(sent)} MB sent, ` +
    `${mb(compressed)} MB compressed (target <= 3 MB)`);
  console.log(`  later visit (warm cache), to the first conversion: ${warm} ms, ${requestsWarm} requests (target <= 1000 ms); ` +
    `the page's loading, ms since it began: ${warmPhases}`);
  console.log(`  fortunes-es, ${words} words: native ${nativeMs.toFixed(0)} ms (one core, without loading), ` +
    `node wasm ${nodeMs.toFixed(0)} ms (${(nativeMs / nodeMs).toFixed(2)} x native), ` +
    `browser worker ${workerMs.toFixed(0)} ms (${(nativeMs / workerMs).toFixed(2)} x native; target >= 0.5), ` +
    `${pageMs.toFixed(0)} ms with showing the result`);
  console.log(`  memory of the page's renderer, loaded: ${loaded.rss.toFixed(0)} MB resident, ${loaded.own.toFixed(0)} MB ` +
    `its own; peak while converting: ${peak.rss.toFixed(0)} MB resident, ${peak.own.toFixed(0)} MB its own ` +
    `(target < 150 MB); the engine's WebAssembly memory ${mb(engineMemory)} MB`);
} finally {
  await browser.close();
  await server.close();
}
