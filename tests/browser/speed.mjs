// How fast the page answers on large documents, measured in headless chromium against the
// real guides-host --serve (numbers printed, nothing asserted about time: the machine's load
// decides them):
//   1. 100 artboards x 100 columns x 100 rows with the same guides on every artboard (40,000
//      guides): from a press of the columns' plus or minus button to the new guides painted,
//      read from the page's performance marks;
//   2. hover over 10,000 objects: bursts of mouse moves, the moves the page sent and the host
//      served, and the time from the last move of a burst to the right cursor shown.
//   node speed.mjs BUILD_DIR [PRESSES]
import assert from 'node:assert/strict';
import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {chromium} from 'playwright-core';
import {browserPath, median, pageState, startHost, stopHost} from './host.mjs';

const [buildDir, pressCount = '20'] = process.argv.slice(2);
if (!browserPath) {
  console.log('speed: SKIPPED (chromium is not installed; ./guides setup installs it)');
  process.exit(0);
}

// The session script each measure starts the host with.
const largeLayout = [
  'document new 100 100 artboards 100 unit mm',
  'tool Outil Guides',
  'flyout 3',                        // Preferences
  'ui click PREtousLesPlans',        // the same guides on every artboard
  'key return',
  'ui type PANzoneNbrColonnes 100',
  'ui type PANzoneNbrLignes 100',
  'click 50 50',
].join('\n');

// 100 x 100 squares of 20 points, 60 apart (farther than the tool's hit test reaches), on one
// large artboard.
function manyObjects() {
  const lines = ['document new 6000 6000 unit pt'];
  for (let row = 0; row < 100; ++row)
    for (let column = 0; column < 100; ++column) {
      const left = 10 + column * 60, top = 5990 - row * 60;
      lines.push(`rect ${left} ${top} ${left + 20} ${top - 20}`);
    }
  lines.push('tool Outil Guides');
  return lines.join('\n');
}

async function withPage(script, body) {
  const folder = mkdtempSync(join(tmpdir(), 'guides-speed-'));
  writeFileSync(join(folder, 'start.session'), `${script}\n`);
  const {child, address} = await startHost(buildDir, folder, join(folder, 'start.session'));
  const browser = await chromium.launch({executablePath: browserPath, headless: true, args: ['--no-sandbox']});
  try {
    const page = await browser.newPage({viewport: {width: 1500, height: 950}});
    page.setDefaultTimeout(60000);
    await page.goto(address);
    await page.waitForFunction(() => window.guidesPage?.state?.panels !== undefined);
    await body(page);
  } finally {
    await browser.close();
    assert.equal(await stopHost(child), 0);
    rmSync(folder, {recursive: true, force: true});
  }
}

async function largeLayoutPresses(page) {
  const state = pageState(page);
  await page.waitForFunction(() => window.guidesPage.state.guides?.count >= 40000);
  console.log(`speed: ${await state.read('document.artboards.length')} artboards, ${await state.read('guides.count')} guides`);
  const presses = Number(pressCount);
  for (let i = 0; i < presses; ++i) {
    const before = await state.read('guides.count');
    await page.locator(i % 2 ? '#PANstepMoinsNbrColonnes' : '#PANstepPlusNbrColonnes').click();
    await page.waitForFunction((n) => window.guidesPage.state.guides.count !== n, before);
  }
  const times = (await page.evaluate(() => window.guidesPage.latencies)).filter((l) => l.kind === 'button').map((l) => l.ms);
  assert.equal(times.length, presses);
  console.log(`speed: 40,000 guides, press to guides painted: median ${median(times).toFixed(1)} ms, ` +
              `best ${Math.min(...times).toFixed(1)}, worst ${Math.max(...times).toFixed(1)} over ${times.length} presses`);
}

async function hoverBursts(page) {
  await page.waitForFunction(() => (window.guidesPage.state.document.art?.length ?? 0) >= 10000);
  const canvas = page.locator('#documentCanvas');
  const box = await canvas.boundingBox();
  // The page's own view pixels of an artwork point, from its view.
  const pixel = await page.evaluate(() => {
    const view = window.guidesPage.state.document.view;
    return {zoom: view.zoom, h: view.centre[0], v: view.centre[1]};
  });
  const at = (h, v) => [box.x + ((h - pixel.h) * pixel.zoom + 500) * box.width / 1000,
                        box.y + ((pixel.v - v) * pixel.zoom + 400) * box.height / 800];
  await page.evaluate(() => {
    const canvas = document.getElementById('documentCanvas');
    window.hoverProbe = {lastMove: 0, changes: []};
    canvas.addEventListener('mousemove', () => { window.hoverProbe.lastMove = performance.now(); });
    new MutationObserver(() => window.hoverProbe.changes.push({at: performance.now(), cursor: canvas.dataset.cursor}))
        .observe(canvas, {attributes: true, attributeFilter: ['data-cursor']});
  });
  // The cursor over an object and over the canvas between them, settled.
  const settle = async (point) => {
    await page.mouse.move(...point);
    await page.waitForTimeout(400);
    return canvas.getAttribute('data-cursor');
  };
  const centreOf = (row, column) => at(20 + column * 60, 5980 - row * 60);
  const between = (row, column) => at(50 + column * 60, 5950 - row * 60);
  const overObject = await settle(centreOf(50, 50));
  const overNothing = await settle(between(50, 50));
  assert.notEqual(overObject, overNothing);

  const bursts = 20, movesPerBurst = 50;
  const delays = [];
  let sentBefore = await page.evaluate(() => window.guidesPage.sent);
  let sentInBursts = 0;
  for (let b = 0; b < bursts; ++b) {
    const endsOverObject = b % 2 === 0;
    const row = 10 + b * 3, column = 10 + b * 3;
    const from = between(row + 10, column + 20);
    const to = endsOverObject ? centreOf(row, column) : between(row, column);
    const expected = endsOverObject ? overObject : overNothing;
    await page.mouse.move(...from);
    await page.evaluate(() => { window.hoverProbe.changes = []; });
    await page.mouse.move(...to, {steps: movesPerBurst});
    await page.waitForFunction((c) => document.getElementById('documentCanvas').dataset.cursor === c, expected);
    await page.waitForTimeout(300);  // no stale cursor comes after the right one
    assert.equal(await canvas.getAttribute('data-cursor'), expected);
    const probe = await page.evaluate(() => window.hoverProbe);
    const shown = probe.changes.filter((c) => c.cursor === expected).at(-1);
    delays.push(Math.max(0, shown.at - probe.lastMove));
    const sent = await page.evaluate(() => window.guidesPage.sent);
    sentInBursts += sent - sentBefore;
    sentBefore = sent;
  }
  console.log(`speed: hover over 10,000 objects, ${bursts} bursts of ${movesPerBurst + 1} moves: ` +
              `${sentInBursts} moves sent to the host (${(sentInBursts / bursts).toFixed(1)} a burst), ` +
              `last move to the right cursor: median ${median(delays).toFixed(1)} ms, worst ${Math.max(...delays).toFixed(1)} ms`);
}

await withPage(largeLayout, largeLayoutPresses);
await withPage(manyObjects(), hoverBursts);
console.log('speed: done');
