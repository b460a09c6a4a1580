// In-process parse time of the npm parser midi-file: best of RUNS, in ms, per file.
const fs = require('fs');
const path = require('path');
const { parseMidi } = require(path.join(__dirname, '..', 'node_modules', 'midi-file'));

const runs = Number(process.argv[2]);
for (const file of process.argv.slice(3)) {
  let best = Infinity;
  for (let i = 0; i < runs; i++) {
    const start = process.hrtime.bigint();
    const midi = parseMidi(fs.readFileSync(file));
    const ms = Number(process.hrtime.bigint() - start) / 1e6;
    if (midi.tracks.length < 0) throw new Error('unreachable');
    best = Math.min(best, ms);
  }
  console.log(`${file}\t${best.toFixed(3)}`);
}
