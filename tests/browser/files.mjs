// The road of a designer's own SVG file in headless chromium, against the real
// guides-host --serve: an example of Inkscape's opened through File > Open, a click of
// "Outil Guides" inside one of its objects, a stepper pressed, the file saved (downloaded),
// and its guides read by inkex, Inkscape's own Python library. Writes the page's screenshot
// to the path given as second argument.
//   node files.mjs BUILD_DIR [SCREENSHOT.png]
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {existsSync, statSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {chooseMenu, pageState, pixelOf, pointsOf, road, step} from './host.mjs';

const EXAMPLE = '/usr/share/inkscape/examples/gradient.svg';
const INKEX_GUIDES = join(dirname(fileURLToPath(import.meta.url)), 'inkex_guides.py');
const [buildDir, screenshot] = process.argv.slice(2);

// The guides the page holds, as host lines: each two-point guide's point and unit normal.
const hostLines = (guides) => pointsOf(guides).map(([x1, y1, x2, y2]) => {
  const length = Math.hypot(x2 - x1, y2 - y1);
  return [x1, y1, -(y2 - y1) / length, (x2 - x1) / length];
});

function sameLine([x, y, nx, ny], [u, v, mx, my]) {
  return Math.abs(nx * my - ny * mx) < 1e-9 && Math.abs((u - x) * nx + (v - y) * ny) < 1e-3;
}

await road('browser files road', buildDir, async ({folder, address, open}) => {
  const page = await open();
  const state = pageState(page);
  await page.goto(address);
  await page.locator('[data-tool="Outil Guides"]').waitFor();

  let object;
  await step('File > Open… opens the example as a new document, drawn by the browser', async () => {
    const chooser = page.waitForEvent('filechooser');
    await chooseMenu(page, 'Fichier', 'Ouvrir…');
    await (await chooser).setFiles(EXAMPLE);
    await page.waitForFunction(() => window.guidesPage.state.document?.name === 'gradient.svg');
    const picture = await state.read('document.picture');
    assert.ok(picture?.url, 'the file is drawn as a picture');
    const answer = await page.request.get(new URL(picture.url, address).href);
    assert.equal(answer.headers()['content-type'], 'image/svg+xml');
    const art = (await state.read('document.art')).filter((a) => a.file);
    assert.ok(art.length > 10, `the file's objects are art (${art.length})`);
    // The object read from the file with the longest shorter side (a gear) among those whose
    // centre no object above covers (art comes back to front): the click hits that one. Its
    // bounds are its outline's first and third points.
    const boxes = art.map(({p}) => ({left: p[0], top: p[1], right: p[4], bottom: p[5]}));
    const side = (b) => Math.min(b.right - b.left, b.top - b.bottom);
    const covers = (b, x, y) => x >= b.left && x <= b.right && y <= b.top && y >= b.bottom;
    const free = boxes.filter((b, i) => !boxes.slice(i + 1).some((above) =>
      covers(above, (b.left + b.right) / 2, (b.top + b.bottom) / 2)));
    object = free.reduce((a, b) => (side(b) > side(a) ? b : a));
  });

  let guides;
  await step('"Outil Guides" and a click inside an object lay its guides out, a stepper again at once', async () => {
    await page.locator('[data-tool="Outil Guides"]').click();
    await page.mouse.click(...await pixelOf(page, (object.left + object.right) / 2, (object.top + object.bottom) / 2));
    await page.waitForFunction(() => window.guidesPage.state.guides?.count > 0);
    const before = await state.read('guides.count');
    await page.locator('#PANstepPlusNbrColonnes').click();
    await page.waitForFunction((n) => window.guidesPage.state.guides.count !== n, before);
    guides = await state.read('guides');
    if (screenshot) await page.screenshot({path: screenshot});
  });

  await step('File > Save as… downloads the file; inkex reads the guides where the host laid them', async () => {
    const download = page.waitForEvent('download');
    await chooseMenu(page, 'Fichier', 'Enregistrer sous…');
    const file = join(folder, 'saved.svg');
    await (await download).saveAs(file);
    assert.ok(statSync(file).size > statSync(EXAMPLE).size);
    let read;
    try {
      read = JSON.parse(execFileSync('/usr/bin/python3', [INKEX_GUIDES, file], {encoding: 'utf8'}));
    } catch (error) {
      if (error.status === 77) return console.log(`browser files road: inkex SKIPPED (${error.stdout.trim()})`);
      throw error;
    }
    const laid = hostLines(guides);
    const distinct = laid.filter((line, i) => !laid.slice(0, i).some((other) => sameLine(line, other)));
    for (const line of distinct) assert.ok(read.some((other) => sameLine(line, other)), `no guide of the file on ${line}`);
    assert.equal(read.length, distinct.length, 'one guide per line laid');
  });
}, {skip: !existsSync(EXAMPLE) && `no ${EXAMPLE}`, contextOptions: {acceptDownloads: true}});
