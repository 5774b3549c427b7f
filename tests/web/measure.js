'use strict';
// Measures the browser build in headless chromium on this machine (not a test: prints figures).
//   node measure.js <site folder>
// - the site's size, each file gzip-compressed as a server would send it;
// - navigation to the first frame of the board, warm cache (the median of several loads);
// - a tap on GO to the first frame that changes a die, at the fast speed (the median and the
//   worst of several): the roll waits for the board's next 50 ms tick, as on the handheld;
//   beside it, as the baseline of the same taps, the frame of GO's own pressed look;
// - the page's CPU time while the board waits with its timer running.
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { startServer, stopServer, startBrowser } = require('./browser');

const LOADS = 7;
// Three rolls a turn, then an offer taken: seven turns of one game.
const ROLLS = 21;
const IDLE_SECONDS = 10;
const GO = [211, 266];
const CELLS = [[72, 70], [72, 96], [72, 122], [72, 148], [72, 174], [72, 200], [72, 226]];
// Left, top, right, bottom: the five dice's column and nothing else, and the GO picture just
// below it, which repaints as it is pressed.
const DICE = [195, 52, 230, 244];
const GO_PICTURE = [189, 247, 237, 284];

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

    // A pen tap dispatched on the canvas; with `watched` regions, the time from it to the first
    // frame presented that changes each of them.
    const tap = (point, watched) => page.evaluate(([x, y], watched) => new Promise((resolve) => {
      const canvas = document.getElementById('screen');
      const pixels = ([left, top, right, bottom]) => canvas.getContext('2d').getImageData(left, top, right - left, bottom - top).data.join();
      const box = canvas.getBoundingClientRect();
      const at = { clientX: box.left + ((x + 0.5) * box.width) / canvas.width, clientY: box.top + ((y + 0.5) * box.height) / canvas.height };
      const pointer = { ...at, pointerId: 1, pointerType: 'mouse', button: 0, bubbles: true, cancelable: true };
      const before = watched.map(pixels);
      const changedAt = watched.map(() => null);
      const present = tumblaPage.present;
      const tapped = performance.now();
      tumblaPage.present = function () {
        present.apply(this, arguments);
        watched.forEach((region, i) => {
          if (changedAt[i] === null && pixels(region) !== before[i]) changedAt[i] = performance.now() - tapped;
        });
        if (changedAt.every((time) => time !== null)) {
          tumblaPage.present = present;
          resolve(changedAt);
        }
      };
      canvas.dispatchEvent(new PointerEvent('pointerdown', pointer));
      canvas.dispatchEvent(new PointerEvent('pointerup', pointer));
      if (watched.length === 0) {
        tumblaPage.present = present;
        resolve([]);
      }
    }), point, watched);
    const pause = () => new Promise((resolve) => setTimeout(resolve, 300));
    const goShown = [];
    const diceShown = [];
    for (let i = 0; i < ROLLS; ++i) {
      await pause();
      const [go, dice] = await tap(GO, [GO_PICTURE, DICE]);
      goShown.push(go);
      diceShown.push(dice);
      if (i % 3 === 2) {
        await pause();
        await tap(CELLS[(i - 2) / 3], []);
      }
    }
    const worst = (values) => Math.max(...values);
    console.log(`tap on GO to new dice (fast speed): median ${median(diceShown).toFixed(1)} ms, worst ${worst(diceShown).toFixed(1)} ms ` +
      `(of ${ROLLS}); to GO's own repaint, the baseline: median ${median(goShown).toFixed(1)} ms, worst ${worst(goShown).toFixed(1)} ms`);

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
