'use strict';
// Debian's chromium, headless, with a profile of its own, and the site served beside it:
// what every browser test starts with and stops at its end.
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { serve } = require('./serve');

const CHROMIUM = process.env.TUMBLA_CHROMIUM || '/usr/bin/chromium';

function startServer(folder, port = 0) {
  return new Promise((resolve) => serve(folder, port, resolve));
}

function stopServer(server) {
  if (!server.listening) return Promise.resolve();
  const stopped = new Promise((resolve) => server.close(() => resolve()));
  server.closeAllConnections();
  return stopped;
}

async function startBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tumbla-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run',
    ],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

module.exports = { startServer, stopServer, startBrowser };
