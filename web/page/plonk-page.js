// The game's page: shows the machine's face on a canvas and in a few page controls,
// hands the player's mouse and keys to the machine one event at a time, and plays
// the machine's toolkit for it (Module.page): painting, frames and pauses, dialogs,
// sound, the space bar and the files kept in the browser's storage.
'use strict';

const PROGRAM_FOLDER = '/plonk';
const SAVE_FOLDER = '/save';
const SAVED_FILES = ['Plonk.ini', 'Statistics.json'];
const FACE_WIDTH = 663;
const KIND = { Click: 0, Mouse_Down: 1, Mouse_Up: 2, Lost_Focus: 3, Change: 4, Timer: 5, Key_Press: 6 };
// The classic grey face's bevel colours, as the window draws them; a disabled button's
// are paler.
const BEVEL = { light: '#ffffff', midlight: '#cacaca', button: '#c0c0c0', dark: '#9f9f9f', shadow: '#767676' };
const BEVEL_DISABLED = { light: '#ffffff', button: '#c0c0c0', dark: '#bebebe', shadow: '#b1b1b1' };
// The grey that a disabled button's picture is shaded towards, as the window's style does.
const DISABLED_BACKGROUND = 0xef;

const pictures = new Map();  // path -> ImageBitmap
const greyed = new Map();    // path -> ImageBitmap of the picture as a disabled button shows it
const names = [];            // the machine's table of names, as far as known
const held = new Set();      // buttons whose press the machine heard, until released
const keysHeld = new Set();  // those held down by their key (F1, F2)
const timers = new Map();    // timer control -> {interval, id}
let events = new Map();      // control -> set of its event kinds
let controls = new Map();    // name -> its latest data
let elements = new Map();    // name -> its page element
let queue = Promise.resolve();
let waiting = 0;             // events queued or running
let dialogOpen = false;
let spaceDown = false;
let mouse = { x: 0, y: 0 };
let started = false;
let ended = false;
let statusText = '';
let audio = null;
const sounds = [];           // handle -> {buffer} once decoded
let storing = Promise.resolve();

// ------------------------------------------------------------------ the machine

function call(name, returns, types, args, async) {
  return Module.ccall(name, returns, types, args, async ? { async: true } : undefined);
}

// Hand an event to the machine after those before it; dropped while a question waits.
function enqueue(run) {
  if (dialogOpen || ended || !started) return Promise.resolve(-1);
  waiting++;
  const done = queue.then(run).catch(e => console.error(e)).finally(() => { waiting--; });
  queue = done;
  return done;
}

function fire(control, kind, button = 1, shift = 0, x = 0, y = 0) {
  return enqueue(() => call('plonk_event', 'number', ['string', 'number', 'number', 'number', 'number', 'number'],
                            [control, kind, button, shift, x, y], true));
}

function hasEvent(control, kind) { return events.has(control) && events.get(control).has(kind); }

// ------------------------------------------------------------------ the screen

function nameOf(number) {
  if (names[number] === undefined) names[number] = call('plonk_name', 'string', ['number'], [number]);
  return names[number];
}

function bevel(ctx, x, y, w, h, c1, c2, c3, c4) {
  // Two rings of one pixel: c1 top and left, c2 bottom and right outside; c3, c4 inside.
  if (w < 2 || h < 2) return;
  const px = (color, left, top, width, height) => { ctx.fillStyle = color; ctx.fillRect(left, top, width, height); };
  px(c1, x, y, w - 1, 1); px(c1, x, y, 1, h - 1);
  px(c2, x, y + h - 1, w, 1); px(c2, x + w - 1, y, 1, h);
  if (w > 4 && h > 4) {
    px(c3, x + 1, y + 1, w - 3, 1); px(c3, x + 1, y + 1, 1, h - 3);
    px(c4, x + 1, y + h - 2, w - 2, 1); px(c4, x + w - 2, y + 1, 1, h - 2);
  }
}

function panel(ctx, x, y, w, h, sunken) {
  if (sunken) bevel(ctx, x, y, w, h, BEVEL.dark, BEVEL.light, BEVEL.shadow, BEVEL.midlight);
  else bevel(ctx, x, y, w, h, BEVEL.light, BEVEL.shadow, BEVEL.midlight, BEVEL.dark);
}

function hex(color) { return '#' + (color & 0xffffff).toString(16).padStart(6, '0'); }

// The drawing commands of Screen_Scene (web/screen_scene.h).
function paint(ops) {
  const ctx = document.getElementById('screen').getContext('2d');
  ctx.save();
  let i = 0;
  while (i < ops.length) {
    const op = ops[i++];
    if (op === 1) {
      const n = ops[i++];
      ctx.save();
      ctx.beginPath();
      for (let k = 0; k < n; k++, i += 4) ctx.rect(ops[i], ops[i + 1], ops[i + 2], ops[i + 3]);
      ctx.clip();
    } else if (op === 2) {
      ctx.fillStyle = hex(ops[i + 4]);
      ctx.fillRect(ops[i], ops[i + 1], ops[i + 2], ops[i + 3]);
      i += 5;
    } else if (op === 3) {
      const picture = pictures.get(nameOf(ops[i + 2]));
      if (picture) ctx.drawImage(picture, ops[i], ops[i + 1]);
      i += 3;
    } else if (op === 4) {
      ctx.save();
      ctx.beginPath();
      ctx.rect(ops[i], ops[i + 1], ops[i + 2], ops[i + 3]);
      ctx.clip();
      i += 4;
    } else if (op === 5) {
      ctx.restore();
    } else if (op === 6) {
      panel(ctx, ops[i], ops[i + 1], ops[i + 2], ops[i + 3], ops[i + 4] !== 0);
      i += 5;
    } else if (op === 7) {
      ctx.fillStyle = '#000';
      ctx.font = '11px "DejaVu Sans", sans-serif';
      ctx.textBaseline = 'top';
      ctx.fillText(nameOf(ops[i + 4]), ops[i], ops[i + 1]);
      i += 5;
    } else {
      break;
    }
  }
  ctx.restore();
  ctx.restore();
}

// A picture as a disabled button shows it: every pixel's grey, shaded on the face's grey.
function greyPicture(path) {
  if (greyed.has(path)) return greyed.get(path);
  const picture = pictures.get(path);
  if (!picture) return null;
  const canvas = document.createElement('canvas');
  canvas.width = picture.width;
  canvas.height = picture.height;
  const ctx = canvas.getContext('2d');
  ctx.drawImage(picture, 0, 0);
  const image = ctx.getImageData(0, 0, canvas.width, canvas.height);
  const bg = DISABLED_BACKGROUND;
  const table = new Uint8Array(256);
  for (let i = 0; i < 128; i++) table[i] = (bg * (i << 1)) >> 8;
  for (let i = 0; i < 128; i++) table[i + 128] = Math.min(bg + (i << 1), 255);
  const intensity = bg <= 128 ? bg - 51 : bg;
  const d = image.data;
  for (let p = 0; p < d.length; p += 4) {
    const gray = (d[p] * 11 + d[p + 1] * 16 + d[p + 2] * 5) >> 5;
    const ci = Math.floor(gray / 3) + (130 - Math.floor(intensity / 3));
    d[p] = d[p + 1] = d[p + 2] = table[ci];
  }
  ctx.putImageData(image, 0, 0);
  greyed.set(path, canvas);
  return canvas;
}

function drawButton(c, canvas, down) {
  const ctx = canvas.getContext('2d');
  const w = canvas.width, h = canvas.height;
  const colours = c.enabled ? BEVEL : BEVEL_DISABLED;
  ctx.fillStyle = colours.button;
  ctx.fillRect(0, 0, w, h);
  if (down) bevel(ctx, 0, 0, w, h, colours.shadow, colours.light, colours.dark, colours.button);
  else bevel(ctx, 0, 0, w, h, colours.light, colours.shadow, colours.button, colours.dark);
  const face = c.enabled ? pictures.get(c.picture) : greyPicture(c.picture);
  if (!face) return;
  let x = Math.floor((w - face.width) / 2), y = Math.floor((h - face.height) / 2);
  if (down) { x++; y++; }
  ctx.save();
  ctx.beginPath();
  ctx.rect(2, 2, w - 4, h - 4);
  ctx.clip();
  ctx.drawImage(face, x, y);
  ctx.restore();
}

// ------------------------------------------------------------------ the controls

function twips(e, element) {
  const r = element.getBoundingClientRect();
  const scale = r.width / element.offsetWidth || 1;
  return [((e.clientX - r.left) / scale) * 15, ((e.clientY - r.top) / scale) * 15];
}

function buttonCode(e) { return e.button === 0 ? 1 : e.button === 2 ? 2 : e.button === 1 ? 4 : 0; }
function shiftCode(e) { return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0); }

function makeElement(c) {
  const face = document.getElementById('face');
  let el = null;
  if (c.kind === 'picture_button') {
    el = document.createElement('canvas');
    el.width = c.width;
    el.height = c.height;
    el.pressed = false;
    el.addEventListener('pointerdown', e => {
      if (e.button !== 0 || !controls.get(c.name).enabled) return;
      el.setPointerCapture(e.pointerId);
      el.pressed = true;
      drawButton(controls.get(c.name), el, true);
      if (hasEvent(c.name, KIND.Mouse_Down)) {
        const [x, y] = twips(e, el);
        fire(c.name, KIND.Mouse_Down, 1, shiftCode(e), x, y).then(ran => { if (ran === 1) held.add(c.name); });
      }
    });
    el.addEventListener('pointerup', e => {
      if (e.button !== 0 || !el.pressed) return;
      el.pressed = false;
      drawButton(controls.get(c.name), el, false);
      const r = el.getBoundingClientRect();
      const inside = e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom;
      const [x, y] = twips(e, el);
      if (hasEvent(c.name, KIND.Mouse_Down)) {
        held.delete(c.name);
        fire(c.name, KIND.Mouse_Up, 1, shiftCode(e), x, y);
      } else if (inside && hasEvent(c.name, KIND.Click)) {
        fire(c.name, KIND.Click);
      }
    });
  } else if (c.kind === 'button') {
    if (!c.caption) return null;  // the caption-less focus keeper under Close
    el = document.createElement('button');
    el.type = 'button';
    el.addEventListener('click', () => fire(c.name, KIND.Click));
  } else if (c.kind === 'check_box') {
    el = document.createElement('label');
    const box = document.createElement('input');
    box.type = 'checkbox';
    el.append(box, document.createElement('span'));
    box.addEventListener('click', e => {
      const value = box.checked ? 1 : 0;
      e.preventDefault();
      enqueue(() => call('plonk_check', 'number', ['string', 'number'], [c.name, value], true));
    });
  } else if (c.kind === 'slider') {
    el = document.createElement('input');
    el.type = 'range';
    el.step = 1;
    el.addEventListener('input', () => {
      const value = Number(el.value);
      enqueue(() => call('plonk_slider', 'number', ['number'], [value], true));
    });
    el.addEventListener('contextmenu', e => e.preventDefault());
    el.addEventListener('pointerup', e => {
      if (!hasEvent(c.name, KIND.Mouse_Up)) return;
      const [x, y] = twips(e, el);
      fire(c.name, KIND.Mouse_Up, buttonCode(e), shiftCode(e), x, y);
    });
  } else if (c.kind === 'label') {
    el = document.createElement('div');
    el.className = 'label';
  } else {
    return null;
  }
  el.classList.add('control');
  el.id = c.name;
  Object.assign(el.style, { left: c.left + 'px', top: c.top + 'px', width: c.width + 'px', height: c.height + 'px' });
  face.appendChild(el);
  return el;
}

// A caption's mnemonic: "Show &Tips" is shown "Show Tips" and answers Alt+T.
function plainCaption(caption) { return caption.replace(/&(.)/g, '$1'); }
function mnemonic(caption) { const m = /&(.)/.exec(caption); return m ? m[1].toUpperCase() : ''; }

function showControls(list) {
  for (const c of list) {
    const before = controls.get(c.name);
    controls.set(c.name, c);
    if (c.kind === 'timer') { syncTimer(c); continue; }
    if (c.kind === 'menu_item') continue;
    if (!elements.has(c.name)) elements.set(c.name, makeElement(c));
    const el = elements.get(c.name);
    if (!el) continue;
    el.hidden = !c.visible;
    el.title = c.tip;
    if (c.kind === 'picture_button') {
      const changed = !before || before.picture !== c.picture || before.enabled !== c.enabled;
      if (changed) drawButton(c, el, el.pressed);
    } else if (c.kind === 'button') {
      el.textContent = plainCaption(c.caption);
      el.disabled = !c.enabled;
    } else if (c.kind === 'check_box') {
      el.lastChild.textContent = plainCaption(c.caption);
      el.firstChild.checked = c.value !== 0;
      el.firstChild.disabled = !c.enabled;
      el.style.color = c.enabled ? '' : '#808080';
    } else if (c.kind === 'slider') {
      el.min = c.min;
      el.max = c.max;
      if (Number(el.value) !== c.value) el.value = c.value;
      el.disabled = !c.enabled;
    } else if (c.kind === 'label') {
      el.textContent = c.caption;
    }
  }
}

function syncTimer(c) {
  // A running timer keeps its count unless its interval changed.
  const t = timers.get(c.name);
  if (c.enabled && c.interval > 0) {
    if (t && t.interval === c.interval) return;
    if (t) clearInterval(t.id);
    timers.set(c.name, {
      interval: c.interval,
      id: setInterval(() => { if (waiting === 0) fire(c.name, KIND.Timer); }, c.interval),
    });
  } else if (t) {
    clearInterval(t.id);
    timers.delete(c.name);
  }
}

function popupMenu(name) {
  const menu = document.getElementById('menu');
  menu.replaceChildren();
  for (const c of controls.values()) {
    if (c.kind !== 'menu_item' || !c.visible) continue;
    const item = document.createElement('div');
    item.textContent = plainCaption(c.caption);
    item.id = c.name;
    if (!c.enabled) item.className = 'disabled';
    item.addEventListener('click', () => {
      menu.hidden = true;
      if (c.enabled) fire(c.name, KIND.Click);
    });
    menu.appendChild(item);
  }
  menu.dataset.menu = name;
  menu.style.left = mouse.x + 'px';
  menu.style.top = mouse.y + 'px';
  menu.hidden = false;
}

// ------------------------------------------------------------------ dialogs

function dialog(title, text, buttons, dismiss) {
  dialogOpen = true;
  return new Promise(resolve => {
    const cover = document.getElementById('dialog-cover');
    document.getElementById('dialog-title').textContent = title;
    document.getElementById('dialog-text').textContent = text;
    const row = document.getElementById('dialog-buttons');
    row.replaceChildren();
    const finish = answer => {
      cover.hidden = true;
      document.removeEventListener('keydown', onKey, true);
      dialogOpen = false;
      resolve(answer);
    };
    const onKey = e => {
      if (e.key === 'Escape') { e.preventDefault(); e.stopPropagation(); finish(dismiss); }
    };
    for (const [label, answer] of buttons) {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = label;
      b.id = 'dialog-' + label.toLowerCase();
      b.addEventListener('click', () => finish(answer));
      row.appendChild(b);
    }
    document.addEventListener('keydown', onKey, true);
    cover.hidden = false;
    row.firstChild.focus();
  });
}

// ------------------------------------------------------------------ sound

function startAudio() {
  // Browsers let a page sound only after the player did something on it.
  if (audio && audio.state === 'suspended') audio.resume();
}

function soundLoad(path) {
  if (!audio) return -1;
  let bytes;
  try { bytes = FS.readFile(path); } catch (e) { return -1; }
  const handle = sounds.length;
  sounds.push({});
  audio.decodeAudioData(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length))
    .then(buffer => { sounds[handle].buffer = buffer; })
    .catch(() => {});
  return handle;
}

function soundPlay(handle) {
  const sound = sounds[handle];
  if (!audio || !sound || !sound.buffer || audio.state !== 'running') return;
  const source = audio.createBufferSource();
  source.buffer = sound.buffer;
  source.connect(audio.destination);
  source.start();
}

// ------------------------------------------------------------------ the stored files

function storeFiles() {
  // One transaction of the browser's storage takes the folder's new state whole.
  storing = storing.then(() => new Promise(resolve => FS.syncfs(false, error => {
    if (error) console.error('the files could not be stored', error);
    resolve();
  })));
  return storing;
}

// A file as the browser's storage holds it (not the page's copy): its text, or null.
function storedFile(name) {
  return new Promise(resolve => {
    const open = indexedDB.open(SAVE_FOLDER);
    open.onerror = () => resolve(null);
    open.onsuccess = () => {
      const db = open.result;
      if (!db.objectStoreNames.contains('FILE_DATA')) { db.close(); resolve(null); return; }
      const get = db.transaction('FILE_DATA', 'readonly').objectStore('FILE_DATA').get(SAVE_FOLDER + '/' + name);
      get.onsuccess = () => {
        db.close();
        resolve(get.result && get.result.contents ? new TextDecoder().decode(get.result.contents) : null);
      };
      get.onerror = () => { db.close(); resolve(null); };
    };
  });
}

function exportFiles() {
  for (const name of SAVED_FILES) {
    let bytes;
    try { bytes = FS.readFile(SAVE_FOLDER + '/' + name); } catch (e) { continue; }
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    a.download = name;
    a.click();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }
}

async function importFiles(files) {
  // Each file by its name, or a settings file (.ini) or statistics (.json) by its kind.
  const chosen = [];
  for (const file of files) {
    const name = SAVED_FILES.find(n => n.toLowerCase() === file.name.toLowerCase()) ||
      (file.name.toLowerCase().endsWith('.ini') ? 'Plonk.ini' : file.name.toLowerCase().endsWith('.json') ? 'Statistics.json' : null);
    if (name) chosen.push([name, file]);
  }
  if (chosen.length === 0) return;
  const go = await dialog('Import', 'Replace ' + chosen.map(c => c[0]).join(' and ') +
    ' with the chosen files and start the game again with them?', [['Yes', true], ['No', false]], false);
  if (!go) return;
  let n = 0;
  for (const [name, file] of chosen) {
    // Written beside the file and renamed over it: the file is replaced whole.
    const temp = SAVE_FOLDER + '/' + name + '.import.' + (n++) + '.tmp';
    FS.writeFile(temp, new Uint8Array(await file.arrayBuffer()));
    FS.rename(temp, SAVE_FOLDER + '/' + name);
  }
  await storeFiles();
  location.reload();
}

// ------------------------------------------------------------------ help

function showHelp(anchor) {
  const help = JSON.parse(call('plonk_help', 'string', [], []));
  const text = document.getElementById('help-text');
  if (!text.dataset.filled) {
    const doc = new DOMParser().parseFromString(help.html, 'text/html');
    for (const img of doc.querySelectorAll('img')) {
      const src = img.getAttribute('src');
      const canvas = document.createElement('canvas');
      const ctx = canvas.getContext('2d');
      if (src === help.card) {
        const back = pictures.get(help.background);
        const [left, top, width, height] = help.area;
        canvas.width = width; canvas.height = height;
        if (back) ctx.drawImage(back, left, top, width, height, 0, 0, width, height);
      } else {
        const picture = pictures.get(PROGRAM_FOLDER + '/' + src);
        if (!picture) continue;
        canvas.width = picture.width; canvas.height = picture.height;
        ctx.drawImage(picture, 0, 0);
      }
      img.src = canvas.toDataURL();
    }
    text.replaceChildren(...doc.body.childNodes);
    text.dataset.filled = '1';
  }
  document.getElementById('help').hidden = false;
  const target = anchor ? text.querySelector('a[name="' + anchor + '"]') : null;
  if (target) target.scrollIntoView(); else text.scrollTop = 0;
}

// ------------------------------------------------------------------ keys and mouse

function onKeyDown(e) {
  if (dialogOpen) return;
  startAudio();
  if (e.key === 'Escape') {
    document.getElementById('help').hidden = true;
    document.getElementById('menu').hidden = true;
    return;
  }
  if (!document.getElementById('help').hidden) return;
  // F1 and F2 hold their buttons down as the mouse does; their own repeat is no press.
  if (e.key === 'F1' || e.key === 'F2') {
    e.preventDefault();
    const name = e.key === 'F1' ? 'Knop_F1' : 'Knop_F2';
    const c = controls.get(name);
    if (e.repeat || held.has(name) || !c || !c.enabled) return;
    held.add(name);
    keysHeld.add(name);
    fire(name, KIND.Mouse_Down).then(ran => { if (ran !== 1) { held.delete(name); keysHeld.delete(name); } });
    return;
  }
  if (e.ctrlKey || e.metaKey) return;
  if (e.altKey) {
    // Alt and the underlined letter: a click on that box or button.
    const letter = e.key.toUpperCase();
    for (const c of controls.values()) {
      if ((c.kind !== 'check_box' && c.kind !== 'button') || mnemonic(c.caption) !== letter) continue;
      e.preventDefault();
      if (!c.visible || !c.enabled) return;
      if (c.kind === 'check_box') elements.get(c.name).firstChild.click();
      else fire(c.name, KIND.Click);
      return;
    }
    return;
  }
  if (e.key === ' ') spaceDown = true;
  if (e.key.length !== 1) return;
  // Every typed character goes to the machine's key handler; the page keeps none.
  e.preventDefault();
  const code = e.key.charCodeAt(0);
  if (code > 255) return;
  enqueue(() => call('plonk_key', 'number', ['number'], [code], true));
}

function onKeyUp(e) {
  if (e.key === ' ') spaceDown = false;
  if (e.key !== 'F1' && e.key !== 'F2') return;
  e.preventDefault();
  const name = e.key === 'F1' ? 'Knop_F1' : 'Knop_F2';
  // Released: the mouse let go, unless the hold already ended (the page lost the focus).
  if (keysHeld.delete(name) && held.delete(name)) fire(name, KIND.Mouse_Up);
}

function onBlur() {
  // The held buttons let go when the page loses the focus.
  spaceDown = false;
  const names = [...held];
  held.clear();
  keysHeld.clear();
  for (const name of names) if (hasEvent(name, KIND.Lost_Focus)) fire(name, KIND.Lost_Focus);
}

function showTip(e) {
  const tip = document.getElementById('tooltip');
  const screen = document.getElementById('screen');
  if (e.target !== screen || waiting > 0) { tip.hidden = true; return; }
  const [x, y] = twips(e, screen).map(v => Math.floor(v / 15));
  const text = call('plonk_tip', 'string', ['number', 'number'], [x, y]);
  if (!text) { tip.hidden = true; return; }
  tip.textContent = text;
  tip.style.left = (e.clientX + 12) + 'px';
  tip.style.top = (e.clientY + 16) + 'px';
  tip.hidden = false;
}

function fit() {
  // The whole page as large as the browser's window lets it be.
  const frame = document.getElementById('frame');
  const scale = Math.min(innerWidth / FACE_WIDTH, innerHeight / frame.offsetHeight);
  // At its own size it is left untransformed: the browser then composes the page as is.
  frame.style.transform = scale === 1 ? '' : 'scale(' + scale + ')';
  frame.style.left = Math.max(0, (innerWidth - FACE_WIDTH * scale) / 2) + 'px';
}

function wire() {
  document.addEventListener('keydown', onKeyDown);
  document.addEventListener('keyup', onKeyUp);
  document.addEventListener('pointerdown', e => {
    startAudio();
    const menu = document.getElementById('menu');
    if (!menu.hidden && !menu.contains(e.target)) menu.hidden = true;
  }, true);
  document.addEventListener('pointermove', e => {
    mouse = { x: e.clientX, y: e.clientY };
    showTip(e);
  });
  window.addEventListener('blur', onBlur);
  window.addEventListener('resize', fit);
  document.getElementById('help-button').addEventListener('click', () => showHelp(''));
  document.getElementById('keys-button').addEventListener('click', () => showHelp('keys'));
  document.getElementById('help-close').addEventListener('click', () => { document.getElementById('help').hidden = true; });
  document.getElementById('export-button').addEventListener('click', exportFiles);
  const files = document.getElementById('import-files');
  document.getElementById('import-button').addEventListener('click', () => files.click());
  files.addEventListener('change', () => { importFiles([...files.files]); files.value = ''; });
  fit();
}

// ------------------------------------------------------------------ start-up

async function decodePictures() {
  const found = FS.readdir(PROGRAM_FOLDER).filter(n => /\.(bmp|gif)$/i.test(n));
  await Promise.all(found.map(async name => {
    const path = PROGRAM_FOLDER + '/' + name;
    let problem = '';
    try {
      const bitmap = await createImageBitmap(new Blob([FS.readFile(path)]),
                                             { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
      pictures.set(path, bitmap);
    } catch (e) {
      problem = String(e && e.message ? e.message : e);
    }
    const p = pictures.get(path);
    call('plonk_picture', null, ['string', 'number', 'number', 'string'],
         [path, p ? p.width : 0, p ? p.height : 0, problem]);
  }));
}

async function start() {
  const began = performance.now();
  const seed = new URLSearchParams(location.search).get('seed');
  // Creating the machine may wait (a damaged statistics file is set aside and a new
  // one written under the folder's lock), so it is awaited like the start.
  await call('plonk_create', null, ['string', 'string'], [PROGRAM_FOLDER, SAVE_FOLDER], true);
  await decodePictures();
  events = new Map();
  for (const e of JSON.parse(call('plonk_events', 'string', [], []))) {
    if (!events.has(e.control)) events.set(e.control, new Set());
    events.get(e.control).add(e.kind);
  }
  wire();
  const running = await call('plonk_start', 'number', [], [], true);
  if (seed !== null) call('plonk_seed', null, ['number'], [Number(seed)]);
  if (!statusText) showStatus('P inserts points; hold F1 down to start a game and invest; O shoots a ball');
  document.getElementById('loading').hidden = true;
  started = running === 1;
  window.plonk.startMs = performance.now() - began;
}

function showStatus(text) {
  statusText = text;
  document.getElementById('status').textContent = text;
}

function end(status) {
  ended = true;
  for (const t of timers.values()) clearInterval(t.id);
  timers.clear();
  window.plonk.exitStatus = status;
  showStatus(status === 0 ? 'The game has ended. Reload the page to play again.' : 'The game stopped.');
}

var Module = {
  page: {
    paint,
    showControls,
    showStatus,
    nextFrame: () => new Promise(resolve => requestAnimationFrame(() => resolve())),
    wait: ms => new Promise(resolve => setTimeout(resolve, ms)),
    ask: (text, title) => dialog(title, text, [['Yes', 0], ['No', 1]], 2),
    tell: (text, title) => dialog(title, text, [['OK', 0]], 0),
    popupMenu,
    spaceDown: () => spaceDown,
    soundReady: () => audio !== null,
    soundLoad,
    soundPlay,
    storeFiles,
    end,
  },
  preRun: [() => {
    // The settings and statistics live in the browser's storage, read before the game starts.
    FS.mkdir(SAVE_FOLDER);
    FS.mount(FS.filesystems.IDBFS, {}, SAVE_FOLDER);
    addRunDependency('saved-files');
    FS.syncfs(true, error => {
      if (error) console.error('the stored files could not be read', error);
      removeRunDependency('saved-files');
    });
  }],
  onRuntimeInitialized: () => { start().catch(e => { console.error(e); showStatus('The game could not start: ' + e); }); },
  print: text => console.log(text),
  printErr: text => console.warn(text),
};

try {
  const Context = window.AudioContext || window.webkitAudioContext;
  if (Context) audio = new Context();
} catch (e) {
  audio = null;
}

// What a test or a curious player can ask of the page.
window.plonk = {
  ready: () => started || ended,
  idle: () => (started || ended) && waiting === 0 && !dialogOpen,
  dialog: () => dialogOpen ? document.getElementById('dialog-text').textContent : null,
  ended: () => ended,
  status: () => statusText,
  dump: () => JSON.parse(call('plonk_dump', 'string', [], [])),
  storedFile,
  stored: () => storing,
  startMs: null,
  exitStatus: null,
};
