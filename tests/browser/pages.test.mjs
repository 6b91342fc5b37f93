// Opens the pages kelvane-export writes in a real browser (Debian's Chromium, headless)
// and reads them back through the DOM: the viewer must receive exactly the record, and
// nothing in a record, name or colour may run a script or add an element to the page.
//
// KELVANE_EXPORT names the kelvane-export to run (default: build/cli/kelvane-export).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const here = dirname(fileURLToPath(import.meta.url));
const exporter = process.env.KELVANE_EXPORT ?? resolve(here, '../../build/cli/kelvane-export');
const records = resolve(here, '../data/sgf');

const applets = {
  english: { codebase: 'Quorin', code: 'Tavlio.Tavlio.class', width: '399', height: '492' },
  japanese: { codebase: 'Quorin', code: 'Tavlio.TavlioJpn.class', width: '399', height: '545' },
};

let browser;
let site;

before(async () => {
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  site = mkdtempSync(join(tmpdir(), 'kelvane-browser-'));
  mkdirSync(join(site, 'HTML/TavlioEng'), { recursive: true });
  mkdirSync(join(site, 'HTML/TavlioJpn'), { recursive: true });
});

after(async () => {
  await browser?.close();
  if (site) rmSync(site, { recursive: true, force: true });
});

// Names and colours reach kelvane-export as UTF-8 bytes, as node passes arguments.
async function check({ name, colour = 'f8e0e0', record, language }) {
  execFileSync(exporter, ['--name', name, '--colour', colour, '--language', language], { cwd: site, input: record });
  const folder = language === 'english' ? 'TavlioEng' : 'TavlioJpn';
  const base = name.split('.')[0];
  const file = join(site, 'HTML', folder, `${base}.htm`);

  const page = await browser.newPage();
  const dialogs = [];
  page.on('dialog', async (dialog) => { dialogs.push(dialog.message()); await dialog.dismiss(); });
  try {
    await page.goto(pathToFileURL(file).href);
    // The expected texts are decoded in the page, in the character set the browser chose
    // for it: what the HTML parser makes of raw bytes in an attribute value (CR LF and a
    // lone CR become LF, NUL becomes U+FFFD), and the title with its white space collapsed.
    const inputs = { name: [...Buffer.from(base)], colour: [...Buffer.from(colour)], record: [...record] };
    const dom = await page.evaluate((bytes) => {
      const decode = (b) => new TextDecoder(document.characterSet).decode(new Uint8Array(b));
      const asParsed = (b) => decode(b).replace(/\r\n?/g, '\n').replace(/\0/g, '\uFFFD');
      return {
        expected: {
          title: decode(bytes.name).replace(/[\t\n\f\r ]+/g, ' ').trim(),
          bgcolor: '#' + asParsed(bytes.colour),
          moves: '\n' + asParsed(bytes.record) + '\n',
        },
        charset: document.characterSet,
        title: document.title,
        tags: [...document.querySelectorAll('*')].map((e) => e.tagName),
        bgcolor: document.body.getAttribute('bgcolor'),
        bodyAttributes: document.body.getAttributeNames(),
        applets: [...document.getElementsByTagName('applet')].map((a) => ({
          codebase: a.getAttribute('codebase'), code: a.getAttribute('code'),
          width: a.getAttribute('width'), height: a.getAttribute('height'),
        })),
        params: [...document.getElementsByTagName('param')].map((p) => ({
          name: p.getAttribute('name'), value: p.getAttribute('value'),
        })),
        smuggled: window.smuggled ?? null,
      };
    }, inputs);

    assert.deepEqual(dom.tags, ['HTML', 'HEAD', 'TITLE', 'BODY', 'CENTER', 'APPLET', 'PARAM']);
    assert.equal(dom.smuggled, null, 'a smuggled script ran');
    assert.deepEqual(dialogs, [], 'a smuggled script ran');
    assert.equal(dom.title, dom.expected.title);
    assert.deepEqual(dom.bodyAttributes, ['bgcolor', 'topmargin', 'marginheight']);
    assert.equal(dom.bgcolor, dom.expected.bgcolor);
    assert.deepEqual(dom.applets, [applets[language]]);
    assert.equal(dom.params.length, 1);
    assert.equal(dom.params[0].name, 'moves');
    // The value's opening and closing line breaks are the page's own.
    assert.equal(dom.params[0].value, dom.expected.moves);
    return dom.charset;
  } finally {
    await page.close();
  }
}

for (const [i, file] of readdirSync(records).filter((f) => f.endsWith('.sgf')).sort().entries()) {
  test(`record ${file}`, async (t) => {
    const charset = await check({
      name: file, record: readFileSync(join(records, file)), language: i % 2 ? 'japanese' : 'english',
    });
    t.diagnostic(`read as ${charset}`);
  });
}

const hostile = [
  '(;C["quoted" comment])',
  '(;C[a & b; &amp; written out; &lt;b&gt;])',
  '(;C[<b>bold</b>])',
  '(;C[</APPLET></CENTER><script>window.smuggled = 1</script>])',
  '(;C["><script>window.smuggled = 2</script>])',
  '(;C[<script>alert(3)</script>])',
  '(;C[" onmouseover="window.smuggled = 4" x="])',
  '(;C[line\r\nbreaks\rof\nevery kind\0and a NUL])',
];

for (const [i, text] of hostile.entries()) {
  test(`hostile record ${i + 1}`, async () => {
    await check({ name: `hostile${i + 1}`, record: Buffer.from(text, 'latin1'), language: i % 2 ? 'japanese' : 'english' });
  });
}

const hostileNames = ['a"b&c<d>e', '&amp;', '"><script>window.smuggled = 5<', '<script>alert(6)<', 'caf\u00e9 \u65e5\u672c'];
for (const [i, name] of hostileNames.entries()) {
  test(`hostile name ${i + 1}`, async () => {
    await check({ name, record: Buffer.from('(;GM[1])'), language: 'english' });
  });
}

const hostileColours = ['"><script>window.smuggled = 7</script>', '&amp;', '" onload="window.smuggled = 8', '<>'];
for (const [i, colour] of hostileColours.entries()) {
  test(`hostile colour ${i + 1}`, async () => {
    await check({ name: `colour${i + 1}`, colour, record: Buffer.from('(;GM[1])'), language: 'japanese' });
  });
}
