// The offline site's service worker: the page and the engine are kept in
// cache storage at the first visit and served from there afterwards, so the
// page opens and converts with the network off. (The data is kept by
// the engine's worker, in a cache of its own, found here by caches.match.)
'use strict';

const SHELL_CACHE = 'vorlen-shell-@BUILD_ID@';
const SHELL = ['./', 'index.html', 'style.css', 'app.js', 'captions.js', 'engines.js', 'segments.js',
  'worker.js', 'vorlen-core.js', 'vorlen-core.wasm', 'manifest.webmanifest', 'icon.svg',
  'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(SHELL_CACHE).then((cache) => cache.addAll(SHELL)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys())
      if (name.startsWith('vorlen-shell-') && name !== SHELL_CACHE) await caches.delete(name);
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith((async () => {
    // "?texto=..." links open the same page.
    const navigation = event.request.mode === 'navigate';
    const kept = await caches.match(event.request, { ignoreSearch: navigation });
    return kept || fetch(event.request);
  })());
});
