// Runs inside the game's module before main: where the game keeps its files
// in the browser, and how they outlive the page.
//
// The game starts as the desktop launcher starts it (--desktop): the hall of
// fame, the key bindings and the preferences go to the player's data folder,
// which XDG_DATA_HOME puts at /libsdl/quindel, and the music is read from the
// installed data folder the build preloads. The player's folder is mounted on IndexedDB and filled from
// it before main runs; every save copies it back at once (the data file's
// flush asks for it), as do hiding and leaving the page.

Module['arguments'] = ['--desktop'];

var quindelSaves = '/libsdl/quindel';
// One copy to IndexedDB at a time; a save while one runs asks for another
// after it, so the last save always reaches the storage.
var quindelPersisting = false;
var quindelPersistAgain = false;
var quindelPersistWaiters = [];
var quindelStorageFailed = false;

function quindelStorageTrouble(what, error) {
  quindelStorageFailed = true;
  console.error('Quindel: ' + what + ':', error);
  if (Module['onStorageTrouble']) Module['onStorageTrouble'](what);
}

Module['quindelPersist'] = function() {
  if (quindelStorageFailed) return;
  if (quindelPersisting) {
    quindelPersistAgain = true;
    return;
  }
  quindelPersisting = true;
  FS.syncfs(false, function(error) {
    quindelPersisting = false;
    if (error) {
      quindelStorageTrouble('the hall of fame and the keys could not be stored', error);
    } else if (quindelPersistAgain) {
      quindelPersistAgain = false;
      Module['quindelPersist']();
      return;
    }
    var waiters = quindelPersistWaiters;
    quindelPersistWaiters = [];
    waiters.forEach(function(waiter) { waiter(); });
  });
};

// Calls back once nothing is waiting to be stored (before the page reloads).
Module['quindelWhenStored'] = function(callback) {
  if (quindelPersisting) {
    quindelPersistWaiters.push(callback);
  } else {
    callback();
  }
};

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  ENV['XDG_DATA_HOME'] = '/libsdl';
  FS.mkdirTree(quindelSaves);
  try {
    FS.mount(IDBFS, {}, quindelSaves);
  } catch (error) {
    quindelStorageTrouble('this browser offers no storage for the hall of fame', error);
    return;
  }
  addRunDependency('quindel-saves');
  FS.syncfs(true, function(error) {
    // Without IndexedDB (some private windows) the game plays on with files
    // that last as long as the page.
    if (error) quindelStorageTrouble('the stored hall of fame and keys could not be read', error);
    removeRunDependency('quindel-saves');
  });
  // Browsers let a page go fullscreen for a few seconds after a click or a
  // key; emscripten asks only inside its own event handlers, and the game
  // chooses Fullscreen from the menu just after the click's handler.
  if (typeof JSEvents !== 'undefined') {
    var inHandler = JSEvents.canPerformEventHandlerRequests;
    JSEvents.canPerformEventHandlerRequests = function() {
      return inHandler() || !!(navigator.userActivation && navigator.userActivation.isActive);
    };
  }
});

// A tab closed or put away may never come back to finish a copy.
addEventListener('pagehide', function() { Module['quindelPersist'](); });
document.addEventListener('visibilitychange', function() {
  if (document.visibilityState === 'hidden') Module['quindelPersist']();
});
