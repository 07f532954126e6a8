// ns per call of the core's density calculation inside the WebAssembly
// module under Node, the figure to hold against the native software core's
// CalculateDensityDefault row of bench/core_bench.cpp (the same 1920, 1080,
// "21.5"), and of the page's whole calculate command (UTF-16 texts in, the
// result text out) beside it. Median of repeats, after a warm-up that lets
// the engine's optimising tier take over.
//   node module_speed.mjs quorvel_golden.wasm quorvel.wasm
import { readFileSync } from 'node:fs';

const kCallsPerRepeat = 200000;
const kRepeats = 15;

function instantiate(path) {
  return new WebAssembly.Instance(new WebAssembly.Module(readFileSync(path)), {}).exports;
}

function median(samples) {
  return samples.sort((a, b) => a - b)[samples.length >> 1];
}

// Wall-clock and CPU time per call, as Google Benchmark's Time and CPU
// columns: on a machine shared with other work the CPU time is the steadier.
function timePerCall(call) {
  for (let i = 0; i < kCallsPerRepeat; ++i) call();
  const wall = [];
  const cpu = [];
  for (let repeat = 0; repeat < kRepeats; ++repeat) {
    const start = process.hrtime.bigint();
    const startCpu = process.cpuUsage();
    for (let i = 0; i < kCallsPerRepeat; ++i) call();
    const { user, system } = process.cpuUsage(startCpu);
    wall.push(Number(process.hrtime.bigint() - start) / kCallsPerRepeat);
    cpu.push(((user + system) * 1000) / kCallsPerRepeat);
  }
  return `${median(wall).toFixed(1)} ns  ${median(cpu).toFixed(1)} ns`;
}

function writeAscii(buffer, text) {
  for (let i = 0; i < text.length; ++i) buffer[i] = text.charCodeAt(i);
  return text.length;
}

const [goldenPath, pagePath] = process.argv.slice(2);

const core = instantiate(goldenPath);
writeAscii(new Uint8Array(core.memory.buffer, core.TextBuffer(), 5), '21.5\0');
const densityAt = core.CalculateDensity(1920, 1080);
if (!densityAt || new Int32Array(core.memory.buffer, densityAt, 1)[0] !== 102) {
  throw new Error('1920, 1080, 21.5 is not 102');
}
const density = timePerCall(() => core.CalculateDensity(1920, 1080));

const page = instantiate(pagePath);
const lengths = ['1920', '1080', '21.5'].map((text, box) =>
  writeAscii(new Uint16Array(page.memory.buffer, page.BoxBuffer(box), page.BoxCapacity()), text),
);
const command = timePerCall(() => page.Calculate(...lengths));

console.log('                                  Time      CPU');
console.log(`ModuleCalculateDensityDefault  ${density}`);
console.log(`ModuleCalculateCommand         ${command}`);
