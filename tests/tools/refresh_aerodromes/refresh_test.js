'use strict';
// The aerodrome refresh on a small list shaped like airportsdata's airports.csv.
//   node refresh_test.js [BUILD_VDATS]   (the run through the builder needs its path)
// Each expected row is the one the committed data/aerodromes.csv holds for that aerodrome
// (same position, variation of the World Magnetic Model 2025 for 2027.0).

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');

const repo = path.resolve(__dirname, '..', '..', '..');
const tool = path.join(repo, 'tools', 'refresh_aerodromes');
const list = require(path.join(tool, 'aerodromes.js'));
const sample = fs.readFileSync(path.join(__dirname, 'airportsdata_sample.csv'), 'utf8');
const builder = process.argv[2];

test('the sample becomes the expected rows, row by row', () => {
  const { aerodromes, leftOut, problems } = list.convert(sample, 2027.0);
  assert.deepEqual(problems, []);
  const rows = list.formatList(aerodromes).split('\n');
  const expected = [
    'ident,name,city,region,country,lat,lon,variation_west',
    // Canada first; the same name is ordered by identifier
    'CCH4,CHARLOTTETOWN AIRPORT,CHARLOTTETOWN,NL,CA,52.765000,-56.115600,18',
    'CYYG,CHARLOTTETOWN AIRPORT,CHARLOTTETOWN,PE,CA,46.290000,-63.121100,16',
    // accents removed; " / " sorts before "-"
    'CSS3,MONTREAL / LES CEDRES AIRPORT,MONTREAL,QC,CA,45.347500,-74.076700,13',
    'CYUL,MONTREAL-PIERRE ELLIOTT TRUDEAU INTERNATIONAL AIRPORT,DORVAL,QC,CA,45.470600,-73.740800,13',
    // ";" in a place or a name becomes ","; a typographic apostrophe a plain one
    'BKH,BARKING SANDS PMRF AIRPORT,"KEKAHA,KAUAI",HI,US,22.022773,-159.785068,-9',
    "T80,BISHOP'S LANDING AIRPORT,CELINA,TX,US,33.376521,-96.728936,-2",
    'EGI,"DUKE FIELD,(EGLIN AF AUX NR 3) AIRPORT",CRESTVIEW,FL,US,30.648587,-86.521959,4',
    'JFK,JOHN F KENNEDY INTERNATIONAL AIRPORT,NEW YORK,NY,US,40.639928,-73.778692,13',
    'PAQ,"WARREN ""BUD"" WOODS PALMER MUNICIPAL AIRPORT",PALMER,AK,US,61.594917,-149.088722,-14',
    '',
  ];
  assert.equal(rows.length, expected.length);
  expected.forEach((row, i) => assert.equal(rows[i], row, `row ${i}`));
  assert.deepEqual(leftOut, [
    'SYA Eareckson Air Station: east longitude 174.1136',
    'US entries without a three-character FAA identifier: 1',
  ]);
});

test('names, places and regions the rules cannot place stop the refresh', () => {
  const header = 'icao,iata,name,city,subd,country,elevation,lat,lon,tz,lid\n';
  const cases = [
    ['unknown subdivision', 'CXXX,,A,B,Atlantis,CA,1,45,-75,,', /no region code .*Atlantis/],
    ['no name', 'CXXX,,  ,B,Ontario,CA,1,45,-75,,', /no name/],
    ['no position', 'CXXX,,A,B,Ontario,CA,1,,-75,,', /is not a position/],
    ['identifier twice', 'KAAA,,A,B,Ohio,US,1,40,-80,,AAA\nKAAB,,B,B,Ohio,US,1,41,-81,,AAA',
      /AAA appears twice/],
    ['missing column', null, /no "lid" column/],
  ];
  for (const [name, rows, message] of cases) {
    const text = rows === null ? 'icao,name,city,subd,country,lat,lon\n' : header + rows + '\n';
    const { problems } = list.convert(text, 2027.0);
    assert.match(problems.join('\n'), message, name);
  }
});

test('a refresh rewrites the list and the data file and says what changed',
    { skip: builder ? false : 'no build_vdats path given' }, () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'avc-refresh-'));
  try {
    const data = path.join(dir, 'data');
    fs.mkdirSync(data);
    fs.copyFileSync(path.join(repo, 'data', 'texts.txt'), path.join(data, 'texts.txt'));
    fs.writeFileSync(path.join(data, 'SOURCES.md'), '2 records ... for epoch 2026.0.\n');
    const previous = [
      'ident,name,city,region,country,lat,lon,variation_west',
      'CYUL,MONTREAL-PIERRE ELLIOTT TRUDEAU INTERNATIONAL AIRPORT,DORVAL,QC,CA,45.470600,-73.740800,14',
      'JFK,JOHN F KENNEDY INTERNATIONAL AIRPORT,NEW YORK,NY,US,40.649928,-73.778692,13',
      'ZZZ,CLOSED FIELD,NOWHERE,OH,US,40.000000,-80.000000,8',
      ''].join('\n');
    fs.writeFileSync(path.join(data, 'aerodromes.csv'), previous);
    const sampleFile = path.join(dir, 'airports.csv');
    fs.writeFileSync(sampleFile, sample);

    const run = (...args) => spawnSync(process.execPath,
        [path.join(tool, 'refresh.js'), sampleFile, ...args, '--data', data, '--builder', builder],
        { encoding: 'utf8' });
    const bad = run('2031.0');
    assert.equal(bad.status, 1);
    assert.match(bad.stderr, /outside 2025.0 to 2030.0/);
    assert.equal(fs.readFileSync(path.join(data, 'aerodromes.csv'), 'utf8'), previous);

    const done = run('2027-01-01');
    assert.equal(done.status, 0, done.stderr);
    const out = done.stdout;
    assert.match(out, /aerodromes: 3 before, 9 now/);
    assert.match(out, /added: 7\n {2}CCH4 /);
    assert.match(out, /removed: 1\n {2}ZZZ {2}CLOSED FIELD, NOWHERE, OH\n/);
    // 0.01 degree of latitude is 0.6 NM
    assert.match(out, /moved: 1\n {2}JFK {2}0.60 NM {2}40.649928,-73.778692 -> 40.639928,-73.778692\n/);
    assert.match(out, /variation changed: 1\n {2}CYUL {2}14W -> 13W\n/);

    const csv = fs.readFileSync(path.join(data, 'aerodromes.csv'), 'utf8');
    assert.equal(csv, list.formatList(list.convert(sample, 2027.0).aerodromes));
    assert.equal(fs.readFileSync(path.join(data, 'SOURCES.md'), 'utf8'),
        '9 records ... for epoch 2027.0.\n');
    const check = spawnSync(builder, ['--check', path.join(data, 'texts.txt'),
      path.join(data, 'aerodromes.csv'), path.join(data, 'vdats.tst')], { encoding: 'utf8' });
    assert.equal(check.status, 0, check.stderr);
    assert.deepEqual(fs.readdirSync(data).sort(),
        ['SOURCES.md', 'aerodromes.csv', 'texts.txt', 'vdats.tst']);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});
