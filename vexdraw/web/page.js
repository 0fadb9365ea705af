// The page side of the browser host (included before the generated code).
// It keeps the canvas at the largest whole zoom that fits, and queues what
// the player types for the host's pump (host_web.cpp): [kind, a, b, c] with
// the kinds of web.h.
Module.vxEvents = [];
Module.vxWaiting = false;  // the program waits for the player

(function () {
  if (typeof document === 'undefined') return;  // Node runs the tests headless
  const CHAR = 1, KEY = 2, TEXT = 3, QUIT = 4;
  // Keys by their DOM names, as Windows virtual-key numbers.  F5 and up
  // stay the browser's: the game uses F1 to F4 only.
  const NAMED = {
    Enter: 13, Backspace: 8, Tab: 9, Escape: 27, Delete: 46, Insert: 45,
    Home: 36, End: 35, PageUp: 33, PageDown: 34,
    ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40,
    F1: 112, F2: 113, F3: 114, F4: 115,
  };
  let canvas, screen, keys, status, ended = false;

  function queue(e) {
    if (ended) return;
    Module.vxEvents.push(e);
    Module.vxWaiting = false;
  }

  function typeText(text) {
    for (const ch of text) {
      const cp = ch.codePointAt(0);
      if (cp >= 0x20 && cp < 0x7f) queue([CHAR, cp]);
      else if (cp > 0x7f) queue([TEXT, cp]);
    }
  }

  function onKeyDown(e) {
    if (e.isComposing || e.keyCode === 229) return;  // the input method's
    if (e.altKey && e.code === 'KeyQ') {  // as the desktop menu's 終了(&Q)
      queue([QUIT]);
      e.preventDefault();
      return;
    }
    if (e.altKey || e.metaKey) return;
    const vk = NAMED[e.key];
    if (vk !== undefined) {
      queue([KEY, vk, e.shiftKey ? 1 : 0, e.ctrlKey ? 1 : 0]);
      e.preventDefault();
      return;
    }
    if (e.ctrlKey) {
      // Control+letter by the key's place, whatever the layout types there.
      if (/^Key[A-Z]$/.test(e.code)) {
        queue([KEY, e.code.charCodeAt(3), 0, 1]);
        e.preventDefault();
      }
      return;
    }
    if ([...e.key].length === 1) {
      typeText(e.key);
      e.preventDefault();
    }
  }

  // Whole device pixels per logical pixel, as many as fit.
  function layout() {
    if (!canvas) return;
    const dpr = window.devicePixelRatio || 1;
    const w = canvas.width, h = canvas.height;
    const zoom = Math.max(1, Math.floor(Math.min(screen.clientWidth * dpr / w, screen.clientHeight * dpr / h)));
    const cw = w * zoom / dpr, ch = h * zoom / dpr;
    for (const el of [canvas, keys]) {
      el.style.width = cw + 'px';
      el.style.height = ch + 'px';
      el.style.left = Math.max(0, Math.floor((screen.clientWidth - cw) / 2)) + 'px';
      el.style.top = Math.max(0, Math.floor((screen.clientHeight - ch) / 2)) + 'px';
    }
  }

  Module.vxSetCanvasSize = function (w, h) {
    canvas.width = w;
    canvas.height = h;
    layout();
  };

  let image = null;
  Module.vxPresent = function (px, w, h) {
    const ctx = canvas.getContext('2d');
    if (!image || image.width !== w || image.height !== h) image = ctx.createImageData(w, h);
    const d = image.data;
    for (let i = 0, j = 0; i < px.length; i++, j += 4) {
      const v = px[i];
      d[j] = (v >> 16) & 255;
      d[j + 1] = (v >> 8) & 255;
      d[j + 2] = v & 255;
      d[j + 3] = 255;
    }
    ctx.putImageData(image, 0, 0);
  };

  Module.vxEnded = function () {
    ended = true;
    status.textContent = 'The game has ended. Reload the page to play again.';
  };

  Module.vxStatus = function (text) { status.textContent = text; };

  function start() {
    canvas = document.getElementById('canvas');
    screen = document.getElementById('screen');
    keys = document.getElementById('keys');
    status = document.getElementById('status');
    keys.addEventListener('keydown', onKeyDown);
    keys.addEventListener('compositionend', function (e) {
      typeText(e.data || '');
      keys.value = '';
    });
    keys.addEventListener('input', function (e) {
      if (!e.isComposing) keys.value = '';
    });
    screen.addEventListener('mousedown', function (e) {
      keys.focus();
      e.preventDefault();
    });
    window.addEventListener('resize', layout);
    layout();
    keys.focus();
  }
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
