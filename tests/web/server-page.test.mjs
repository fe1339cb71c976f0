// The page served by vorlen-server, in Debian's chromium: typed text is
// converted by POST /api/convert, an alternative is clicked, the English
// captions switch the server's error messages too, and the screenshot for
// the README is taken.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { existsSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { after, before, test } from 'node:test';
import { launchChromium } from './browser.mjs';

const serverProgram = process.env.VORLEN_SERVER;
const vocabulary = process.env.VORLEN_VOCABULARY_FILE;
// The README's screenshots: into the folder VORLEN_SCREENSHOT_DIR names (make
// screenshot gives docs/), else the temporary folder, never the source tree.
const docs = `${process.env.VORLEN_SCREENSHOT_DIR ?? tmpdir()}/`;
let server, browser, page, url;

async function freePort() {
  const probe = createServer();
  await new Promise((resolve) => probe.listen(0, '127.0.0.1', resolve));
  const { port } = probe.address();
  await new Promise((resolve) => probe.close(resolve));
  return port;
}

before(async () => {
  if (!serverProgram || !existsSync(serverProgram)) throw new Error('VORLEN_SERVER must name vorlen-server');
  const port = await freePort();
  url = `http://127.0.0.1:${port}/`;
  server = spawn(serverProgram, ['--listen', `127.0.0.1:${port}`, '--vocabulary', vocabulary],
    { stdio: ['ignore', 'ignore', 'pipe'] });
  let log = '';
  server.stderr.on('data', (chunk) => { log += chunk; });
  for (let tries = 0; ; ++tries) {
    if (server.exitCode !== null) throw new Error(`vorlen-server ended: ${log}`);
    try {
      if ((await fetch(url)).ok) break;
    } catch { /* not listening yet */ }
    if (tries > 300) throw new Error(`vorlen-server does not answer at ${url}: ${log}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  browser = await launchChromium();
  page = browser.context.pages()[0] ?? (await browser.context.newPage());
  await page.setViewportSize({ width: 1100, height: 720 });
});

after(async () => {
  await browser?.close();
  if (server && server.exitCode === null) {
    server.kill('SIGTERM');
    await new Promise((resolve) => server.once('exit', resolve));
  }
});

test('typed text converted by the server, an alternative clicked, a screenshot taken', async () => {
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
  await page.click('#input');
  await page.keyboard.type('aber si yano ay ves. Mañana bamos a la playa kon mi ermano.');
  await page.click('#convert');
  await page.waitForSelector('#output button[data-choice="llano"]');
  // The likelier spelling first (the word ranks beside the vocabulary).
  assert.match(await page.textContent('#output'), /^haber si llano\|yano ay ves\. /);
  await page.screenshot({ path: `${docs}web-page.png` });
  await page.click('#output button[data-choice="llano"]');
  assert.match(await page.textContent('#output'), /^haber si llano ay ves\. /);
  assert.equal(await page.locator('#output button[data-choice="yano"]').count(), 0);
});

test("the server's refusal of a text over its limit is shown in the page's language", async () => {
  await page.check('#english');
  await page.evaluate(() => { document.querySelector('#input').value = 'a'.repeat(1100000); });
  await page.click('#convert');
  await page.waitForFunction(() => document.querySelector('#progress').hidden);
  const message = await page.textContent('#status');
  assert.ok(message.length > 0 && message !== 'Converted.', `status: ${message}`);
  assert.match(await page.textContent('#output'), /llano/, 'the last conversion is kept');
});
