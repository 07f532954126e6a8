// The module's core against the golden tables, row by row, as
// tests/golden/golden_test.cpp holds the native builds to them: the 10 bytes
// ReadDecimal stores, CalculateDensity's result and the details as
// quorvel-cli --json writes them, from the same core objects the page's
// module links.
//   node golden_test.mjs quorvel_golden.wasm tests/golden
import { readFileSync } from 'node:fs';
import { strict as assert } from 'node:assert';

const [modulePath, goldenDir] = process.argv.slice(2);
const core = new WebAssembly.Instance(new WebAssembly.Module(readFileSync(modulePath)), {}).exports;

// The rows of a table, fields split at tabs, comments left out.
function rowsOf(name) {
  return readFileSync(`${goldenDir}/${name}`, 'latin1')
    .split('\n')
    .filter((line) => line !== '' && !line.startsWith('#'))
    .map((line) => line.split('\t'));
}

// \t, \\ and \xHH back to bytes, as golden::UnescapeText reads them.
const unescape = (escaped) =>
  Array.from(
    escaped.replace(/\\(t|x..|.)/gs, (_, e) =>
      e === 't' ? '\t' : e.length === 3 ? String.fromCharCode(parseInt(e.slice(1), 16) || 0) : e,
    ),
    (c) => c.charCodeAt(0),
  );

// Bytes as golden::EscapeText writes them.
const escape = (bytes) =>
  Array.from(bytes, (b) =>
    b === 9 ? '\\t' : b === 92 ? '\\\\' : b < 0x20 || b > 0x7e
      ? `\\x${b.toString(16).toUpperCase().padStart(2, '0')}` : String.fromCharCode(b),
  ).join('');

function setText(bytes) {
  assert.ok(bytes.length < core.TextCapacity(), 'text longer than the module buffer');
  const buffer = new Uint8Array(core.memory.buffer, core.TextBuffer(), bytes.length + 1);
  buffer.set(bytes);
  buffer[bytes.length] = 0;
}

function readingOutcome(text) {
  setText(unescape(text));
  const at = core.Read();
  if (!at) return 'failure';
  const value = new Uint8Array(core.memory.buffer, at, 10);
  return Array.from(value, (byte) => byte.toString(16).toUpperCase().padStart(2, '0')).join('');
}

function densityOutcome(width, height, diagonal) {
  setText(unescape(diagonal));
  // The tables' widths and heights are unsigned 32-bit; an i32 argument
  // carries the same bits.
  const at = core.CalculateDensity(Number(width) | 0, Number(height) | 0);
  return at ? String(new Int32Array(core.memory.buffer, at, 1)[0]) : 'input-error';
}

function detailsOutcome(width, height, diagonal) {
  setText(unescape(diagonal));
  const length = core.Details(Number(width) | 0, Number(height) | 0);
  return escape(new Uint8Array(core.memory.buffer, core.DetailsBuffer(), length));
}

// The software core's outcome is the first one of a row; a further column is
// the x87 unit's own and does not apply here.
function check(name, minimumRows, outcomeColumn, outcomeOf) {
  const rows = rowsOf(name);
  assert.ok(rows.length >= minimumRows, `${name} missing or cut short: ${rows.length} rows`);
  const mismatches = rows.filter((row) => outcomeOf(row) !== row[outcomeColumn]);
  for (const row of mismatches.slice(0, 20)) console.log(`${name}: ${row.join(' | ')} -> ${outcomeOf(row)}`);
  console.log(`${name}: ${rows.length} rows, ${mismatches.length} differ`);
  return mismatches.length === 0;
}

const readingHolds = check('reading.tsv', 20000, 1, (row) => readingOutcome(row[0]));
const densityHolds = check('density.tsv', 2000, 3, (row) => densityOutcome(row[0], row[1], row[2]));
const detailsHold = check('details.tsv', 300, 3, (row) => detailsOutcome(row[0], row[1], row[2]));
process.exitCode = readingHolds && densityHolds && detailsHold ? 0 : 1;
