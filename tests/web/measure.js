'use strict';
// Measures the browser build in headless chromium on this machine (not a test: prints figures).
//   node measure.js <site folder>
// - the site's size, each file gzip-compressed as a server would send it;
// - navigation to the first frame of the board, warm cache (the median of several loads);
// - a tap on GO to the first frame with new dice, at the fast speed (the median of several);
// - the page's CPU time while the board waits with its timer running.
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { startServer, stopServer, startBrowser } = require('./browser');

const LOADS = 7;
const ROLLS = 9;
const IDLE_SECONDS = 10;
const GO = [211, 266];

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

function siteSize(folder) {
  let raw = 0, compressed = 0;
  for (const name of fs.readdirSync(folder)) {
    const bytes = fs.readFileSync(path.join(folder, name));
    raw += bytes.length;
    compressed += zlib.gzipSync(bytes, { level: 9 }).length;
  }
  return { raw, compressed };
}

// The page's share of one core over IDLE_SECONDS, after a second to settle.
async function idleUse(page) {
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  const busy = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const start = await busy();
  await new Promise((resolve) => setTimeout(resolve, IDLE_SECONDS * 1000));
  const used = (await busy()) - start;
  await cdp.detach();
  return (used / IDLE_SECONDS) * 100;
}

async function main() {
  const folder = process.argv[2];
  const size = siteSize(folder);
  console.log(`site: ${(size.raw / 1024).toFixed(0)} KiB, ${(size.compressed / 1024).toFixed(0)} KiB gzip-compressed`);

  const server = await startServer(folder);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await startBrowser();
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 480, height: 640 });
    const firstFrames = [];
    for (let i = 0; i < LOADS; ++i) {
      await page.goto(url);
      await page.waitForFunction('window.tumblaPage && tumblaPage.firstFrameAt !== null');
      // The first load fills the caches; the others are warm.
      if (i > 0) firstFrames.push(await page.evaluate('tumblaPage.firstFrameAt'));
    }
    console.log(`navigation to the first frame (warm cache): ${median(firstFrames).toFixed(0)} ms`);

    // Each present is timed; a roll's first frame is the first that changes the dice.
    const rolls = [];
    for (let i = 0; i < ROLLS; ++i) {
      await new Promise((resolve) => setTimeout(resolve, 300));
      rolls.push(await page.evaluate(([x, y]) => new Promise((resolve) => {
        const canvas = document.getElementById('screen');
        const dice = () => canvas.getContext('2d').getImageData(190, 50, 50, 200).data.join();
        const before = dice();
        const present = tumblaPage.present;
        const box = canvas.getBoundingClientRect();
        const at = { clientX: box.left + ((x + 0.5) * box.width) / 240, clientY: box.top + ((y + 0.5) * box.height) / 320 };
        const tapped = performance.now();
        tumblaPage.present = function () {
          present.apply(this, arguments);
          if (dice() === before) return;
          tumblaPage.present = present;
          resolve(performance.now() - tapped);
        };
        const pointer = { ...at, pointerId: 1, pointerType: 'mouse', button: 0, bubbles: true, cancelable: true };
        canvas.dispatchEvent(new PointerEvent('pointerdown', pointer));
        canvas.dispatchEvent(new PointerEvent('pointerup', pointer));
      }), GO));
      // Three rolls a turn: a new game keeps GO rolling.
      if (i % 3 === 2) await page.keyboard.down('Control').then(() => page.keyboard.press('KeyN')).then(() => page.keyboard.up('Control'));
    }
    console.log(`tap on GO to new dice (fast speed): ${median(rolls).toFixed(1)} ms (median of ${ROLLS})`);

    await page.goto(url);
    await page.waitForFunction('tumblaPage.firstFrameAt !== null');
    const game = await idleUse(page);
    // What any page pays for a timer of the board's period (50 ms) in this browser.
    await page.goto('about:blank');
    await page.setContent('<script>(function tick() { setTimeout(tick, 50); })();</script>');
    const bare = await idleUse(page);
    console.log(`idle on the board: ${game.toFixed(2)} % of a core (a bare page with a 50 ms timer: ${bare.toFixed(2)} %)`);
  } finally {
    await browser.close();
    await stopServer(server);
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
