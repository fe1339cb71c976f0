// The offline site (build-wasm/web) in Debian's chromium, served by a plain
// static server: the first visit loads the data with a progress bar,
// a shared ?texto= link opens converted, alternatives are chosen by click and
// by keyboard and undone, nothing goes to the network once the page is
// loaded, a reload with the network off still converts, and a 1 MB paste
// converts in the worker while the page keeps answering.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync, readdirSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { after, before, test } from 'node:test';
import { launchChromium, serveStatic } from './browser.mjs';

const site = process.env.VORLEN_WASM_SITE;
const cli = process.env.VORLEN_CLI;
const vocabulary = process.env.VORLEN_VOCABULARY_FILE;
// The README's screenshots: into the folder VORLEN_SCREENSHOT_DIR names (make
// screenshot gives docs/), else the temporary folder, never the source tree.
const docs = `${process.env.VORLEN_SCREENSHOT_DIR ?? tmpdir()}/`;
let browser, server, page;

// What vorlen-cli answers, the reference for the page's converted text.
function nativeConversion(text) {
  return execFileSync(cli, ['--vocabulary', vocabulary], { input: text, maxBuffer: 1 << 28 }).toString();
}

async function ready(p) {
  await p.waitForSelector('html[data-ready="true"]', { timeout: 30000 });
}

async function convert(p, text) {
  await p.fill('#input', text);
  await p.click('#convert');
  await p.waitForFunction(() => document.querySelector('#progress').hidden);
  return p.textContent('#output');
}

before(async () => {
  if (!site || !existsSync(`${site}/index.html`)) throw new Error('VORLEN_WASM_SITE must name build-wasm/web (make wasm)');
  if (!cli || !existsSync(cli)) throw new Error('VORLEN_CLI must name vorlen-cli');
  server = await serveStatic(site);
  browser = await launchChromium();
  page = browser.context.pages()[0] ?? (await browser.context.newPage());
});

after(async () => {
  await browser?.close();
  await server?.close();
});

test('a first visit with ?texto= shows what vorlen-cli answers, after a progress bar', async () => {
  const text = 'aber si yano ay ves';
  await page.goto(`${server.url}?texto=${encodeURIComponent(text)}`);
  await ready(page);
  await page.waitForFunction(() => document.querySelector('#output').textContent !== '');
  assert.equal(await page.textContent('#output'), nativeConversion(text));
  // The bar followed the compressed data to its end.
  const gz = statSync(`${site}/vorlen-data.gz`).size;
  assert.deepEqual(await page.$eval('#loading-bar', (bar) => [bar.max, bar.value]), [gz, gz]);
  assert.equal(await page.isVisible('#loading'), false);
});

test('alternatives chosen by click and by keyboard, undone, and downloaded', async () => {
  // The likelier spelling comes first (the word ranks shipped with the data).
  assert.equal(await convert(page, 'aber si yano ay ves. kasa'), 'haber si llano|yano ay ves. casa|caza');
  await page.click('#output button[data-choice="yano"]');
  assert.equal(await page.textContent('#output'), 'haber si yano ay ves. casa|caza');
  // "Next bar" then Enter: the keyboard's way to the remaining choice.
  await page.click('#next-bar');
  assert.equal(await page.evaluate(() => document.activeElement.dataset.choice), 'casa');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  assert.equal(await page.textContent('#output'), 'haber si yano ay ves. caza');
  await page.click('#undo');
  await page.click('#undo');
  assert.equal(await page.textContent('#output'), 'haber si llano|yano ay ves. casa|caza');
  await page.click('#output button[data-choice="llano"]');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download')]);
  assert.equal(readFileSync(await download.path(), 'utf8'), 'haber si llano ay ves. casa|caza');
});

test('immediate mode converts each word as its ending key is typed; a Windows-1252 file opens', async () => {
  await page.click('#clear');
  await page.check('#immediate');
  await page.click('#input');
  await page.keyboard.type('aber si yano ');
  await page.waitForFunction(() => document.querySelector('#input').value === 'haber si llano|yano ');
  await page.keyboard.type('ay');
  assert.equal(await page.inputValue('#input'), 'haber si llano|yano ay');
  await page.uncheck('#immediate');
  await page.setInputFiles('#open', { name: 'carta.txt', mimeType: 'text/plain',
    buffer: Buffer.from('ma\xf1ana bamos\n', 'latin1') });
  await page.waitForFunction(() => document.querySelector('#input').value !== 'haber si llano|yano ay');
  assert.equal(await page.inputValue('#input'), 'mañana bamos\n');
});

test('once loaded the page makes no network request, and converts offline after a reload', async () => {
  const requests = [];
  const watch = (request) => requests.push(request.url());
  browser.context.on('request', watch);
  const servedBefore = server.log.served.length;
  await convert(page, 'bamos a la playa');
  await page.check('#english');
  await convert(page, 'aber');
  await page.uncheck('#english');
  browser.context.off('request', watch);
  assert.deepEqual(requests, []);
  assert.equal(server.log.served.length, servedBefore);

  await browser.context.setOffline(true);
  try {
    await page.reload();
    await ready(page);
    assert.equal(await convert(page, 'aber si yano ay ves'), nativeConversion('aber si yano ay ves'));
    await page.goto(`${server.url}?texto=ke%20ago`);
    await ready(page);
    await page.waitForFunction(() => document.querySelector('#output').textContent !== '');
    assert.equal(await page.textContent('#output'), nativeConversion('ke ago'));
  } finally {
    await browser.context.setOffline(false);
  }
});

test('a 1 MB paste converts in the worker with progress while the page answers', async () => {
  const dir = '/usr/share/games/fortunes/es';
  if (!existsSync(dir)) throw new Error(`${dir} is missing: install fortunes-es`);
  let text = readdirSync(dir).filter((f) => f.endsWith('.fortunes')).sort()
    .map((f) => readFileSync(`${dir}/${f}`, 'utf8')).join('');
  while (text.length < 1 << 20) text += text;
  text = text.slice(0, 1 << 20);
  await page.evaluate((t) => { document.querySelector('#input').value = t; }, text);
  await page.click('#convert');
  // While the worker converts, the page's own thread answers at once and the
  // progress bar moves.
  await page.waitForFunction(() => document.querySelector('#progress').value > 0, null, { timeout: 30000 });
  const pause = await page.evaluate(async () => {
    const start = performance.now();
    await new Promise((resolve) => setTimeout(resolve, 0));
    return performance.now() - start;
  });
  assert.ok(pause < 200, `the page stalled ${pause} ms`);
  await page.waitForFunction(() => document.querySelector('#progress').hidden, null, { timeout: 60000 });
  const shown = await page.evaluate(() => document.querySelector('#output').textContent);
  assert.ok(shown === nativeConversion(text), 'the page and vorlen-cli differ on the 1 MB text');
});

test('on a phone-sized screen the page fits its width, and it can be installed as an app', async () => {
  const phone = await browser.context.newPage();
  await phone.setViewportSize({ width: 360, height: 740 });
  await phone.goto(`${server.url}?texto=${encodeURIComponent('aber si yano ay ves. Mañana bamos a la playa kon mi ermano.')}`);
  await ready(phone);
  await phone.waitForFunction(() => document.querySelector('#output').textContent !== '');
  assert.ok(await phone.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth));
  const devtools = await browser.context.newCDPSession(phone);
  assert.deepEqual((await devtools.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  await phone.screenshot({ path: `${docs}web-phone.png` });
  await phone.close();
});
