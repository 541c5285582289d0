// The page side of the browser build's runtime, put before the program's own JavaScript
// (--pre-js). Windows and controls are real elements of the page, made and changed by
// synchronous calls from the C++ views (platform/web/views.cpp); input is only queued
// here, as numbers, and the program's one loop takes it from the queue (Desk.pop), so
// that a modal window can wait inside a handler (the loop suspends in Desk.wait).
//
// Before main runs, the Tahoma faces are loaded and the program's files are fetched into
// the in-memory file system; a file the server does not have is simply not there, and
// the program says so as it does on the desktop.
// Marks on the page's timeline, for the budgets (bench/web_budgets.py).
Module.onRuntimeInitialized = function () { performance.mark('calculator: runtime ready'); };
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  var waitFor = function (what, promise) {
    addRunDependency(what);
    promise.catch(function (e) { console.warn(what, e); })
      .finally(function () { removeRunDependency(what); });
  };
  waitFor('fonts', Promise.all([
    new FontFace('Tahoma', 'url(tahoma.ttf)').load(),
    new FontFace('Tahoma', 'url(tahomabd.ttf)', { weight: 'bold' }).load()
  ]).then(function (faces) { faces.forEach(function (f) { document.fonts.add(f); }); }));
  ['vdats.tst', 'm9.gif', 'm8.gif'].forEach(function (name) {
    waitFor(name, fetch(name).then(function (r) { return r.ok ? r.arrayBuffer() : null; })
      .then(function (bytes) { if (bytes) FS.writeFile(name, new Uint8Array(bytes)); }));
  });
});

var Desk = {
  els: {},        // id -> element (windows and controls)
  nextId: 1,
  queue: [],      // [kind, target, a, b, c, d, e, f]
  wakeUp: null,
  modal: [],      // the windows shown modally, innermost last
  clipboard: '',
  ctx: null,

  // Event kinds, as platform/web/page.h reads them.
  PRESS: 1, KEY: 2, EDIT: 3, MOUSE: 4, HELP: 5, ACCESS: 6, PAINTED: 7, KEY_SEEN: 8,

  post: function (event) {
    // Moves are many; only the last of a row of them for one target counts.
    var last = Desk.queue[Desk.queue.length - 1];
    if (event[0] === Desk.MOUSE && event[2] === 2 && last && last[0] === Desk.MOUSE &&
        last[2] === 2 && last[1] === event[1]) {
      Desk.queue[Desk.queue.length - 1] = event;
    } else {
      Desk.queue.push(event);
    }
    if (Desk.wakeUp) Desk.wakeUp();
  },
  pop: function (out) {
    if (!Desk.queue.length) return 0;
    var e = Desk.queue.shift();
    for (var i = 0; i < 8; i++) HEAP32[(out >> 2) + i] = e[i] | 0;
    return 1;
  },
  // Resolves on the next event, or after ms (ms < 0: no limit).
  wait: function (ms) {
    if (Desk.queue.length) return Promise.resolve();
    return new Promise(function (resolve) {
      var timer = 0;
      Desk.wakeUp = function () {
        if (timer) clearTimeout(timer);
        Desk.wakeUp = null;
        resolve();
      };
      if (ms >= 0) timer = setTimeout(Desk.wakeUp, ms);
    });
  },

  // ------------------------------------------------------------------- windows
  desk: function () {
    var desk = document.getElementById('desk');
    if (!desk) {
      desk = document.createElement('div');
      desk.id = 'desk';
      document.body.appendChild(desk);
    }
    return desk;
  },
  newForm: function () {
    var id = Desk.nextId++, el = document.createElement('div');
    el.className = 'form';
    el.dataset.id = id;
    el.tabIndex = -1;
    el.style.display = 'none';
    var bg = document.createElement('canvas');
    bg.className = 'background';
    bg.setAttribute('aria-hidden', 'true');
    el.appendChild(bg);
    el.addEventListener('keydown', function (e) { Desk.onKey(e, id); });
    el.addEventListener('keyup', function (e) {
      if (e.key === ' ' && e.target.tagName === 'BUTTON') e.preventDefault();
    });
    ['mousedown', 'mouseup', 'mousemove'].forEach(function (type, action) {
      el.addEventListener(type, function (e) { Desk.onMouse(e, id, action); });
    });
    el.addEventListener('click', function (e) {
      var button = e.target.closest('button');
      if (button && button.dataset.id && el.contains(button)) Desk.post([Desk.PRESS, +button.dataset.id]);
    });
    el.addEventListener('contextmenu', function (e) { e.preventDefault(); });
    el.addEventListener('input', function (e) {
      if (e.target.dataset.id) Desk.post([Desk.EDIT, +e.target.dataset.id]);
    });
    el.addEventListener('paste', function (e) {
      var text = e.clipboardData ? e.clipboardData.getData('text/plain') : '';
      Desk.clipboard = text;
      if (e.target.tagName === 'INPUT') return;  // a field pastes as it always does
      e.preventDefault();
      var target = e.target.closest('[data-id]');
      if (target && target !== el) Desk.post([Desk.KEY, +target.dataset.id, 22]);
    });
    Desk.desk().appendChild(el);
    Desk.els[id] = el;
    return id;
  },
  place: function (el, x, y, w, h) {
    el.style.left = x + 'px';
    el.style.top = y + 'px';
    el.style.width = w + 'px';
    el.style.height = h + 'px';
  },
  formGeometry: function (id, x, y, w, h) {
    // A window larger than the page starts at its left or top edge (the page scrolls).
    Desk.place(Desk.els[id], Math.max(0, x), Math.max(0, y), w, h);
  },
  formLook: function (id, caption, role, description, back, font) {
    var el = Desk.els[id], name = caption.trim();
    el.setAttribute('role', role);
    el.setAttribute('aria-label', name);
    if (description) el.setAttribute('aria-description', description);
    else el.removeAttribute('aria-description');
    if (role === 'main') document.title = name;
    el.style.backgroundColor = back;
    el.style.font = font;
  },
  formPaint: function (id, pixels, w, h) {
    var canvas = Desk.els[id].firstChild;
    if (canvas.width !== w || canvas.height !== h) {
      canvas.width = w;
      canvas.height = h;
    }
    canvas.getContext('2d').putImageData(Desk.imageData(pixels, w, h), 0, 0);
  },
  // 0xAARRGGBB words to the canvas's R G B A bytes.
  imageData: function (pixels, w, h) {
    var n = w * h, img = new ImageData(w, h);
    var src = new Uint32Array(HEAPU8.buffer, pixels, n), dst = new Uint32Array(img.data.buffer);
    for (var i = 0; i < n; i++) {
      var p = src[i];
      dst[i] = (p & 0xff00ff00) | ((p >>> 16) & 0xff) | ((p & 0xff) << 16);
    }
    return img;
  },
  formShow: function (id, modal) {
    var el = Desk.els[id];
    if (!performance.getEntriesByName('calculator: first window shown').length)
      performance.mark('calculator: first window shown');
    el.style.display = '';
    el.style.zIndex = String(++Desk.front);
    if (modal && Desk.modal.indexOf(id) < 0) {
      el.dataset.returnFocus = document.activeElement && document.activeElement.dataset
        ? (document.activeElement.dataset.id || '') : '';
      Desk.modal.push(id);
      if (el.getAttribute('role') !== 'main') el.setAttribute('aria-modal', 'true');
    }
    Desk.inertBelowModal();
    // A live text under the box changed just before it came (the match a question asks
    // about): the box makes it inert, so the announcer reads it.
    Array.prototype.forEach.call(document.querySelectorAll('.form[inert] [role=status]'), function (s) {
      if (performance.now() - (s.changedAt || -1e9) < 500 && !s.getAttribute('aria-live')) Desk.say(s.textContent);
    });
    var wanted = el.pendingFocus;
    el.pendingFocus = null;
    if (wanted && el.contains(wanted)) wanted.focus();
    else if (!el.contains(document.activeElement)) el.focus();
    Desk.afterPaint(function () { Desk.post([Desk.PAINTED, id]); });
  },
  // Runs `then` once the window just shown is on the screen: for the page's first, when the
  // browser reports its first content painted (a frame can be drawn well before it is
  // shown, and work done meanwhile delays it), else after the next frame.
  afterPaint: function (then) {
    var done = false, once = function () { if (!done) { done = true; then(); } };
    if (!performance.getEntriesByName('first-contentful-paint').length && window.PerformanceObserver &&
        (PerformanceObserver.supportedEntryTypes || []).indexOf('paint') >= 0) {
      new PerformanceObserver(function (list, observer) {
        if (list.getEntriesByName('first-contentful-paint').length) { observer.disconnect(); setTimeout(once, 0); }
      }).observe({ type: 'paint', buffered: true });
      setTimeout(once, 1000);  // a browser that never says
    } else {
      requestAnimationFrame(function () { requestAnimationFrame(once); });
    }
  },
  front: 0,
  formHide: function (id) {
    var el = Desk.els[id];
    if (!el) return;
    el.style.display = 'none';
    Desk.leaveModal(id, el);
  },
  formShown: function (id) {
    var el = Desk.els[id];
    return el && el.style.display !== 'none' ? 1 : 0;
  },
  formRemove: function (id) {
    var el = Desk.els[id];
    if (!el) return;
    el.remove();
    Desk.leaveModal(id, el);
    delete Desk.els[id];
  },
  leaveModal: function (id, el) {
    var at = Desk.modal.indexOf(id);
    if (at < 0) return;
    Desk.modal.splice(at, 1);
    Desk.inertBelowModal();
    // Back to the control that had the focus before the box, in the window under it.
    var back = Desk.els[el.dataset.returnFocus];
    if (back && back.isConnected && !back.closest('[inert]')) back.focus();
    else if (Desk.modal.length) Desk.els[Desk.modal[Desk.modal.length - 1]].focus();
  },
  inertBelowModal: function () {
    var top = Desk.modal[Desk.modal.length - 1];
    Array.prototype.forEach.call(document.querySelectorAll('#desk > .form'), function (f) {
      f.inert = top !== undefined && +f.dataset.id !== top;
    });
  },
  // The controls in the page in the order the window declares them (what a screen reader
  // reads from top to bottom); which one is drawn over which is their z-index's.
  readingOrder: function (form, ids, n) {
    var el = Desk.els[form], focused = document.activeElement, at = el.firstChild;
    for (var i = 0; i < n; i++) {
      var c = Desk.els[HEAP32[(ids >> 2) + i]];
      if (!c) continue;
      if (at.nextSibling !== c) el.insertBefore(c, at.nextSibling);
      at = c;
    }
    if (focused && focused !== document.activeElement && focused.isConnected) focused.focus();
  },
  tabOrder: function (form, ids, n) {
    var el = Desk.els[form];
    Array.prototype.forEach.call(el.querySelectorAll('[data-tab]'), function (c) {
      delete c.dataset.tab;
    });
    for (var i = 0; i < n; i++) {
      var c = Desk.els[HEAP32[(ids >> 2) + i]];
      if (c) c.dataset.tab = i;
    }
  },

  // ------------------------------------------------------------------ controls
  newControl: function (form, kind) {
    var id = Desk.nextId++, el;
    if (kind === 1) {
      el = document.createElement('button');
      el.type = 'button';
    } else if (kind === 3) {
      el = document.createElement('input');
      el.type = 'text';
      el.autocomplete = 'off';
      el.spellcheck = false;
    } else if (kind === 4) {
      el = document.createElement('canvas');
    } else {
      el = document.createElement('div');
    }
    el.className = ['', 'button', 'label', 'field', 'picture'][kind];
    el.dataset.id = id;
    el.style.zIndex = String(++Desk.front);  // a later control is drawn over an earlier one
    el.id = 'c' + id;
    Desk.els[form].appendChild(el);
    Desk.els[id] = el;
    return id;
  },
  remove: function (id) {
    var el = Desk.els[id];
    if (el) el.remove();
    delete Desk.els[id];
  },
  geometry: function (id, x, y, w, h) { Desk.place(Desk.els[id], x, y, Math.max(0, w), Math.max(0, h)); },
  font: function (id, font, underline, lineHeight) {
    var el = Desk.els[id];
    el.style.font = font;
    el.style.textDecoration = underline ? 'underline' : '';
    if (lineHeight > 0) el.style.lineHeight = lineHeight + 'px';
  },
  colours: function (id, fore, back, opaque, border, greyed) {
    var el = Desk.els[id];
    el.style.color = fore;
    el.style.backgroundColor = opaque ? back : 'transparent';
    el.style.setProperty('--greyed', greyed);
    el.classList.toggle('framed', !!border);
  },
  // A caption with "&" before its access key: the key underlined, "&&" one "&".
  button: function (id, caption) {
    var el = Desk.els[id], key = '';
    el.textContent = '';
    for (var i = 0, run = ''; i <= caption.length; i++) {
      var c = caption[i];
      if (c === '&' && i + 1 < caption.length) {
        c = caption[++i];
        if (c !== '&') {
          if (run) el.appendChild(document.createTextNode(run));
          run = '';
          var u = document.createElement('u');
          u.textContent = c;
          el.appendChild(u);
          if (!key) key = c.toLowerCase();
          continue;
        }
      }
      if (c === undefined) {
        if (run) el.appendChild(document.createTextNode(run));
      } else {
        run += c;
      }
    }
    if (key) {
      el.dataset.key = key;
      el.setAttribute('aria-keyshortcuts', 'Alt+' + key.toUpperCase());
    } else {
      delete el.dataset.key;
      el.removeAttribute('aria-keyshortcuts');
    }
  },
  label: function (id, text, wrapWidth, align) {
    var el = Desk.els[id];
    var shown = wrapWidth >= 0 ? Desk.wrap(getComputedStyle(el).font, text, wrapWidth) : text;
    if (el.textContent !== shown) {
      el.textContent = shown;
      el.changedAt = performance.now();
    }
    el.style.textAlign = align;
  },
  value: function (id, text, align) {
    var el = Desk.els[id];
    if (el.value !== text) el.value = text;
    el.style.textAlign = align;
  },
  picture: function (id, pixels, w, h) {
    var el = Desk.els[id];
    el.width = Math.max(1, w);
    el.height = Math.max(1, h);
    if (w > 0 && h > 0) el.getContext('2d').putImageData(Desk.imageData(pixels, w, h), 0, 0);
    else el.getContext('2d').clearRect(0, 0, el.width, el.height);
  },
  visible: function (id, on) { Desk.els[id].style.display = on ? '' : 'none'; },
  enabled: function (id, on) {
    var el = Desk.els[id];
    if ('disabled' in el) el.disabled = !on;
    el.classList.toggle('disabled', !on);
  },
  toolTip: function (id, text) {
    var el = Desk.els[id];
    if (text) el.title = text;
    else el.removeAttribute('title');
  },
  // What assistive technology is told: the name (when it is not the shown text), the
  // description, nothing at all for a decorative control, and a live label's role.
  access: function (id, name, description, decorative, live) {
    var el = Desk.els[id];
    if (name) el.setAttribute('aria-label', name);
    else el.removeAttribute('aria-label');
    if (description) el.setAttribute('aria-description', description);
    else el.removeAttribute('aria-description');
    if (decorative) el.setAttribute('aria-hidden', 'true');
    else el.removeAttribute('aria-hidden');
    if (live) {
      el.setAttribute('role', 'status');
      el.setAttribute('aria-atomic', 'true');
      el.tabIndex = 0;
    } else if (el.getAttribute('role') === 'status') {
      el.removeAttribute('role');
      el.removeAttribute('aria-atomic');
      el.removeAttribute('tabindex');
    }
  },
  title: function (label, field) {
    var f = Desk.els[field];
    if (!f || f.getAttribute('aria-labelledby') === 'c' + label) return 0;
    f.setAttribute('aria-labelledby', 'c' + label);
    return 1;
  },
  raise: function (id, front) {
    Desk.els[id].style.zIndex = String(front ? ++Desk.front : --Desk.back);
  },
  back: 0,
  focus: function (id) {
    var el = Desk.els[id], form = el.closest('.form');
    if (form.style.display === 'none') form.pendingFocus = el;
    else el.focus();
  },
  hasFocus: function (id) { return document.activeElement === Desk.els[id] ? 1 : 0; },
  // The page's announcer: a live region outside every window, so that a box coming up
  // (which makes the windows under it inert) does not silence it.
  say: function (text) {
    var say = document.getElementById('announcer');
    if (!say) {
      say = document.createElement('div');
      say.id = 'announcer';
      say.setAttribute('aria-live', 'polite');
      document.body.appendChild(say);
    }
    say.textContent = text;
  },
  // A live label's change is told as this text instead: the label's own region is quiet
  // for the change, and the announcer speaks.
  announce: function (id, text) {
    var el = Desk.els[id];
    el.setAttribute('aria-live', 'off');
    Desk.say(text);
    requestAnimationFrame(function () {
      requestAnimationFrame(function () { el.removeAttribute('aria-live'); });
    });
  },
  // A text into the program's buffer as UTF-8 when it fits; its length in bytes.
  give: function (text, out, cap) {
    var n = lengthBytesUTF8(text);
    if (n < cap) stringToUTF8(text, out, cap);
    return n;
  },
  read: function (id, out, cap) {
    var el = Desk.els[id];
    return Desk.give(el ? el.value || '' : '', out, cap);
  },
  // Typing at the caret of a text box as the keyboard would: a character replaces the
  // selection; Backspace takes the selection, or the character before the caret.
  type: function (id, text) {
    var el = Desk.els[id], start = el.selectionStart, end = el.selectionEnd;
    if (text === '\b') {
      if (start === end && start > 0) start--;
      el.setRangeText('', start, end, 'end');
    } else {
      el.setRangeText(text, start, end, 'end');
    }
  },

  // -------------------------------------------------------------------- input
  // The code a key stands for, as the program's handlers take it: Enter 13, Esc 27,
  // Backspace 8, the copy keys 3, the paste keys 22, else the typed character (its
  // Unicode value: the program turns it into its code page); 0 for a key that types
  // nothing.
  codeOf: function (e) {
    var k = e.key, ctrl = e.ctrlKey || e.metaKey;
    if (ctrl && !e.altKey && (k === 'c' || k === 'C' || k === 'Insert')) return 3;
    if ((ctrl && !e.altKey && (k === 'v' || k === 'V')) || (e.shiftKey && k === 'Insert')) return 22;
    if (k === 'Enter') return 13;
    if (k === 'Escape') return 27;
    if (k === 'Backspace') return 8;
    if (Array.from(k).length !== 1 || ctrl || e.altKey) return 0;
    return k.codePointAt(0);
  },
  onKey: function (e, form) {
    if (e.isComposing || e.keyCode === 229) return;  // an input method: its text comes as input
    var formEl = Desk.els[form];
    var target = e.target.closest('[data-id]');
    var id = target && target !== formEl ? +target.dataset.id : 0;
    var k = e.key;
    if ((k === 'F1' && !e.shiftKey && !e.ctrlKey && !e.altKey) || k === 'ContextMenu' ||
        (k === 'F10' && e.shiftKey && !e.ctrlKey && !e.altKey)) {
      e.preventDefault();
      Desk.post(id ? [Desk.HELP, id] : [Desk.HELP, form]);
      return;
    }
    if (k === 'Tab' && !e.ctrlKey && !e.altKey) {
      e.preventDefault();
      Desk.tab(formEl, e.shiftKey ? -1 : 1);
      return;
    }
    if (e.altKey && !e.ctrlKey && Array.from(k).length === 1) {
      var key = k.toLowerCase();
      var buttons = formEl.querySelectorAll('button[data-key]');
      for (var i = 0; i < buttons.length; i++) {
        var b = buttons[i];
        if (b.dataset.key === key && !b.disabled && b.offsetParent !== null) {
          e.preventDefault();
          Desk.post([Desk.ACCESS, form, k.codePointAt(0)]);
          return;
        }
      }
      return;
    }
    var code = Desk.codeOf(e);
    if (!code) return;
    var field = e.target.tagName === 'INPUT';
    // The browser's own copy and paste: in a field both, elsewhere paste (its text comes
    // with the paste event); the handler still sees the key.
    if ((code === 3 && field) || code === 22) {
      if (field) Desk.post([Desk.KEY_SEEN, id, code]);
      return;
    }
    e.preventDefault();
    Desk.post(id ? [Desk.KEY, id, code] : [Desk.KEY, form, code]);
  },
  // Tab and Shift+Tab go round the window's Tab stops in their order.
  tab: function (formEl, step) {
    var stops = Array.prototype.filter.call(formEl.querySelectorAll('[data-tab]'), function (c) {
      return !c.disabled && c.offsetParent !== null;
    }).sort(function (a, b) { return a.dataset.tab - b.dataset.tab; });
    if (!stops.length) return;
    var at = stops.indexOf(document.activeElement);
    var next = at < 0 ? (step > 0 ? 0 : stops.length - 1) : (at + step + stops.length) % stops.length;
    stops[next].focus();
    if (stops[next].tagName === 'INPUT') stops[next].select();
  },
  onMouse: function (e, form, action) {
    var formEl = Desk.els[form];
    var target = e.target.closest('[data-id]');
    if (!target || !formEl.contains(target)) return;
    var rect = target.getBoundingClientRect();
    var button = action === 2 ? (e.buttons & 7) : [1, 4, 2][e.button] || 0;
    var shift = (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
    var x = Math.round(e.clientX - rect.left), y = Math.round(e.clientY - rect.top);
    var inside = x >= 0 && y >= 0 && x < rect.width && y < rect.height ? 1 : 0;
    Desk.post([Desk.MOUSE, +target.dataset.id, action, button, shift, x, y, inside]);
  },

  // ------------------------------------------------------------------ measuring
  measureWidth: function (font, text) {
    var ctx = Desk.ctx || (Desk.ctx = document.createElement('canvas').getContext('2d'));
    ctx.font = font;
    return ctx.measureText(text).width;
  },
  // The lines of a text wrapped within a width as the desktop wraps it: at blanks, a
  // word longer than the line broken anywhere; line ends kept.
  wrap: function (font, text, width) {
    var out = [];
    text.replace(/\r\n?/g, '\n').split('\n').forEach(function (paragraph) {
      var line = '';
      paragraph.split(/(?<= )/).forEach(function (word) {
        var candidate = line + word;
        if (line && Desk.measureWidth(font, candidate.trimEnd()) > width) {
          out.push(line.trimEnd());
          line = '';
          candidate = word;
        }
        while (candidate.length > 1 && Desk.measureWidth(font, candidate.trimEnd()) > width) {
          var n = candidate.length - 1;
          while (n > 1 && Desk.measureWidth(font, candidate.slice(0, n)) > width) n--;
          out.push(candidate.slice(0, n));
          candidate = candidate.slice(n);
        }
        line = candidate;
      });
      out.push(line.trimEnd());
    });
    return out.join('\n');
  },
  measure: function (font, text, wrapWidth, out) {
    var lines = wrapWidth >= 0 ? Desk.wrap(font, text, wrapWidth).split('\n') : text.split('\n');
    var widest = 0;
    if (wrapWidth < 0) lines.forEach(function (l) { widest = Math.max(widest, Desk.measureWidth(font, l)); });
    HEAPF64[out >> 3] = wrapWidth >= 0 ? wrapWidth : widest;
    HEAPF64[(out >> 3) + 1] = lines.length;
  },

  // ------------------------------------------------------------------ services
  open: function (address) { window.open(address, '_blank', 'noopener'); },
  setClipboard: function (text) {
    Desk.clipboard = text;
    if (navigator.clipboard) navigator.clipboard.writeText(text).catch(function () {});
  },
  // Tests: "?seed=N" in the page's address fixes the random sequence (the gradient's
  // style), as the desktop tests fix it; -1 without one.
  seed: function () {
    var seed = new URLSearchParams(location.search).get('seed');
    return seed !== null && /^[0-9]+$/.test(seed) ? Number(seed) : -1;
  },
  // The page's folder on the server: where its files are looked for.
  folder: function () { return location.href.replace(/[?#].*$/, '').replace(/[^/]*$/, ''); },

  // ------------------------------------------------------------------- the end
  ended: function () {
    Array.prototype.forEach.call(document.querySelectorAll('#desk > .form'), function (f) { f.remove(); });
    var panel = document.createElement('div');
    panel.id = 'ended';
    panel.setAttribute('role', 'main');
    var text = document.createElement('p');
    text.textContent = 'The calculator has closed.';
    var again = document.createElement('button');
    again.type = 'button';
    again.textContent = 'Start again';
    again.addEventListener('click', function () { location.reload(); });
    panel.appendChild(text);
    panel.appendChild(again);
    document.body.appendChild(panel);
    document.body.dataset.ended = '1';
    document.title = 'Quenmar Aviation Calculator (closed)';
    again.focus();
  }
};
