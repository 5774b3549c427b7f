'use strict';
// The browser build in Debian's chromium: the screens equal the desktop's reference images,
// a whole game by touch reaches the name entry and its high score is stored as the desktop
// stores it, the sound cues reach Web Audio, a second tab waits for the first, storage the
// browser refuses gives the program's message, and the site starts with the network gone.
//   node web_test.js <site folder> <reference images folder>
const assert = require('assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { startServer, stopServer, startBrowser } = require('./browser');

const [siteFolder, goldenFolder] = process.argv.slice(2);

// Where things are on the handheld's 240 by 320 screen.
const MENU = [20, 308];
const MENU_ITEMS = { 'Show Hi Scores': 176, 'Reset Hi Scores': 196, 'Game Options': 216, 'About Tumbla': 236, Exit: 283 };
const CLOSE_BOX = [228, 9];
// The caption in the title bar turns the coach on; its panel beside the screen, or below it in
// an upright window, turns it off.
const CAPTION = [40, 10];
const COACH_PANEL = [260, 10];
const COACH_PANEL_BELOW = [20, 340];
// The panel below: the screen's width and ten lines of the board's large text high.
const COACH_BELOW_FRAME = [240, 516];
const COACH_PANEL_COLOR = [0, 102, 51];
const DIE_1 = [211, 69];
// The box of the message "Error exporting data to disk:" (with the file's path) over the board,
// left, top, right, bottom.
const MESSAGE_BOX = [14, 104, 225, 214];
const GO = [211, 266];
const YES = [84, 187];
const NO = [152, 187];
const CELLS = [
  [72, 70], [72, 96], [72, 122], [72, 148], [72, 174], [72, 200], [72, 226],
  [160, 70], [160, 96], [160, 122], [160, 148], [160, 174], [160, 200],
];
// The settings file of a first start, byte for byte as the desktop writes it.
const DEFAULT_TABLE = ['Avlomo', 'Bexin', 'Corvina', 'Dalmo', 'Evrolde', 'Fennu', 'Gubbo', 'Hesko', 'Ivvorin', 'Jorlamee'];
const settingsText = (scores, names) => '<AUDIO>1\n<COLOR>0\n<SPEED>1\n' +
  names.map((name, i) => `<HISC${i}>${scores[i]}\n<HINA${i}>${name}\n`).join('');
const DEFAULT_SETTINGS = settingsText(DEFAULT_TABLE.map((_, i) => 190 - 10 * i), DEFAULT_TABLE);

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A new window size, taken by the page: its resize event, which fits the canvas anew and
// tells the program the window's shape, comes before the next frame.
async function resizeWindow(page, viewport) {
  await page.setViewport(viewport);
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
}

class GamePage {
  constructor(page) {
    this.page = page;
    this.errors = [];
    page.on('pageerror', (error) => this.errors.push(error.message));
  }

  async open(url) {
    await this.page.goto(url);
    await this.page.waitForFunction('window.tumblaPage && tumblaPage.framesShown > 0', { timeout: 15000 });
    await this.settle();
  }

  // Waits until the program has drawn nothing new for a while: a roll or a dialog is done.
  async settle(quietMs = 400) {
    let frames = -1;
    for (;;) {
      const now = await this.page.evaluate('tumblaPage.framesShown');
      if (now === frames) return;
      frames = now;
      await sleep(quietMs);
    }
  }

  // A tap on a pixel of the frame, whatever its size: the handheld's screen, or more with the
  // coach's panel beside or below it.
  async tap([x, y]) {
    const box = await this.page.$eval('#screen', (canvas) => {
      const r = canvas.getBoundingClientRect();
      return { left: r.left, top: r.top, scaleX: r.width / canvas.width, scaleY: r.height / canvas.height };
    });
    await this.page.touchscreen.tap(box.left + (x + 0.5) * box.scaleX, box.top + (y + 0.5) * box.scaleY);
    await this.settle();
  }

  // Keys of a physical keyboard, each typing its character, as a keyboard with the letter does.
  async typeOnKeyboard(text) {
    const input = await this.page.createCDPSession();
    for (const character of text) {
      await input.send('Input.dispatchKeyEvent', { type: 'keyDown', key: character, text: character });
      await input.send('Input.dispatchKeyEvent', { type: 'keyUp', key: character });
    }
    await input.detach();
  }

  async choose(item) {
    await this.tap(MENU);
    await this.tap([50, MENU_ITEMS[item]]);
  }

  // How many pixels of the canvas differ from the reference image, and the first of them.
  async compareWithGolden(name, width = Infinity) {
    const png = fs.readFileSync(path.join(goldenFolder, name + '.png')).toString('base64');
    return this.page.evaluate(async (data, width) => {
      const bytes = Uint8Array.from(atob(data), (c) => c.charCodeAt(0));
      const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }),
        { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      const scratch = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      scratch.drawImage(bitmap, 0, 0);
      const canvas = document.getElementById('screen');
      if (canvas.width !== bitmap.width || canvas.height !== bitmap.height) {
        return { differing: -1, first: `the canvas is ${canvas.width} by ${canvas.height}`, box: [] };
      }
      const w = bitmap.width, h = bitmap.height;
      const want = scratch.getImageData(0, 0, w, h).data;
      const got = canvas.getContext('2d').getImageData(0, 0, w, h).data;
      let differing = 0, first = null;
      const box = [w, h, -1, -1];
      for (let i = 0; i < got.length; i += 4) {
        if ((i / 4) % w >= width) continue;
        if (got[i] !== want[i] || got[i + 1] !== want[i + 1] || got[i + 2] !== want[i + 2]) {
          if (first === null) first = { x: (i / 4) % w, y: Math.floor(i / 4 / w), got: [...got.slice(i, i + 3)], want: [...want.slice(i, i + 3)] };
          ++differing;
          const x = (i / 4) % w, y = Math.floor(i / 4 / w);
          box[0] = Math.min(box[0], x); box[1] = Math.min(box[1], y); box[2] = Math.max(box[2], x); box[3] = Math.max(box[3], y);
        }
      }
      return { differing, first, box };
    }, png, width);
  }

  async expectScreen(name, width) {
    const result = await this.compareWithGolden(name, width);
    assert.strictEqual(result.differing, 0, `${name}: ${result.differing} pixels differ in ${result.box}, first ${JSON.stringify(result.first)}`);
  }

  // The settings file as the page's storage holds it; null when there is none.
  storedSettings() {
    return this.storedFile('Tumbla.ini');
  }

  // A file of the game's folder as the page's storage holds it; null when there is none.
  storedFile(name) {
    return this.page.evaluate((name) => new Promise((resolve, reject) => {
      const open = indexedDB.open('/tumbla');
      open.onerror = () => reject(open.error);
      open.onsuccess = () => {
        const request = open.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/tumbla/' + name);
        request.onerror = () => reject(request.error);
        request.onsuccess = () => resolve(request.result ? Array.from(request.result.contents) : null);
      };
    }), name).then((bytes) => bytes && Buffer.from(bytes));
  }

  // Away from the game first, on a page of the site without it: a game page that closes
  // saves its own settings on the way out.
  async replaceStoredSettings(text) {
    await this.page.goto(new URL('Tumbla.htm', this.page.url()).href);
    await this.page.evaluate(() => localStorage.removeItem('tumbla-folder'));
    return this.page.evaluate((bytes) => new Promise((resolve, reject) => {
      const open = indexedDB.open('/tumbla');
      open.onerror = () => reject(open.error);
      open.onsuccess = () => {
        const store = open.result.transaction('FILE_DATA', 'readwrite').objectStore('FILE_DATA');
        const request = store.get('/tumbla/Tumbla.ini');
        request.onsuccess = () => {
          const entry = request.result;
          entry.contents = new Uint8Array(bytes);
          entry.timestamp = new Date();
          store.put(entry, '/tumbla/Tumbla.ini').onsuccess = () => resolve();
        };
        request.onerror = () => reject(request.error);
      };
    }), [...Buffer.from(text, 'latin1')]);
  }

  // A whole game by touch, started on a table of scores at 0 (named Low0 to Low9), so that
  // any game makes the table: it ends at the name entry.
  async playToNameEntry(url) {
    const lowTable = DEFAULT_TABLE.map((_, i) => `Low${i}`);
    await this.replaceStoredSettings(settingsText(lowTable.map(() => 0), lowTable));
    await this.open(url);
    for (const cell of CELLS) {
      await this.tap(GO);
      await this.tap(cell);
    }
  }

  // The page hidden, as when a phone switches to another app: another tab comes to the front.
  async hide() {
    const other = await this.page.browserContext().newPage();
    await other.bringToFront();
    assert.strictEqual(await this.page.evaluate(() => document.visibilityState), 'hidden');
  }

  // Waits until the page's storage holds the file with text the test accepts.
  async waitForStored(name, accepts) {
    for (let tries = 0; tries < 50; ++tries) {
      const bytes = await this.storedFile(name);
      if (bytes && accepts(bytes.toString('latin1'))) return bytes.toString('latin1');
      await sleep(100);
    }
    throw new Error(`${name} is not stored as expected: ${(await this.storedFile(name) || 'none').toString()}`);
  }

  screen() {
    return this.page.evaluate(() => document.getElementById('screen').toDataURL());
  }

  ended() {
    return this.page.evaluate(() => !document.getElementById('ended').hidden);
  }
}

const checks = [];
const check = (name, run) => checks.push({ name, run });

check('the start screen and the dialogs equal the desktop reference images', async ({ game }) => {
  await game.expectScreen('board_start');
  for (const [item, golden] of [['Game Options', 'options'], ['Show Hi Scores', 'hiscores'], ['About Tumbla', 'about']]) {
    await game.choose(item);
    await game.expectScreen(golden);
    await game.tap(CLOSE_BOX);
  }
  for (const [item, golden] of [['Exit', 'exit_question'], ['Reset Hi Scores', 'reset_question']]) {
    await game.choose(item);
    await game.expectScreen(golden);
    await game.tap(NO);
  }
  await game.expectScreen('board_start');
});

check('a first start stores the settings file of the desktop', async ({ game }) => {
  const stored = await game.storedSettings();
  assert.ok(stored, 'no Tumbla.ini in the page storage');
  assert.strictEqual(stored.length, 277);
  assert.strictEqual(stored.toString('latin1'), DEFAULT_SETTINGS);
});

check('the sound cues reach Web Audio in the order of the taps', async ({ game }) => {
  await game.page.evaluate(() => { tumblaPage.soundsPlayed.length = 0; });
  await game.tap(GO);
  await game.tap(DIE_1);
  await game.tap(CELLS[6]);
  assert.deepStrictEqual(await game.page.evaluate(() => tumblaPage.soundsPlayed), ['WAV_3', 'WAV_4', 'WAV_5']);
});

check('F1 opens the help page in a new tab', async ({ game, browser }) => {
  const opened = browser.waitForTarget((target) => target.url().endsWith('/Tumbla.htm'), { timeout: 5000 });
  await game.page.keyboard.press('F1');
  const page = await (await opened).page();
  await page.waitForFunction(() => /Tumbla/.test(document.title), { timeout: 5000 });
  await page.close();
});

// The pen's targets in screen pixels: the board's and the options' template rectangles
// (4 by 8 dialog units are 6 by 13 pixels) and the soft keyboard's keys.
const TARGETS = { die: [35, 36], cell: [33, 22], GO: [48, 37] };
const SMALL_TARGETS = { 'soft keyboard key': [20, 20], 'check box': [15, 14] };
// The smallest target a finger hits reliably, in CSS pixels.
const FINGER = 44;
const PHONES = [[390, 844, 3], [360, 640, 2], [844, 390, 3]];

check('a phone upright or sideways shows the board as large as its screen allows, the targets a finger wide where it allows',
  async ({ browser, url }) => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const measured = [];
    try {
      await page.setViewport({ width: PHONES[0][0], height: PHONES[0][1], deviceScaleFactor: PHONES[0][2], isMobile: true, hasTouch: true });
      await new GamePage(page).open(url);
      for (const [width, height, ratio] of PHONES) {
        await resizeWindow(page, { width, height, deviceScaleFactor: ratio, isMobile: true, hasTouch: true });
        const shown = await page.$eval('#screen', (canvas) => ({
          scale: canvas.getBoundingClientRect().width / canvas.width, frame: [canvas.width, canvas.height],
          window: [innerWidth, innerHeight],
        }));
        const room = Math.min(shown.window[0] / shown.frame[0], shown.window[1] / shown.frame[1]);
        assert.ok(Math.abs(shown.scale - room) < 0.01, `${width}x${height}: ${shown.scale} CSS px per screen pixel, room for ${room}`);
        const sides = {};
        for (const [name, [w, h]] of Object.entries({ ...TARGETS, ...SMALL_TARGETS })) {
          const side = Math.min(w, h);
          sides[name] = +(side * shown.scale).toFixed(1);
          if (name in TARGETS && side * room >= FINGER) {
            assert.ok(side * shown.scale >= FINGER, `${width}x${height}: ${name} ${side * shown.scale} CSS px`);
          }
        }
        measured.push(`${width}x${height}: ${Object.entries(sides).map(([name, side]) => `${name} ${side}`).join(', ')}`);
      }
    } finally {
      await context.close();
    }
    console.log(`     short sides in CSS px: ${measured.join('; ')}`);
  });

check('storage the browser refuses gives the message of a read-only folder, and the game goes on',
  async ({ browser, url }) => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 480, height: 640, hasTouch: true });
    await page.evaluateOnNewDocument(() => {
      indexedDB.open = () => { throw new DOMException('blocked for the test', 'SecurityError'); };
    });
    const game = new GamePage(page);
    await game.open(url);
    await game.expectScreen('board_start');
    await game.choose('Reset Hi Scores');
    await game.tap(YES);
    const message = await game.compareWithGolden('board_start');
    assert.ok(message.differing > 0, 'no message box over the board');
    assert.deepStrictEqual(message.box, MESSAGE_BOX, 'the message box is not where the desktop shows it');
    await page.keyboard.press('Enter');
    await game.settle();
    await game.expectScreen('board_start');
    await game.tap(GO);
    assert.notStrictEqual((await game.compareWithGolden('board_start')).differing, 0, 'GO rolled no dice');
    await context.close();
  });

check('Shift and Ctrl reach the game: Shift+Tab takes the focus back, Ctrl+Q asks before ending',
  async ({ browser, url }) => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 480, height: 640, hasTouch: true });
    const game = new GamePage(page);
    await game.open(url);
    const keys = page.keyboard;
    const withModifier = async (modifier, key) => {
      await keys.down(modifier);
      await keys.press(key);
      await keys.up(modifier);
      await game.settle();
    };
    await game.tap(GO);
    await keys.press('Tab');
    await game.settle();
    const first = await game.screen();
    await keys.press('Tab');
    await game.settle();
    assert.notStrictEqual(await game.screen(), first, 'Tab did not move the focus on');
    await withModifier('Shift', 'Tab');
    assert.strictEqual(await game.screen(), first, 'Shift+Tab did not take the focus back');
    await withModifier('Control', 'KeyQ');
    const question = await game.screen();
    assert.notStrictEqual(question, first, 'Ctrl+Q asked nothing');
    await game.tap(NO);
    assert.notStrictEqual(await game.screen(), question, 'No did not close the question');
    assert.ok(!(await game.ended()), 'No ended the game');
    await context.close();
  });

check('a second tab says the game is open in another; Exit ends the game there and the second starts',
  async ({ game, browser, url }) => {
    const second = await browser.newPage();
    await second.goto(url);
    await second.waitForFunction(() => !document.getElementById('elsewhere').hidden, { timeout: 5000 });
    assert.strictEqual(await second.evaluate(() => tumblaPage.framesShown), 0);
    await game.page.bringToFront();
    await game.choose('Exit');
    await game.tap(YES);
    await game.page.waitForFunction(() => !document.getElementById('ended').hidden, { timeout: 5000 });
    await second.waitForFunction(() => tumblaPage.framesShown > 0, { timeout: 5000 });
    await second.close();
  });

check('after one visit the game starts with the network gone', async ({ game, url, server }) => {
  await game.page.evaluate(() => navigator.serviceWorker.ready);
  await stopServer(server);
  await game.open(url);
});

check('a whole game by touch reaches the name entry, and its score is stored and shown after a reload',
  async ({ game, url }) => {
    await game.playToNameEntry(url);
    // The game is in the history file before its name is asked for.
    const games = await game.storedFile('Tumbla-games.csv');
    assert.ok(games, 'no Tumbla-games.csv in the page storage');
    assert.match(games.toString('utf8'), new RegExp('^finished,total,Ones,Twos,Threes,Fours,Fives,Sixes,Chance,' +
      '3Kind,House,4Kind,4Row,5Row,TUMBLA,Bonus,given_up,luck,moves\n' +
      '\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ,\\d+,(\\d+,){14}\\d+\\.\\d\\d,-?\\d+\\.\\d\\d,[1-6 hBt:;A-Za-z0-9]+\n$'));
    await game.typeOnKeyboard('Zo\u00eb');
    await game.settle();
    // The reference image has no board behind the dialog, whose last column lets it show.
    await game.expectScreen('name_entry', 239);
    await game.page.keyboard.press('Enter');
    await game.settle();
    const table = await game.page.evaluate(() => document.getElementById('screen').toDataURL());
    const stored = (await game.storedSettings()).toString('latin1');
    assert.match(stored, /<HISC0>[1-9][0-9]*\n<HINA0>Zo\u00eb\n<HISC1>0\n<HINA1>Low0\n/);
    await game.open(url);
    await game.choose('Show Hi Scores');
    const again = await game.page.evaluate(() => document.getElementById('screen').toDataURL());
    assert.strictEqual(again, table, 'the table after a reload differs from the one shown after the game');
  });

// The statistics' second page has a button in place of the file's path that downloads the
// history file itself; the game of the check before is in it.
const STATISTICS_PAGE = [340, 100];
const DOWNLOAD_BUTTON = [340, 275];

async function downloadedFile(folder, name, timeoutMs) {
  const file = path.join(folder, name);
  for (let waited = 0; waited < timeoutMs && !fs.existsSync(file); waited += 100) await sleep(100);
  assert.ok(fs.existsSync(file), `no ${name} downloaded into ${folder}: ${fs.readdirSync(folder)}`);
  return fs.readFileSync(file);
}

check('the statistics download the history file, byte for byte', async ({ game, url, browser }) => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tumbla-download-'));
  const session = await browser.target().createCDPSession();
  try {
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
    await game.open(url);
    await game.page.keyboard.press('KeyS');
    await game.page.waitForFunction("document.getElementById('screen').width > 240", { timeout: 10000 });
    await game.settle();
    await game.tap(STATISTICS_PAGE);
    await game.tap(DOWNLOAD_BUTTON);
    const downloaded = await downloadedFile(folder, 'Tumbla-games.csv', 10000);
    const stored = await game.storedFile('Tumbla-games.csv');
    assert.ok(stored && stored.length > 0, 'no Tumbla-games.csv in the page storage');
    assert.ok(downloaded.equals(stored), `downloaded ${downloaded.length} bytes, stored ${stored.length}`);
    await game.page.keyboard.press('KeyS');
  } finally {
    await session.send('Browser.setDownloadBehavior', { behavior: 'default' });
    await session.detach();
    fs.rmSync(folder, { recursive: true, force: true });
  }
});

// ---- nothing lost when the page goes away ---------------------------------------------------
// Each in a browser profile and on a server of its own: the page hidden, then closed, and the
// game started again in a new tab of that profile, as a phone does when it has dropped a page.
const DICE_COLOR_BOX = [198, 184];
const NEW_GAME_ITEM = [50, 149];

async function openGameIn(context, url) {
  const page = await context.newPage();
  await page.setViewport({ width: 480, height: 640, hasTouch: true });
  const game = new GamePage(page);
  await game.open(url);
  return game;
}

async function inOwnProfile(browser, run) {
  const server = await startServer(siteFolder);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const context = await browser.createBrowserContext();
  try {
    await run(await openGameIn(context, url), () => openGameIn(context, url), url);
  } finally {
    await context.close();
    await stopServer(server);
  }
}

check('a closed page saves the options: Dice Color stays ticked, also after a reload',
  ({ browser }) => inOwnProfile(browser, async (game, startAgain, url) => {
    await game.choose('Game Options');
    await game.tap(DICE_COLOR_BOX);
    const ticked = await game.screen();
    await game.page.close();
    const again = await startAgain();
    await again.choose('Game Options');
    assert.strictEqual(await again.screen(), ticked, 'Game Options differ after the start again');
    await again.tap(DICE_COLOR_BOX);
    const unticked = await again.screen();
    await again.open(url);
    await again.choose('Game Options');
    assert.strictEqual(await again.screen(), unticked, 'Game Options differ after the reload');
    assert.deepStrictEqual(again.errors, []);
  }));

check('a hidden page stores the total whose name is being asked for',
  ({ browser }) => inOwnProfile(browser, async (game, startAgain, url) => {
    await game.playToNameEntry(url);
    await game.hide();
    const stored = /<HISC0>[1-9][0-9]*\n<HINA0>\n<HISC1>0\n<HINA1>Low0\n/;
    const text = await game.waitForStored('Tumbla.ini', (text) => stored.test(text));
    await game.page.close();
    // The table the next start loads is the one it saves with a changed option.
    const again = await startAgain();
    await again.choose('Game Options');
    await again.tap(DICE_COLOR_BOX);
    await again.hide();
    await again.waitForStored('Tumbla.ini', (saved) => saved === text.replace('<COLOR>0', '<COLOR>1'));
    assert.strictEqual(await again.storedFile('Tumbla-resume.txt'), null, 'the game has ended');
  }));

check('a hidden or reloaded page keeps the game in progress, and the next start shows it as it was',
  ({ browser }) => inOwnProfile(browser, async (game, startAgain, url) => {
    await game.tap(GO);
    await game.tap(CELLS[6]);
    await game.tap(GO);
    await game.tap(DIE_1);
    await game.tap(GO);
    await game.tap(DIE_1);
    const shown = await game.screen();
    await game.hide();
    await game.waitForStored('Tumbla-resume.txt', (text) => text.startsWith('Tumbla game in progress 2\nrolls 1\n'));
    assert.strictEqual((await game.storedSettings()).toString('latin1'), DEFAULT_SETTINGS, 'Tumbla.ini changed');
    await game.page.close();
    const again = await startAgain();
    assert.strictEqual(await again.screen(), shown, 'the board differs after the start again');
    await again.tap(GO);
    const lastRoll = await again.screen();
    await again.open(url);
    assert.strictEqual(await again.screen(), lastRoll, 'the board differs after the reload');
    await again.tap(MENU);
    await again.tap(NEW_GAME_ITEM);
    for (let tries = 0; tries < 50 && await again.storedFile('Tumbla-resume.txt') !== null; ++tries) await sleep(100);
    assert.strictEqual(await again.storedFile('Tumbla-resume.txt'), null, 'a new game leaves the kept one');
  }));

check('a tab that waited for the game starts with the options the other tab saved as it ended',
  ({ browser }) => inOwnProfile(browser, async (game, startAgain, url) => {
    const waiting = await game.page.browserContext().newPage();
    await waiting.setViewport({ width: 480, height: 640, hasTouch: true });
    await waiting.goto(url);
    await waiting.waitForFunction(() => !document.getElementById('elsewhere').hidden, { timeout: 5000 });
    await game.page.bringToFront();
    await game.choose('Game Options');
    await game.tap(DICE_COLOR_BOX);
    const ticked = await game.screen();
    await game.tap(CLOSE_BOX);
    await game.choose('Exit');
    await game.tap(YES);
    await game.page.waitForFunction(() => !document.getElementById('ended').hidden, { timeout: 5000 });
    await waiting.bringToFront();
    await waiting.waitForFunction(() => tumblaPage.framesShown > 0, { timeout: 5000 });
    const second = new GamePage(waiting);
    await second.settle();
    await second.choose('Game Options');
    assert.strictEqual(await second.screen(), ticked, 'the waiting tab started with the options it found at its load');
  }));

// The coach turned on by a tap on the caption: its panel beside the board, once best play's
// table is worked out a slice per tick, advises the first roll as the desktop does; a tap on
// the panel turns it off, and its setting is in a file of its own.
check('the coach, turned on by touch, advises the first roll beside the board',
  ({ browser }) => inOwnProfile(browser, async (game) => {
    // A window wider than high, as on the desktop: the panel beside the board.
    await resizeWindow(game.page, { width: 640, height: 480, hasTouch: true });
    await game.settle();
    await game.tap(CAPTION);
    await game.page.waitForFunction("document.getElementById('screen').width > 240", { timeout: 10000 });
    // "Working out best play..." until the table is whole, some seconds on a loaded machine.
    for (let tries = 0; tries < 60 && (await game.compareWithGolden('coach_start')).differing !== 0; ++tries) {
      await sleep(500);
    }
    await game.expectScreen('coach_start');
    assert.strictEqual(String(await game.storedFile('Tumbla-extras.ini')), '<COACH>1\n');
    await game.tap(COACH_PANEL);
    await game.page.waitForFunction("document.getElementById('screen').width === 240", { timeout: 10000 });
    assert.strictEqual(String(await game.storedFile('Tumbla-extras.ini')), '<COACH>0\n');
  }));

// A phone held upright: the coach turned on by touch shows its panel below the board, which
// still fills the phone's width; turned sideways, beside it; upright again, a tap on the panel
// below turns the coach off.
check('on a phone held upright the coach, turned on by touch, sits below the board filling the width',
  ({ browser }) => inOwnProfile(browser, async (game) => {
    const upright = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
    await resizeWindow(game.page, upright);
    await game.settle();
    await game.tap(CAPTION);
    await game.page.waitForFunction('document.getElementById("screen").height > 320', { timeout: 10000 });
    await game.settle();
    const shown = await game.page.$eval('#screen', (canvas, [x, y]) => {
      const r = canvas.getBoundingClientRect();
      return {
        frame: [canvas.width, canvas.height], box: [r.left, r.top, r.width, r.height], window: [innerWidth, innerHeight],
        panel: [...canvas.getContext('2d').getImageData(x, y, 1, 1).data.slice(0, 3)],
      };
    }, COACH_PANEL_BELOW);
    assert.deepStrictEqual(shown.frame, COACH_BELOW_FRAME, 'the frame with the panel below');
    assert.ok(Math.abs(shown.box[2] - shown.window[0]) < 1, `the board is ${shown.box[2]} CSS px wide in a ${shown.window[0]} px window`);
    assert.ok(shown.box[3] <= shown.window[1], `the frame is ${shown.box[3]} CSS px high in a ${shown.window[1]} px window`);
    assert.deepStrictEqual(shown.panel, COACH_PANEL_COLOR, 'the panel below the board');
    await resizeWindow(game.page, { ...upright, width: 844, height: 390 });
    await game.page.waitForFunction('document.getElementById("screen").width === 456', { timeout: 10000 });
    await resizeWindow(game.page, upright);
    await game.page.waitForFunction('document.getElementById("screen").height === 516', { timeout: 10000 });
    await game.settle();
    await game.tap(COACH_PANEL_BELOW);
    await game.page.waitForFunction('document.getElementById("screen").height === 320', { timeout: 10000 });
    assert.strictEqual(String(await game.storedFile('Tumbla-extras.ini')), '<COACH>0\n');
  }));

check('a new version of the site replaces the cache of the old one', async ({ browser }) => {
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'tumbla-site-'));
  fs.cpSync(siteFolder, copy, { recursive: true });
  const server = await startServer(copy);
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    const url = `http://127.0.0.1:${server.address().port}/`;
    const cacheNames = async (want) => {
      await page.waitForFunction(async (name) => (await caches.keys()).join() === name, { timeout: 10000 }, want);
    };
    const worker = fs.readFileSync(path.join(copy, 'service-worker.js'), 'utf8');
    const oldCache = /const CACHE = '([^']+)'/.exec(worker)[1];
    await page.goto(url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await cacheNames(oldCache);
    // What the build does for any change: a changed file and a service worker of a new version.
    fs.appendFileSync(path.join(copy, 'page.js'), '// the next version\n');
    fs.writeFileSync(path.join(copy, 'service-worker.js'), worker.replace(oldCache, oldCache + '-next'));
    await page.reload();
    await cacheNames(oldCache + '-next');
    const cachedPage = await page.evaluate(async () => (await caches.match('page.js')).text());
    assert.ok(cachedPage.endsWith('// the next version\n'), 'the new cache holds the old page script');
  } finally {
    await context.close();
    await stopServer(server);
    fs.rmSync(copy, { recursive: true, force: true });
  }
});

async function main() {
  const server = await startServer(siteFolder);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await startBrowser();
  let failed = 0;
  let passed = 0;
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 480, height: 640, hasTouch: true });
    const game = new GamePage(page);
    await game.open(url);
    for (const { name, run } of checks) {
      try {
        await page.bringToFront();
        await run({ game, url, browser, server });
        console.log(`ok   ${name}`);
        ++passed;
      } catch (error) {
        ++failed;
        console.log(`FAIL ${name}\n     ${error.message}`);
        const shot = path.join(siteFolder, '..', `web_test_failure_${checks.findIndex((c) => c.name === name)}.png`);
        await page.screenshot({ path: shot });
        console.log(`     the page as it failed: ${shot}`);
      }
    }
    if (game.errors.length > 0) {
      ++failed;
      console.log(`FAIL the page threw: ${game.errors.join('; ')}`);
    }
  } finally {
    await browser.close();
    await stopServer(server);
  }
  console.log(`browser: ${passed} passed, ${failed} failed`);
  process.exit(failed === 0 ? 0 : 1);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
