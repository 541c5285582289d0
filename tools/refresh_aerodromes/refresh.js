#!/usr/bin/env node
'use strict';
// The yearly refresh of the aerodrome list: rewrites data/aerodromes.csv from the
// airportsdata list (its airports.csv), rebuilds data/vdats.tst with the builder and prints
// what changed.
//
//   node tools/refresh_aerodromes/refresh.js AIRPORTS_CSV [EPOCH] [--data DIR] [--builder EXE]
//
// EPOCH of the magnetic variation: 2028.0 or 2028-01-01; by default 1 January of the coming
// year. --data is the folder with texts.txt, aerodromes.csv and SOURCES.md (default: data/
// of this repository); --builder the build_vdats program (default: build/default/build_vdats).
// Nothing is changed unless the new list converts cleanly and the builder verifies the new
// data file.

const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');
const list = require('./aerodromes');

const repoDir = path.resolve(__dirname, '..', '..');

function fail(message) {
  console.error(`refresh: ${message}`);
  process.exit(1);
}

function parseArgs(argv) {
  const args = { data: path.join(repoDir, 'data'),
    builder: path.join(repoDir, 'build', 'default', 'build_vdats'), positional: [] };
  for (let i = 0; i < argv.length; i++) {
    if (argv[i] === '--data' || argv[i] === '--builder') {
      if (i + 1 >= argv.length) fail(`${argv[i]} needs a path`);
      args[argv[i].slice(2)] = argv[++i];
    } else args.positional.push(argv[i]);
  }
  if (args.positional.length < 1 || args.positional.length > 2) {
    console.error('usage: node tools/refresh_aerodromes/refresh.js AIRPORTS_CSV [EPOCH] ' +
        '[--data DIR] [--builder EXE]');
    process.exit(2);
  }
  return args;
}

function main() {
  const args = parseArgs(process.argv.slice(2));
  let epoch;
  try {
    epoch = args.positional[1] ? list.parseEpoch(args.positional[1])
                               : list.defaultEpoch(new Date());
    list.parseEpoch(String(epoch));
  } catch (e) {
    fail(e.message);
  }
  const file = (name) => path.join(args.data, name);
  if (!fs.existsSync(args.builder))
    fail(`no builder at ${args.builder}: build it first ` +
        '(cmake --preset default && cmake --build --preset default --target build_vdats)');

  let airportsText, before = [];
  try {
    airportsText = fs.readFileSync(args.positional[0], 'utf8');
  } catch (e) {
    fail(`cannot read ${args.positional[0]}: ${e.message}`);
  }
  if (fs.existsSync(file('aerodromes.csv'))) {
    try {
      before = list.parseList(fs.readFileSync(file('aerodromes.csv'), 'utf8'));
    } catch (e) {
      fail(`${file('aerodromes.csv')}: ${e.message}`);
    }
  }

  const { aerodromes, leftOut, problems } = list.convert(airportsText, epoch);
  if (problems.length)
    fail(`nothing changed; the list cannot be made:\n  ${problems.join('\n  ')}`);

  // The new list and data file are written beside the old ones and put in place only once
  // the builder has read the new data file back and found every record.
  const newCsv = file('aerodromes.csv.new'), newTst = file('vdats.tst.new');
  fs.writeFileSync(newCsv, list.formatList(aerodromes), 'utf8');
  const built = spawnSync(args.builder, [file('texts.txt'), newCsv, newTst], { encoding: 'utf8' });
  if (built.status !== 0) {
    fs.rmSync(newCsv, { force: true });
    fs.rmSync(newTst, { force: true });
    fail('nothing changed; the builder failed:\n' +
        `${built.stdout || ''}${built.stderr || ''}${built.error || ''}`);
  }
  fs.renameSync(newCsv, file('aerodromes.csv'));
  fs.renameSync(newTst, file('vdats.tst'));
  if (fs.existsSync(file('SOURCES.md'))) {
    const sources = fs.readFileSync(file('SOURCES.md'), 'utf8');
    fs.writeFileSync(file('SOURCES.md'), list.updateSources(sources, aerodromes.length, epoch));
  }

  console.log(`wrote ${file('aerodromes.csv')} (variation for ${list.epochText(epoch)}) and ` +
      `${file('vdats.tst')}, which the builder read back and verified`);
  console.log(`left out on purpose: ${leftOut.length}`);
  for (const line of leftOut) console.log(`  ${line}`);
  for (const line of list.describeChanges(before, aerodromes)) console.log(line);
}

main();
