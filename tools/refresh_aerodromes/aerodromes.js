'use strict';
// The calculator's aerodrome list (data/aerodromes.csv) made from the airportsdata list,
// by the rules of data/SOURCES.md, and compared with the list it replaces.
//
// A list record: { ident, name, city, region, country, lat, lon, variationWest }, with lat
// and lon as the six-decimal texts written to the file and variationWest in whole degrees.

const { calculateMagVarForDecimalYear, MODEL_EPOCH, MODEL_VALID_UNTIL } = require('magvar');

const HEADER = 'ident,name,city,region,country,lat,lon,variation_west';
// The program's reader stops after this many records.
const MAX_RECORDS = 6700;

// Subdivision names as airportsdata writes them (in capitals, accents removed).
const REGIONS = {
  CA: {
    ALBERTA: 'AB', 'BRITISH COLUMBIA': 'BC', MANITOBA: 'MB', 'NEW BRUNSWICK': 'NB',
    'NEWFOUNDLAND AND LABRADOR': 'NL', 'NOVA SCOTIA': 'NS', 'NORTHWEST TERRITORIES': 'NT',
    NUNAVUT: 'NU', ONTARIO: 'ON', 'PRINCE EDWARD ISLAND': 'PE', QUEBEC: 'QC',
    SASKATCHEWAN: 'SK', YUKON: 'YT',
  },
  US: {
    ALABAMA: 'AL', ALASKA: 'AK', ARIZONA: 'AZ', ARKANSAS: 'AR', CALIFORNIA: 'CA',
    COLORADO: 'CO', CONNECTICUT: 'CT', DELAWARE: 'DE', 'DISTRICT OF COLUMBIA': 'DC',
    FLORIDA: 'FL', GEORGIA: 'GA', HAWAII: 'HI', IDAHO: 'ID', ILLINOIS: 'IL', INDIANA: 'IN',
    IOWA: 'IA', KANSAS: 'KS', KENTUCKY: 'KY', LOUISIANA: 'LA', MAINE: 'ME', MARYLAND: 'MD',
    MASSACHUSETTS: 'MA', MICHIGAN: 'MI', MINNESOTA: 'MN', MISSISSIPPI: 'MS', MISSOURI: 'MO',
    MONTANA: 'MT', NEBRASKA: 'NE', NEVADA: 'NV', 'NEW HAMPSHIRE': 'NH', 'NEW JERSEY': 'NJ',
    'NEW MEXICO': 'NM', 'NEW YORK': 'NY', 'NORTH CAROLINA': 'NC', 'NORTH DAKOTA': 'ND',
    OHIO: 'OH', OKLAHOMA: 'OK', OREGON: 'OR', PENNSYLVANIA: 'PA', 'PUERTO RICO': 'PR',
    'RHODE ISLAND': 'RI', 'SOUTH CAROLINA': 'SC', 'SOUTH DAKOTA': 'SD', TENNESSEE: 'TN',
    TEXAS: 'TX', UTAH: 'UT', VERMONT: 'VT', 'VIRGIN ISLANDS': 'VI', VIRGINIA: 'VA',
    WASHINGTON: 'WA', 'WEST VIRGINIA': 'WV', WISCONSIN: 'WI', WYOMING: 'WY',
  },
};

// Characters that lose nothing when written another way. Everything else outside the
// printable capitals (codes 32 to 90, which the data file stores as themselves) is dropped.
const SUBSTITUTES = {
  '\u2018': "'", '\u2019': "'", '\u201C': '"', '\u201D': '"', '\u2013': '-', '\u2014': '-',
  '\u00C6': 'AE', '\u0152': 'OE', '\u00D8': 'O', '\u0141': 'L', '\u0110': 'D', '\u00D0': 'D',
  '\u00DE': 'TH', '[': '(', ']': ')', '{': '(', '}': ')', '_': ' ', '|': '/', ';': ',',
};

// ASCII capitals: accents removed, ";" as ",", blanks collapsed.
function plainCapitals(text) {
  const upper = text.normalize('NFD').replace(/\p{M}/gu, '').toUpperCase();
  let out = '';
  for (const c of upper) {
    const s = SUBSTITUTES[c] ?? c;
    out += /\s/.test(s) ? ' ' : s.replace(/[^\x20-\x5A]/g, '');
  }
  return out.replace(/ +/g, ' ').trim();
}

// Records of a CSV text (quotes, doubled quotes, CRLF or LF, a leading BOM).
function parseCsv(text) {
  const records = [];
  let record = [], field = '', quoted = false;
  const src = text.replace(/^\uFEFF/, '');
  for (let i = 0; i < src.length; i++) {
    const c = src[i];
    if (quoted) {
      if (c === '"' && src[i + 1] === '"') { field += '"'; i++; }
      else if (c === '"') quoted = false;
      else field += c;
    } else if (c === '"') quoted = true;
    else if (c === ',') { record.push(field); field = ''; }
    else if (c === '\n' || c === '\r') {
      if (c === '\r' && src[i + 1] === '\n') i++;
      record.push(field); field = '';
      if (record.length > 1 || record[0] !== '') records.push(record);
      record = [];
    } else field += c;
  }
  record.push(field);
  if (record.length > 1 || record[0] !== '') records.push(record);
  return records;
}

function csvField(text) {
  return /[",\r\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}

// Whole degrees, west positive, from the model's declination (east positive, in the
// hundredths of a degree magvar gives), halves rounded towards west.
function variationWestDeg(latDeg, lonDeg, epoch) {
  const declinationDeg = calculateMagVarForDecimalYear(epoch, latDeg, lonDeg, 0);
  return Math.round(-declinationDeg) + 0;  // + 0 turns -0 into 0
}

// The list from the airportsdata text. Returns { aerodromes, leftOut, problems }:
// leftOut names the entries the rules leave out on purpose (east longitudes, and a count
// of US entries without a three-character identifier); problems are entries the rules
// cannot place, and a list is only usable when there are none.
function convert(airportsText, epoch) {
  const records = parseCsv(airportsText);
  const problems = [], leftOut = [], aerodromes = [];
  const header = (records.shift() || []).map((h) => h.trim().toLowerCase());
  const col = {};
  for (const name of ['icao', 'name', 'city', 'subd', 'country', 'lat', 'lon', 'lid']) {
    col[name] = header.indexOf(name);
    if (col[name] < 0) problems.push(`the airportsdata list has no "${name}" column`);
  }
  if (problems.length) return { aerodromes, leftOut, problems };

  let noFaaIdent = 0;
  const seen = new Set();
  records.forEach((r, i) => {
    const get = (name) => (r[col[name]] ?? '').trim();
    const country = get('country').toUpperCase();
    if (country !== 'CA' && country !== 'US') return;
    const where = `line ${i + 2} (${get('icao')} ${get('name')})`;
    const ident = (country === 'CA' ? get('icao') : get('lid')).toUpperCase();
    if (country === 'US' && !/^[A-Z0-9]{3}$/.test(ident)) { noFaaIdent++; return; }
    if (country === 'CA' && !/^[A-Z0-9]{4}$/.test(ident)) {
      leftOut.push(`${get('icao')} ${get('name')}: no ICAO or Transport Canada identifier`);
      return;
    }
    const latDeg = Number(get('lat')), lonDeg = Number(get('lon'));
    if (get('lat') === '' || get('lon') === '' || !(Math.abs(latDeg) <= 90) ||
        !(Math.abs(lonDeg) <= 180)) {
      problems.push(`${where}: position "${get('lat')}", "${get('lon')}" is not a position`);
      return;
    }
    if (lonDeg >= 0) {
      leftOut.push(`${ident} ${get('name')}: east longitude ${get('lon')}`);
      return;
    }
    const subd = plainCapitals(get('subd'));
    const region = REGIONS[country][subd] ??
        (Object.values(REGIONS[country]).includes(subd) ? subd : undefined);
    if (!region) problems.push(`${where}: no region code for subdivision "${get('subd')}"`);
    const name = plainCapitals(get('name'));
    if (!name) problems.push(`${where}: no name`);
    if (seen.has(ident)) problems.push(`${where}: identifier ${ident} appears twice`);
    seen.add(ident);
    if (!region || !name) return;
    const lat = latDeg.toFixed(6), lon = lonDeg.toFixed(6);
    aerodromes.push({
      ident, name, city: plainCapitals(get('city')), region, country, lat, lon,
      variationWest: variationWestDeg(Number(lat), Number(lon), epoch),
    });
  });
  if (noFaaIdent)
    leftOut.push(`US entries without a three-character FAA identifier: ${noFaaIdent}`);
  if (aerodromes.length > MAX_RECORDS)
    problems.push(`${aerodromes.length} aerodromes: the program reads at most ${MAX_RECORDS}`);
  if (!problems.length && !aerodromes.length) problems.push('no Canadian or US aerodrome found');

  const byte = (a, b) => (a < b ? -1 : a > b ? 1 : 0);
  aerodromes.sort((a, b) => byte(a.country === 'CA' ? 0 : 1, b.country === 'CA' ? 0 : 1) ||
      byte(a.name, b.name) || byte(a.ident, b.ident));
  return { aerodromes, leftOut, problems };
}

function formatList(aerodromes) {
  const lines = aerodromes.map((a) => [a.ident, a.name, a.city, a.region, a.country, a.lat,
    a.lon, String(a.variationWest)].map(csvField).join(','));
  return [HEADER, ...lines].join('\n') + '\n';
}

// The records of an aerodrome list text; throws on a line that is not a record.
function parseList(text) {
  const records = parseCsv(text);
  if (!records.length || records[0].join(',') !== HEADER)
    throw new Error(`the first line is not: ${HEADER}`);
  return records.slice(1).map((r, i) => {
    if (r.length !== 8 || !/^-?\d+$/.test(r[7])) throw new Error(`line ${i + 2} is not a record`);
    const [ident, name, city, region, country, lat, lon] = r;
    return { ident, name, city, region, country, lat, lon, variationWest: Number(r[7]) };
  });
}

function distanceNm(a, b) {
  const rad = Math.PI / 180;
  const dLat = (b.lat - a.lat) * rad, dLon = (b.lon - a.lon) * rad;
  const h = Math.sin(dLat / 2) ** 2 +
      Math.cos(a.lat * rad) * Math.cos(b.lat * rad) * Math.sin(dLon / 2) ** 2;
  return 2 * 3440.065 * Math.asin(Math.min(1, Math.sqrt(h)));
}

function variationText(west) {
  return west > 0 ? `${west}W` : west < 0 ? `${-west}E` : '0';
}

// What changed between two lists, as lines to print.
function describeChanges(before, after) {
  const old = new Map(before.map((a) => [a.ident, a]));
  const now = new Map(after.map((a) => [a.ident, a]));
  const place = (a) => `${a.name}, ${a.city ? a.city + ', ' : ''}${a.region}`;
  const sections = { added: [], removed: [], moved: [], 'variation changed': [], renamed: [] };
  for (const a of after) {
    const b = old.get(a.ident);
    if (!b) { sections.added.push(`${a.ident}  ${place(a)}`); continue; }
    if (a.lat !== b.lat || a.lon !== b.lon) {
      const nm = distanceNm({ lat: +b.lat, lon: +b.lon }, { lat: +a.lat, lon: +a.lon });
      sections.moved.push(
          `${a.ident}  ${nm.toFixed(2)} NM  ${b.lat},${b.lon} -> ${a.lat},${a.lon}`);
    }
    if (a.variationWest !== b.variationWest)
      sections['variation changed'].push(
          `${a.ident}  ${variationText(b.variationWest)} -> ${variationText(a.variationWest)}`);
    if (place(a) !== place(b)) sections.renamed.push(`${a.ident}  ${place(b)} -> ${place(a)}`);
  }
  for (const b of before) if (!now.has(b.ident)) sections.removed.push(`${b.ident}  ${place(b)}`);

  const lines = [`aerodromes: ${before.length} before, ${after.length} now`];
  for (const [title, items] of Object.entries(sections)) {
    lines.push(`${title}: ${items.length}`);
    for (const item of items) lines.push(`  ${item}`);
  }
  return lines;
}

// The epoch as a decimal year from "2028", "2028.5" or "2028-01-01". Throws when it is
// none of these or lies outside the years the model covers.
function parseEpoch(text) {
  let epoch = NaN;
  const date = /^(\d{4})-(\d{2})-(\d{2})$/.exec(text);
  if (date) {
    const [y, month, day] = date.slice(1).map(Number);
    const at = new Date(Date.UTC(y, month - 1, day));
    if (at.getUTCMonth() === month - 1 && at.getUTCDate() === day)
      epoch = y + (at - Date.UTC(y, 0, 1)) / (Date.UTC(y + 1, 0, 1) - Date.UTC(y, 0, 1));
  } else if (/^\d{4}(\.\d+)?$/.test(text)) {
    epoch = Number(text);
  }
  if (Number.isNaN(epoch)) throw new Error(`"${text}" is not an epoch (2028.0 or 2028-01-01)`);
  if (epoch < MODEL_EPOCH || epoch >= MODEL_VALID_UNTIL)
    throw new Error(`epoch ${text} is outside ${MODEL_EPOCH.toFixed(1)} to ` +
        `${MODEL_VALID_UNTIL.toFixed(1)}, the years of the World Magnetic Model 2025: ` +
        'a later model (a newer magvar) is needed');
  return epoch;
}

// 1 January of the year after the given date.
function defaultEpoch(now) {
  return now.getUTCFullYear() + 1;
}

function epochText(epoch) {
  return Number.isInteger(epoch) ? epoch.toFixed(1) : String(epoch);
}

// SOURCES.md states the record count and the epoch of the variation column.
function epochFromSources(text) {
  const m = /epoch (\d{4}(?:\.\d+)?)/.exec(text);
  return m ? Number(m[1]) : NaN;
}
function countFromSources(text) {
  const m = /([\d,]+) records/.exec(text);
  return m ? Number(m[1].replace(/,/g, '')) : NaN;
}
function updateSources(text, count, epoch) {
  return text.replace(/[\d,]+ records/, `${count.toLocaleString('en-US')} records`)
      .replace(/epoch \d{4}(\.\d+)?/g, `epoch ${epochText(epoch)}`);
}

module.exports = {
  HEADER, plainCapitals, parseCsv, variationWestDeg, convert, formatList, parseList,
  describeChanges, parseEpoch, defaultEpoch, epochText, epochFromSources, countFromSources,
  updateSources,
};
