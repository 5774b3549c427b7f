'use strict';
// Keeps the whole site, so that after one visit the game starts with the network gone. The
// build writes the site's version into the cache's name: a new version fills a new cache
// and deletes the old ones.
const CACHE = 'tumbla-@TUMBLA_SITE_VERSION@';
const SITE = [
  './', 'index.html', 'page.js', 'tumbla.js', 'tumbla.wasm', 'Tumbla.htm', 'manifest.webmanifest',
  'tumbla-32.png', 'tumbla-128.png', 'tumbla-192.png', 'tumbla-256.png', 'tumbla-512.png',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(SITE)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The cache first: the site changes only with its version.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((cached) => cached || fetch(event.request)));
});
