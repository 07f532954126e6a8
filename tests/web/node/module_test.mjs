// The page's module as the page meets it: nothing to import, exactly the
// exports of app/web/module/module_exports.h, and the calculate command
// behind them taking UTF-16 texts and giving back UTF-8.
//   node module_test.mjs quorvel.wasm page_description
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { strict as assert } from 'node:assert';

const module = new WebAssembly.Module(readFileSync(process.argv[2]));
assert.deepEqual(WebAssembly.Module.imports(module), []);
assert.deepEqual(
  WebAssembly.Module.exports(module).map(({ name, kind }) => `${kind} ${name}`),
  ['memory memory', 'function BoxBuffer', 'function BoxCapacity', 'function Calculate', 'function ResultText'],
);
const dialog = new WebAssembly.Instance(module, {}).exports;

function calculate(...texts) {
  const lengths = texts.map((text, box) => {
    const units = new Uint16Array(dialog.memory.buffer, dialog.BoxBuffer(box), dialog.BoxCapacity());
    for (let i = 0; i < text.length; ++i) units[i] = text.charCodeAt(i);
    return text.length;
  });
  const length = dialog.Calculate(...lengths);
  return new TextDecoder().decode(new Uint8Array(dialog.memory.buffer, dialog.ResultText(), length));
}

// The one case table (tests/cases), then what only a program can put in a
// box: a NUL is a character outside the grammar like any other, so the
// diagonal is refused and a width or height stops at it; a unit above 0x7F
// is refused wherever it stands in the first nine, and not after them.
const { inputError } = JSON.parse(execFileSync(process.argv[3], { encoding: 'utf8' }));
const rows = readFileSync(new URL('../../cases/calculations.tsv', import.meta.url), 'utf8')
  .split('\n').filter((line) => line && !line.startsWith('#'))
  .map((line) => line.split('\t').slice(0, 4).map((f, i) => (i === 3 && f === 'input-error' ? inputError : f)))
  .concat([
    ['1920', '1080', '12\0 3', inputError],
    ['12\0 3', '5', '1', '13'],
    ['300', '400', '5.0000000中', '100'],
  ]);
for (const [width, height, diagonal, shown] of rows) {
  assert.equal(calculate(width, height, diagonal), shown, JSON.stringify([width, height, diagonal]));
}
console.log(`${rows.length} calculations, imports and exports as the page expects`);
