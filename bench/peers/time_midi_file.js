// In-process parse time of the npm parser midi-file: median of RUNS (a best-of would hide the garbage collector's share), in ms, per file.
const fs = require('fs');
const path = require('path');
const { parseMidi } = require(path.join(__dirname, '..', 'node_modules', 'midi-file'));

const runs = Number(process.argv[2]);
for (const file of process.argv.slice(3)) {
  const times = [];
  for (let i = 0; i < runs; i++) {
    const start = process.hrtime.bigint();
    const midi = parseMidi(fs.readFileSync(file));
    times.push(Number(process.hrtime.bigint() - start) / 1e6);
    if (midi.tracks.length < 0) throw new Error('unreachable');
  }
  times.sort((a, b) => a - b);
  console.log(`${file}\t${times[Math.floor(times.length / 2)].toFixed(3)}`);
}
