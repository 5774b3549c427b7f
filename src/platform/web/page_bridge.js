// The program's calls into the page (web_backend.cpp declares them); the page script
// (site/page.js) does the work, so that the page keeps running after the program has ended.
mergeInto(LibraryManager.library, {
  tumbla_next_input: function (fields) {
    const input = tumblaPage.nextInput();
    if (!input) return 0;
    for (let i = 0; i < 6; ++i) HEAP32[(fields >> 2) + i] = input[i];
    return 1;
  },

  tumbla_wait__deps: ['$Asyncify'],
  tumbla_wait: function (milliseconds) {
    return Asyncify.handleSleep(function (wakeUp) {
      tumblaPage.sleep(milliseconds, wakeUp);
    });
  },

  // The program's fsync: its files reach IndexedDB before it goes on, and storage the browser
  // refuses fails the save as a full disk would. While the program's static objects are made
  // it cannot wait (only main's calls can); the first save of a new settings file is then
  // stored as soon as main begins. Nor can a page that is being closed: the page copies what
  // such saves wrote where it can write at once. Nor can the program's last save, made by
  // its static objects as it exits: the page stores it once the program has ended.
  fd_sync__deps: ['$Asyncify', '$SYSCALLS'],
  fd_sync__sig: 'ii',
  fd_sync__postset: 'addOnPreMain(function () { tumblaPage.mainStarted(); });',
  fd_sync: function (fd) {
    var stream = SYSCALLS.getStreamFromFD(fd);
    if (!stream.node.mount.type.syncfs) return 0;
    if (!tumblaPage.canWait()) {
      tumblaPage.storeLater();
      return 0;
    }
    return Asyncify.handleSleep(function (wakeUp) {
      tumblaPage.store().then(function () {
        tumblaPage.resume(wakeUp, 0);
      }, function () {
        tumblaPage.resume(wakeUp, {{{ cDefine('EIO') }}});
      });
    });
  },

  tumbla_present: function (pixels, width, height, left, top, right, bottom) {
    tumblaPage.present(HEAPU8, pixels, width, height, left, top, right, bottom);
  },

  tumbla_play_wave: function (name, wave, size) {
    tumblaPage.playWave(UTF8ToString(name), HEAPU8.slice(wave, wave + size));
  },

  tumbla_program_ending: function () {
    tumblaPage.programEnding();
  },

  tumbla_open_page: function (name) {
    return tumblaPage.openPage(UTF8ToString(name)) ? 1 : 0;
  },

  tumbla_offer_file: function (path) {
    tumblaPage.offerFile(UTF8ToString(path));
  },

});
