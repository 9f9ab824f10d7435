// The page around the production: it fetches the resources while the start
// screen asks "Fullscreen?", writes them into the program's ./resource/, and
// starts the production from the click, which is also the gesture that lets
// the sound start. Two links reach into the production:
//   ?start=T          the start screen, then playback from music time T;
//   ?at=T&size=WxH    the single frame at T in a W × H canvas, no sound;
//   ?bench&size=WxH   the frame times of every section, printed as a table.
// The program prints as the desktop's does: stdout to console.log, stderr to
// console.error and onto the page. A run's end returns to the start screen
// by loading the page afresh, so every run starts as the first did.
'use strict';

const page = {
  canvas: document.getElementById('canvas'),
  start: document.getElementById('start'),
  messages: document.getElementById('messages'),
  time: document.getElementById('time'),
};

function setState(state) {
  document.body.dataset.state = state;
}

// Everything printed, in order: a failed start shows it all, as a terminal
// would show the desktop's.
const printed = [];

function printLine(text) {
  console.log(text);
  printed.push(text);
  if (text.startsWith('time:')) page.time.textContent = text;
}

function printError(text) {
  console.error(text);
  printed.push(text);
  page.messages.textContent += text + '\n';
  page.messages.scrollTop = page.messages.scrollHeight;
}

// The start screen again, with what went wrong on it; a click now loads the
// page afresh, fetching everything again.
function fail(text) {
  if (text) printError(text);
  setState('failed');
  page.start.hidden = false;
  page.messages.textContent = printed.join('\n');
  page.messages.scrollTop = page.messages.scrollHeight;
  document.getElementById('yes').onclick = document.getElementById('no').onclick = () =>
    location.reload();
}

// A number of seconds at or after 0, else null.
function parseTime(text) {
  if (text === null || !/^\d+(\.\d+)?$/.test(text)) return null;
  return Number(text);
}

// "WIDTHxHEIGHT", each side 16 to 16384 as the desktop's --window.
function parseSize(text) {
  const m = /^(\d{1,5})x(\d{1,5})$/.exec(text || '');
  if (!m) return null;
  const [w, h] = [Number(m[1]), Number(m[2])];
  return w >= 16 && h >= 16 && w <= 16384 && h <= 16384 ? [w, h] : null;
}

// Every resource fetched at once; one the server lacks is left out, and the
// program's own loading says what is missing, as on the desktop.
const fetched = Promise.all(zentrafelResources.map(name =>
  fetch('resource/' + name)
    .then(response => {
      if (!response.ok) throw new Error(response.status + ' ' + response.statusText);
      return response.arrayBuffer();
    })
    .then(bytes => [name, new Uint8Array(bytes)])
    .catch(error => {
      console.warn('resource/' + name + ': ' + error.message);
      return [name, null];
    })));

let runtimeReady;
const ready = new Promise(resolve => { runtimeReady = resolve; })
  .then(() => fetched)
  .then(files => {
    Module.FS.mkdir('/resource');
    for (const [name, bytes] of files)
      if (bytes) Module.FS.writeFile('/resource/' + name, bytes);
  });

var Module = {
  canvas: page.canvas,
  print: printLine,
  printErr: printError,
  onRuntimeInitialized: () => runtimeReady(),
  onAbort: what => fail('zentrafel: the program stopped: ' + what),
  zentrafelPlaying() {
    performance.mark('zentrafel:first-frame');
    setState('playing');
  },
  zentrafelFinished(how) {
    if (how === 'shown') return setState('shown');
    if (how === 'failed') return fail();
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    location.reload();
  },
};

// The canvas's size in device pixels, as the desktop's window is counted.
function canvasSize() {
  const scale = window.devicePixelRatio || 1;
  return [Math.round(page.canvas.clientWidth * scale),
          Math.round(page.canvas.clientHeight * scale)];
}

// Full screen when asked for and allowed; the production plays either way.
function enterFullscreen() {
  const request = document.documentElement.requestFullscreen;
  if (!request) return Promise.resolve();
  return request.call(document.documentElement).catch(error => {
    console.warn('full screen refused: ' + error.message);
  });
}

function begin(fullscreen, start) {
  performance.mark('zentrafel:click');
  // Made inside the click, so the browser lets it play; at the music's rate,
  // so the browser alone converts to the device's.
  try {
    Module.audioContext = new AudioContext({ sampleRate: 44100 });
  } catch (error) {
    console.warn('no Web Audio: ' + error.message);
  }
  setState('loading');
  page.start.hidden = true;
  page.canvas.focus();
  (fullscreen ? enterFullscreen() : Promise.resolve()).then(() => {
    const [width, height] = canvasSize();
    if (!Module._zentrafel_play(width, height, start)) fail();
  });
}

function showStartScreen() {
  const startText = new URLSearchParams(location.search).get('start');
  const start = startText === null ? 0 : parseTime(startText);
  if (start === null) return fail('zentrafel: ?start must be a time in seconds, not "' + startText + '"');
  ready.then(() => {
    setState('start');
    document.getElementById('yes').onclick = () => begin(true, start);
    document.getElementById('no').onclick = () => begin(false, start);
  });
}

// The still or the benchmark, without the start screen, in a canvas of the
// link's size at the page's top left.
function showWithoutSound(sizeText, call) {
  const size = parseSize(sizeText);
  if (!size) return fail('zentrafel: ?size must be WIDTHxHEIGHT, each 16 to 16384, not "' + sizeText + '"');
  page.start.hidden = true;
  // Bounds, not a width and height: GLFW's canvas sizing removes those.
  const [w, h] = size.map(side => side + 'px');
  Object.assign(page.canvas.style, { minWidth: w, maxWidth: w, minHeight: h, maxHeight: h });
  setState('loading');
  ready.then(() => {
    if (!call(size[0], size[1])) fail();
  });
}

(() => {
  const params = new URLSearchParams(location.search);
  const size = params.get('size') || '640x360';
  if (params.has('bench')) return showWithoutSound(size, (w, h) => Module._zentrafel_bench(w, h));
  if (!params.has('at')) return showStartScreen();
  const at = parseTime(params.get('at'));
  if (at === null) return fail('zentrafel: ?at must be a time in seconds, not "' + params.get('at') + '"');
  showWithoutSound(size, (w, h) => Module._zentrafel_still(w, h, at));
})();
