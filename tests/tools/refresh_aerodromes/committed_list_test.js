'use strict';
// The committed aerodrome list against the rules it was made by: its variation column is
// the World Magnetic Model 2025 at sea level for the epoch data/SOURCES.md states, on every
// row, and the refresh would write its rows back unchanged.

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');

const repo = path.resolve(__dirname, '..', '..', '..');
const list = require(path.join(repo, 'tools', 'refresh_aerodromes', 'aerodromes.js'));
const text = fs.readFileSync(path.join(repo, 'data', 'aerodromes.csv'), 'utf8');
const sources = fs.readFileSync(path.join(repo, 'data', 'SOURCES.md'), 'utf8');

test('every variation matches the model at the stated epoch', () => {
  const epoch = list.epochFromSources(sources);
  assert.ok(epoch >= 2025 && epoch < 2030, `epoch in SOURCES.md: ${epoch}`);
  const rows = list.parseList(text);
  assert.equal(rows.length, list.countFromSources(sources), 'record count in SOURCES.md');
  const wrong = [];
  for (const a of rows) {
    const modelWest = list.variationWestDeg(+a.lat, +a.lon, epoch);
    if (modelWest !== a.variationWest) wrong.push(`${a.ident}: ${a.variationWest}, model ${modelWest}`);
  }
  assert.deepEqual(wrong, []);
  console.log(`# ${rows.length} rows match the model for ${list.epochText(epoch)}`);
});

test('the list reads and writes back byte for byte', () => {
  assert.equal(list.formatList(list.parseList(text)), text);
});
