// The dialog's behaviour. The calculation runs in quorvel.wasm, the same C++
// the desktop programs run: this script only copies the boxes' texts in as
// UTF-16 and the result box's text out as UTF-8.

const boxes = ['IDC_WIDTH', 'IDC_HEIGHT', 'IDC_DIAGONAL'].map((id) => document.getElementById(id));
const result = document.getElementById('IDC_RESULT');

async function loadModule() {
  const url = 'quorvel.wasm';
  try {
    return (await WebAssembly.instantiateStreaming(fetch(url), {})).instance.exports;
  } catch {
    // A server that labels the module with another type than application/wasm.
    const bytes = await (await fetch(url)).arrayBuffer();
    return (await WebAssembly.instantiate(bytes, {})).instance.exports;
  }
}

const core = loadModule();

function copyIn(exports, box, text) {
  const capacity = exports.BoxCapacity();
  const units = new Uint16Array(exports.memory.buffer, exports.BoxBuffer(box), capacity);
  const length = Math.min(text.length, capacity);
  for (let i = 0; i < length; ++i) units[i] = text.charCodeAt(i);
  return length;
}

async function calculate() {
  const exports = await core;
  const lengths = boxes.map((box, index) => copyIn(exports, index, box.value));
  const size = exports.Calculate(...lengths);
  result.value = new TextDecoder().decode(
    new Uint8Array(exports.memory.buffer, exports.ResultText(), size));
}

// Enter in any box runs the calculation, as the default button does; Esc
// does nothing to the dialog.
document.getElementById('IDD_MAIN').addEventListener('keydown', (event) => {
  if (event.key === 'Enter' && !event.isComposing && event.target instanceof HTMLInputElement) {
    event.preventDefault();
    calculate();
  }
});
document.getElementById('IDC_CALCULATE').addEventListener('click', calculate);

// A message box: modal, its OK button focused; Enter, Esc or OK closes it and
// the focus goes back where it was.
function openBox(box) {
  const previous = document.activeElement;
  box.addEventListener('close', () => previous?.focus(), {once: true});
  box.showModal();
  box.querySelector('.ok').focus();
}

for (const box of document.querySelectorAll('dialog')) {
  box.querySelector('.ok').addEventListener('click', () => box.close());
  box.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      box.close();
    }
  });
}

for (const opener of document.querySelectorAll('[data-box]')) {
  const box = document.getElementById(opener.dataset.box);
  opener.addEventListener('click', () => openBox(box));
  if (opener instanceof HTMLButtonElement) continue;
  // A label acting as a button answers Enter and Space as a button does.
  opener.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      openBox(box);
    }
  });
}

// The page opens as the dialog does: the width box (autofocus) with its text
// selected, the template's values calculated.
boxes[0].select();
// Offline after the first visit, fetched once the page shows its result, so
// that it never delays it; the page works without it too.
calculate().then(() => {
  performance.mark('quorvel-ready');
  navigator.serviceWorker?.register('sw.js').catch(() => {});
});
