'use strict';
// The page around the game: the canvas and its scale, the pen and the keys, sound, the
// settings folder in the browser's storage, one game at a time across tabs, and the page
// shown when the game has ended. The program calls in through tumblaPage (page_bridge.js).
(function () {
  // The folder of the settings file, kept in IndexedDB; the program finds it as the folder
  // of its executable, as on the desktop.
  const DATA_FOLDER = '/tumbla';
  // The order of InputEvent::Kind.
  const PEN_DOWN = 0, PEN_MOVE = 1, PEN_UP = 2, HOVER = 3, KEY_DOWN = 4, CHARACTER = 5, END_SESSION = 8, VIEW_SHAPE = 9;
  const MOD_SHIFT = 1, MOD_CONTROL = 2, MOD_ALT = 4;

  // The canvas is as many pixels as the frame presented last (the handheld's 240 by 320
  // screen, or more with a panel beside or below it); everything else follows its size.
  const canvas = document.getElementById('screen');
  const context = canvas.getContext('2d', { alpha: false });
  let image = context.createImageData(canvas.width, canvas.height);

  const page = {
    openInAnotherTab: false,
    // What tests read: the cues as they start, and when the first frame was shown.
    soundsPlayed: [],
    firstFrameAt: null,
    framesShown: 0,
  };
  window.tumblaPage = page;

  // ---- the frame ------------------------------------------------------------------------
  // The frame as large as the window allows. A desktop browser keeps a whole number of
  // device pixels per frame pixel, for sharp edges, and takes a fraction only when not even
  // one fits; a phone, upright or sideways, fills its width or its height, whichever the
  // frame meets first, by a fraction where no whole number fits, as every finger needs the
  // room.
  function fitCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const fits = Math.min((window.innerWidth * ratio) / canvas.width, (window.innerHeight * ratio) / canvas.height);
    const phone = window.matchMedia('(pointer: coarse)').matches;
    const devicePixels = fits < 1 || phone ? fits : Math.floor(fits);
    canvas.style.width = (canvas.width * devicePixels) / ratio + 'px';
    canvas.style.height = (canvas.height * devicePixels) / ratio + 'px';
  }
  window.addEventListener('resize', fitCanvas);
  fitCanvas();

  // A frame of another size: the canvas takes it whole, and the scale is found anew.
  function resizeFrame(width, height) {
    canvas.width = width;
    canvas.height = height;
    image = context.createImageData(width, height);
    fitCanvas();
  }

  page.present = function (heap, pixels, width, height, left, top, right, bottom) {
    if (width !== canvas.width || height !== canvas.height) {
      resizeFrame(width, height);
      [left, top, right, bottom] = [0, 0, width, height];
    }
    if (right <= left || bottom <= top) return;
    const out = image.data;
    for (let y = top; y < bottom; ++y) {
      // COLORREF: red, green, blue and an unused byte, in memory order.
      let from = pixels + (y * width + left) * 4;
      let to = (y * width + left) * 4;
      for (let x = left; x < right; ++x, from += 4, to += 4) {
        out[to] = heap[from];
        out[to + 1] = heap[from + 1];
        out[to + 2] = heap[from + 2];
        out[to + 3] = 255;
      }
    }
    context.putImageData(image, 0, 0, left, top, right - left, bottom - top);
    if (page.firstFrameAt === null) page.firstFrameAt = performance.now();
    ++page.framesShown;
  };

  // ---- input ----------------------------------------------------------------------------
  const queue = [];
  let wakeUp = null;
  let wakeTimer = 0;

  function wake() {
    if (!wakeUp) return;
    const resume = wakeUp;
    wakeUp = null;
    clearTimeout(wakeTimer);
    page.resume(resume);
  }

  // Goes on with the program after a wait. Its end comes as an exception that only stops
  // it: the page shows the end (Module.onExit).
  page.resume = function (resume, value) {
    try {
      resume(value);
    } catch (error) {
      if (!error || error.name !== 'ExitStatus') throw error;
    }
  };

  function push(kind, x, y, key, modifiers, character) {
    queue.push([kind, x | 0, y | 0, key | 0, modifiers | 0, character | 0]);
    wake();
  }

  page.nextInput = function () {
    return queue.shift();
  };

  // The program lays out what it adds to the screen by the window's shape (the coach's panel
  // below the board on a phone held upright): it hears the shape at the start and whenever
  // the window changes it, as when a phone turns.
  let toldShape = '';
  function tellShape() {
    const shape = window.innerWidth + 'x' + window.innerHeight;
    if (shape === toldShape) return;
    toldShape = shape;
    push(VIEW_SHAPE, window.innerWidth, window.innerHeight);
  }
  window.addEventListener('resize', tellShape);
  tellShape();

  page.sleep = function (milliseconds, resume) {
    // Asyncify can wait only inside main: a wait while the static objects are made (a
    // message box about a file the browser's storage could not read) would run main under it.
    if (!started) throw new Error('the program waited for input before main began');
    wakeUp = resume;
    if (queue.length > 0) {
      wake();
    } else if (milliseconds >= 0) {
      wakeTimer = setTimeout(wake, milliseconds);
    }
  };

  function screenPoint(event) {
    const box = canvas.getBoundingClientRect();
    return [
      Math.floor(((event.clientX - box.left) * canvas.width) / box.width),
      Math.floor(((event.clientY - box.top) * canvas.height) / box.height),
    ];
  }

  function clamp(point) {
    return [
      Math.min(Math.max(point[0], 0), canvas.width - 1),
      Math.min(Math.max(point[1], 0), canvas.height - 1),
    ];
  }

  let penPointer = null;
  canvas.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    unlockSound();
    if (penPointer !== null || event.button !== 0) return;
    penPointer = event.pointerId;
    canvas.setPointerCapture(event.pointerId);
    const [x, y] = screenPoint(event);
    push(PEN_DOWN, x, y);
  });
  canvas.addEventListener('pointermove', (event) => {
    if (event.pointerId === penPointer) {
      const [x, y] = clamp(screenPoint(event));
      push(PEN_MOVE, x, y);
    } else if (penPointer === null && event.pointerType === 'mouse') {
      const [x, y] = screenPoint(event);
      push(HOVER, x, y);
    }
  });
  function penUp(event) {
    if (event.pointerId !== penPointer) return;
    penPointer = null;
    const [x, y] = clamp(screenPoint(event));
    push(PEN_UP, x, y);
  }
  canvas.addEventListener('pointerup', penUp);
  canvas.addEventListener('pointercancel', penUp);
  document.addEventListener('contextmenu', (event) => event.preventDefault());

  // The desktop's keys, by their place on the keyboard, as virtual-key codes.
  const NAMED_KEYS = {
    Enter: 0x0d, NumpadEnter: 0x0d, Escape: 0x1b, Backspace: 0x08, Tab: 0x09, Delete: 0x2e, Space: 0x20,
    ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28, Home: 0x24, End: 0x23,
    AltLeft: 0x12, AltRight: 0x12,
  };
  function virtualKey(code) {
    let match;
    if ((match = /^Key([A-Z])$/.exec(code))) return match[1].charCodeAt(0);
    if ((match = /^Digit([0-9])$/.exec(code))) return match[1].charCodeAt(0);
    if ((match = /^Numpad([0-9])$/.exec(code))) return 0x60 + Number(match[1]);
    if ((match = /^F([0-9]+)$/.exec(code)) && Number(match[1]) >= 1 && Number(match[1]) <= 12) {
      return 0x70 + Number(match[1]) - 1;
    }
    return NAMED_KEYS[code] || 0;
  }
  document.addEventListener('keydown', (event) => {
    unlockSound();
    const key = virtualKey(event.code);
    const modifiers = (event.shiftKey ? MOD_SHIFT : 0) | (event.ctrlKey ? MOD_CONTROL : 0) | (event.altKey ? MOD_ALT : 0);
    if (key !== 0) {
      push(KEY_DOWN, 0, 0, key, modifiers);
      event.preventDefault();
    }
    // Typed text: one printable character, not a shortcut.
    if (event.key.length === 1 && !event.ctrlKey && !event.altKey && !event.metaKey) {
      push(CHARACTER, 0, 0, 0, 0, event.key.charCodeAt(0));
      event.preventDefault();
    }
  });

  // ---- a page the browser may end ------------------------------------------------------
  // A hidden page may be ended without another word (a phone switching apps, a tab swiped
  // away or dropped in the background), so the program saves what it keeps at once: the
  // settings, a total whose name is being asked for, the game in progress. Each hiding is
  // told once. A page being closed or reloaded cannot wait for the browser's storage: its
  // saves go on without waiting, and what they wrote is copied into the site's local
  // storage, which takes it at once; the next start puts it back into the folder.
  const FOLDER_COPY = 'tumbla-folder';
  let unloading = false;
  let storageKept = false;

  function folderFiles(FS) {
    return FS.readdir(DATA_FOLDER).filter((name) => FS.isFile(FS.lstat(DATA_FOLDER + '/' + name).mode));
  }

  function copyFolderNow() {
    if (!started || !storageKept) return;
    const FS = Module.FS;
    const files = {};
    for (const name of folderFiles(FS)) {
      let bytes = '';
      for (const byte of FS.readFile(DATA_FOLDER + '/' + name)) bytes += String.fromCharCode(byte);
      files[name] = bytes;
    }
    try {
      localStorage.setItem(FOLDER_COPY, JSON.stringify(files));
    } catch (error) {
      console.error('Tumbla: the browser did not keep the settings of a closing page:', error);
    }
  }

  // The copy is older than anything the folder gets from now on, so it goes once stored. A
  // site without local storage has made no copy.
  function storeAndDropCopy() {
    page.store().then(() => {
      try {
        localStorage.removeItem(FOLDER_COPY);
      } catch (error) {
        console.error('Tumbla: the copy of a closed page stays:', error);
      }
    }, () => {});
  }

  function putBackFolderCopy() {
    storageKept = true;
    let files = null;
    try {
      files = JSON.parse(localStorage.getItem(FOLDER_COPY));
    } catch (error) {
      console.error('Tumbla: the copy of a closed page cannot be read:', error);
    }
    if (files === null || typeof files !== 'object') return;
    const FS = Module.FS;
    for (const name of folderFiles(FS)) {
      if (!Object.hasOwn(files, name)) FS.unlink(DATA_FOLDER + '/' + name);
    }
    for (const [name, bytes] of Object.entries(files)) {
      FS.writeFile(DATA_FOLDER + '/' + name, Uint8Array.from(String(bytes), (c) => c.charCodeAt(0)));
    }
    storeAndDropCopy();
  }

  function keepWhenHidden() {
    let told = false;
    const endSession = () => {
      if (told) return;
      told = true;
      push(END_SESSION);
    };
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'hidden') {
        endSession();
      } else {
        told = false;
      }
    });
    window.addEventListener('pagehide', () => {
      unloading = true;
      endSession();
      copyFolderNow();
    });
    // A page kept by the browser and shown again stores what it saved while closing.
    window.addEventListener('pageshow', (event) => {
      told = false;
      unloading = false;
      if (event.persisted && started) storeAndDropCopy();
    });
  }
  keepWhenHidden();

  // ---- sound ----------------------------------------------------------------------------
  // Browsers allow sound only after the player has touched the page; until then cues are
  // skipped, as a sound that cannot be played is on the desktop.
  let audio = null;
  let playing = null;
  let cueNumber = 0;
  const decoded = new Map();

  function unlockSound() {
    if (audio === null && window.AudioContext) audio = new AudioContext();
    if (audio !== null && audio.state === 'suspended') audio.resume();
  }

  page.playWave = function (name, wave) {
    const cue = ++cueNumber;
    if (playing !== null) {
      playing.stop();
      playing = null;
    }
    if (audio === null || audio.state !== 'running') return;
    let buffer = decoded.get(name);
    if (!buffer) {
      buffer = audio.decodeAudioData(wave.buffer);
      decoded.set(name, buffer);
    }
    buffer.then((samples) => {
      if (cue !== cueNumber) return; // a newer cue came while this one was being decoded
      const source = audio.createBufferSource();
      source.buffer = samples;
      source.connect(audio.destination);
      source.start();
      playing = source;
      page.soundsPlayed.push(name);
    }, () => {});
  };

  // ---- help -----------------------------------------------------------------------------
  page.openPage = function (name) {
    const opened = window.open(name, '_blank');
    if (!opened) return false;
    opened.opener = null;
    return true;
  };

  // ---- a file handed to the player --------------------------------------------------------
  // The player's download of a file of the game's folder, under its own name.
  page.offerFile = function (path) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([FS.readFile(path)], { type: 'text/csv' }));
    link.download = path.slice(path.lastIndexOf('/') + 1);
    document.body.appendChild(link);
    link.click();
    link.remove();
    // The download reads the blob after the click has returned.
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  };

  // ---- the settings folder ----------------------------------------------------------------
  let started = false;
  let storeWhenStarted = false;
  let storing = Promise.resolve();

  // Copies the folder to IndexedDB, one copy after the other; fails as the browser refuses.
  page.store = function () {
    const FS = Module.FS;
    storing = storing.catch(() => {}).then(() => new Promise((done, failed) => {
      FS.syncfs(false, (error) => {
        if (error) {
          console.error('Tumbla: the browser did not store the settings:', error);
          failed(error);
        } else {
          done();
        }
      });
    }));
    return storing;
  };
  let ending = false;
  page.canWait = () => started && !unloading && !ending;
  page.programEnding = () => { ending = true; };
  page.storeLater = () => { storeWhenStarted = true; };
  page.mainStarted = function () {
    started = true;
    if (storeWhenStarted) page.store().catch(() => {});
  };

  function openDataFolder() {
    const FS = Module.FS;
    FS.mkdir(DATA_FOLDER);
    FS.symlink(DATA_FOLDER + '/tumbla', '/proc/self/exe');
    Module.addRunDependency('tumbla-settings');
    FS.mount(FS.filesystems.IDBFS, {}, DATA_FOLDER);
  }

  // Only once this tab holds the game: what a tab closed meanwhile saved is then in storage.
  // Storage the browser refuses starts the game with the defaults; each save then fails with
  // the program's own message, and the game goes on.
  function loadDataFolder() {
    Module.FS.syncfs(true, (error) => {
      if (error) {
        console.error('Tumbla: the browser keeps no settings:', error);
      } else {
        putBackFolderCopy();
      }
      Module.removeRunDependency('tumbla-settings');
    });
  }

  // One game per browser: a second tab would save over the first's high scores. A tab that
  // finds the game open elsewhere says so and starts it when the other tab lets it go.
  let releaseGame = () => {};
  function holdTheGame() {
    if (!navigator.locks) {
      loadDataFolder();
      return;
    }
    Module.addRunDependency('tumbla-lock');
    const start = () => {
      loadDataFolder();
      page.openInAnotherTab = false;
      document.getElementById('elsewhere').hidden = true;
      document.body.classList.remove('elsewhere');
      Module.removeRunDependency('tumbla-lock');
      return new Promise((release) => { releaseGame = release; }); // held until the game ends
    };
    navigator.locks.request('tumbla-game', { ifAvailable: true }, (lock) => {
      if (lock !== null) return start();
      page.openInAnotherTab = true;
      document.getElementById('elsewhere').hidden = false;
      document.body.classList.add('elsewhere');
      navigator.locks.request('tumbla-game', start);
      return undefined;
    });
  }

  // ---- the end ----------------------------------------------------------------------------
  // After the last save has reached storage; a failure says what stopped the game.
  function showEnded(failure) {
    page.store().catch(() => {}).then(() => {
      if (failure !== undefined) {
        document.getElementById('ended-text').textContent =
          'Tumbla stopped on an error: ' + failure + '. Scores saved before it are kept.';
      }
      document.body.classList.add('ended');
      document.getElementById('ended').hidden = false;
      releaseGame();
    });
  }
  document.getElementById('start-again').addEventListener('click', () => window.location.reload());

  window.Module = {
    canvas: canvas,
    preRun: [openDataFolder, holdTheGame],
    onExit: () => showEnded(),
    onAbort: (reason) => showEnded(String(reason)),
  };
})();
