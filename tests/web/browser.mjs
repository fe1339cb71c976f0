// What the browser tests and benchmarks share: Debian's chromium driven by
// playwright-core (from the folder install-node-tools.sh fills), and a plain
// static file server on a free loopback port that counts what it sends.
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { extname, join, normalize, resolve } from 'node:path';

export const CHROMIUM = '/usr/bin/chromium';

function require(name) {
  const tools = process.env.VORLEN_NODE_TOOLS;
  if (!tools) throw new Error('VORLEN_NODE_TOOLS must name the folder install-node-tools.sh filled');
  return createRequire(join(resolve(tools), 'node_modules/'))(name);
}

export async function launchChromium() {
  try {
    statSync(CHROMIUM);
  } catch {
    throw new Error(`${CHROMIUM} is missing: install Debian's chromium`);
  }
  const { chromium } = require('playwright-core');
  const profile = mkdtempSync(join(tmpdir(), 'vorlen-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const close = async () => {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css',
  '.wasm': 'application/wasm', '.gz': 'application/gzip', '.svg': 'image/svg+xml', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json', '.json': 'application/json',
};

// Serves `root` as any static host would. `served` lists every request and
// `bytes` counts the bytes of the bodies sent.
export async function serveStatic(root) {
  const log = { served: [], bytes: 0 };
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
    log.served.push(path);
    let body;
    try {
      if (!file.startsWith(normalize(root))) throw new Error('outside');
      body = readFileSync(file);
    } catch {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
      'Content-Length': body.length, 'Cache-Control': 'no-cache' });
    response.end(body);
    log.bytes += body.length;
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return { url, log, close: () => new Promise((done) => { server.close(done); server.closeAllConnections(); }) };
}
