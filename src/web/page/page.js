// Quindel's page: loads the game with a progress bar, keeps its canvas as
// large as the window allows with the game's proportions, offers touch
// buttons once the screen is touched, and says so when the game has ended.
'use strict';

(function() {
  const canvas = document.getElementById('canvas');
  const screen = document.getElementById('screen');
  const loading = document.getElementById('loading');
  const progress = document.getElementById('progress');
  const statusLine = document.getElementById('status');
  const ended = document.getElementById('ended');
  const endedText = document.getElementById('ended-text');
  const storageNote = document.getElementById('storage');

  // The game's window at its original size: the 800 x 600 picture under a
  // 19-pixel menu bar. The game scales both with the window.
  const GAME_WIDTH = 800;
  const GAME_HEIGHT = 619;

  // The largest canvas of the game's proportions that fits, in whole CSS
  // pixels, centred. Registered before the game's own resize handler, so the
  // game reads the new size when the window changes.
  function fit() {
    const width = screen.clientWidth;
    const height = screen.clientHeight;
    const scale = Math.min(width / GAME_WIDTH, height / GAME_HEIGHT);
    const w = Math.max(1, Math.floor(GAME_WIDTH * scale));
    const h = Math.max(1, Math.floor(GAME_HEIGHT * scale));
    canvas.style.width = w + 'px';
    canvas.style.height = h + 'px';
    canvas.style.left = Math.floor((width - w) / 2) + 'px';
    canvas.style.top = Math.floor((height - h) / 2) + 'px';
  }
  // Anything but the window changed the room the canvas has: the game hears
  // of it as of a resized window.
  function refit() {
    fit();
    window.dispatchEvent(new Event('resize'));
  }
  addEventListener('resize', fit);
  // Leaving fullscreen (Escape) restores the canvas only after the resize.
  document.addEventListener('fullscreenchange', function() {
    if (!document.fullscreenElement) setTimeout(refit, 0);
  });
  fit();

  function metaBytes(name) {
    const value = Number(document.querySelector('meta[name="' + name + '"]').content);
    return Number.isFinite(value) && value > 0 ? value : 0;
  }
  const loaded = { wasm: 0, data: 0 };
  const total = { wasm: metaBytes('quindel-wasm-bytes'), data: metaBytes('quindel-data-bytes') };
  function showProgress() {
    const all = total.wasm + total.data;
    if (all > 0) progress.value = Math.min(1, (loaded.wasm + loaded.data) / all);
  }

  let running = false;
  let over = false;
  function finish(text) {
    over = true;
    running = false;
    loading.hidden = true;
    endedText.textContent = text;
    ended.hidden = false;
    document.getElementById('again').focus();
  }
  function fail(text) {
    console.error('Quindel: ' + text);
    finish('Quindel stopped: ' + text);
  }

  // The .wasm is compiled while it streams in, and counted on the way.
  function instantiateWasm(imports, receive) {
    const url = 'quindel.wasm';
    fetch(url, { credentials: 'same-origin' }).then(function(response) {
      if (!response.ok) throw new Error('cannot load ' + url + ' (' + response.status + ' ' + response.statusText + ')');
      let body = response;
      if (response.body && response.body.tee) {
        const [counted, compiled] = response.body.tee();
        const reader = counted.getReader();
        (function count() {
          reader.read().then(function(part) {
            if (part.done) return;
            loaded.wasm += part.value.length;
            showProgress();
            count();
          }, function() {});
        })();
        body = new Response(compiled, { headers: { 'Content-Type': 'application/wasm' } });
      }
      return WebAssembly.instantiateStreaming(body, imports);
    }).then(function(result) {
      receive(result.instance, result.module);
    }, function(error) {
      fail(String(error && error.message || error));
    });
    return {};
  }

  window.Module = {
    canvas: canvas,
    instantiateWasm: instantiateWasm,
    print: function(text) { console.log(text); },
    printErr: function(text) { console.warn(text); },
    // The music package reports "Downloading data... (loaded/total)".
    setStatus: function(text) {
      const counts = /\((\d+)\/(\d+)\)/.exec(text || '');
      if (counts) {
        loaded.data = Number(counts[1]);
        if (!total.data) total.data = Number(counts[2]);
        showProgress();
      }
    },
    onRuntimeInitialized: function() {
      running = true;
      loading.hidden = true;
    },
    onExit: function() {
      finish('Quindel has ended.');
    },
    onAbort: function(what) {
      fail(String(what));
    },
    onStorageTrouble: function(what) {
      storageNote.textContent = 'This browser keeps nothing here (' + what +
        '): the hall of fame and the keys last only while the page is open.';
      storageNote.hidden = false;
      refit();
    },
  };

  if (typeof WebAssembly !== 'object') fail('this browser runs no WebAssembly');

  document.getElementById('again').addEventListener('click', function() {
    // Whatever the game saved last is in the browser's storage before the
    // page starts again.
    const reload = function() { location.reload(); };
    if (window.Module.quindelWhenStored) window.Module.quindelWhenStored(reload);
    else reload();
  });

  // Touch: the first touch anywhere brings the buttons, which play like a
  // gamepad's (the game sends the key bound to each action at that moment).
  addEventListener('touchstart', function() {
    if (document.body.classList.contains('touch')) return;
    document.body.classList.add('touch');
    refit();
  }, { passive: true, capture: true });

  const held = new Map();  // pointer id -> button element
  function press(element, down) {
    element.classList.toggle('held', down);
    if (running && !over && window.Module._quindel_touch)
      window.Module._quindel_touch(Number(element.dataset.button), down ? 1 : 0);
  }
  document.querySelectorAll('.pads button').forEach(function(element) {
    element.addEventListener('pointerdown', function(event) {
      event.preventDefault();
      element.setPointerCapture(event.pointerId);
      held.set(event.pointerId, element);
      press(element, true);
    });
    const release = function(event) {
      if (held.get(event.pointerId) !== element) return;
      held.delete(event.pointerId);
      press(element, false);
    };
    element.addEventListener('pointerup', release);
    element.addEventListener('pointercancel', release);
    element.addEventListener('contextmenu', function(event) { event.preventDefault(); });
  });
  canvas.addEventListener('contextmenu', function(event) { event.preventDefault(); });
})();
