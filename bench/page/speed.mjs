// How fast the page answers on large documents, measured in headless chromium against the
// real guides-host --serve (numbers printed, nothing asserted about time: the machine's load
// decides them):
//   1. 100 artboards x 100 columns x 100 rows with the same guides on every artboard (40,000
//      guides): from a press of the columns' plus or minus button to the new guides painted,
//      read from the page's performance marks, with the page's own share (the frame got, the
//      guides painted); every column moves at each press, then, with the columns' width
//      fixed, one column comes or goes on each artboard; both also as ratios to the same
//      press on the default layout's 8 guides, measured first in the same run;
//   2. hover over 10,000 and over 100,000 objects: bursts of mouse moves, the moves the page
//      sent and the host served, and the time from the last move of a burst to the right
//      cursor shown.
//   node bench/page/speed.mjs BUILD_DIR [PRESSES [guides|hover]]
// It drives chromium with the browser tests' helpers and their playwright-core.
import assert from 'node:assert/strict';
import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {browserPath, chromium, pageState, startHost, stopHost} from '../../tests/browser/host.mjs';

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[sorted.length >> 1];
}

const [buildDir, pressCount = '20'] = process.argv.slice(2);
const only = process.argv[4];  // 'guides' or 'hover': one measure alone
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

// One artboard and the default set's guides.
const defaultLayout = ['document new 210 297 unit mm', 'tool Outil Guides', 'click 50 50'].join('\n');

// Columns x rows of squares of 20 points, 60 apart (farther than the tool's hit test
// reaches), on one large artboard.
const artboardHeight = (rows) => rows * 60;
function manyObjects(columns, rows) {
  const lines = [`document new ${columns * 60} ${artboardHeight(rows)} unit pt`];
  for (let row = 0; row < rows; ++row)
    for (let column = 0; column < columns; ++column) {
      const left = 10 + column * 60, top = artboardHeight(rows) - 10 - row * 60;
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

// Times the page's own share of each new frame: getting it (the changes applied, or the whole
// frame fetched and decoded) and painting it.
async function probeGuides(page) {
  await page.evaluate(() => {
    const view = window.guidesPage.view, connection = view.connection;
    const probe = window.guidesProbe = {frame: [], paint: []};
    const timed = (object, name, into) => {
      const original = object[name].bind(object);
      object[name] = (...args) => {
        const started = performance.now();
        const result = original(...args);
        if (result instanceof Promise) return result.finally(() => into.push(performance.now() - started));
        into.push(performance.now() - started);
        return result;
      };
    };
    timed(connection, 'guidesOf', probe.frame);
    timed(view, 'drawGuides', probe.paint);
  });
}

// Presses of the columns' plus and minus buttons in turn; the times from the page's marks.
async function columnPresses(page, what) {
  const state = pageState(page);
  const presses = Number(pressCount);
  const before = (await page.evaluate(() => window.guidesPage.latencies)).length;
  await page.evaluate(() => { window.guidesProbe.frame.length = 0; window.guidesProbe.paint.length = 0; });
  for (let i = 0; i < presses; ++i) {
    const count = await state.read('guides.count');
    await page.locator(i % 2 ? '#PANstepMoinsNbrColonnes' : '#PANstepPlusNbrColonnes').click();
    await page.waitForFunction((n) => window.guidesPage.state.guides.count !== n, count);
  }
  const times = (await page.evaluate(() => window.guidesPage.latencies)).slice(before)
      .filter((l) => l.kind === 'button').map((l) => l.ms);
  assert.equal(times.length, presses);
  console.log(`speed: ${what}, press to guides painted: median ${median(times).toFixed(1)} ms, ` +
              `best ${Math.min(...times).toFixed(1)}, worst ${Math.max(...times).toFixed(1)} over ${times.length} presses`);
  const probe = await page.evaluate(() => window.guidesProbe);
  console.log(`speed:   in the page, median: frame read or applied ${median(probe.frame).toFixed(1)} ms, ` +
              `guides painted ${median(probe.paint).toFixed(1)} ms`);
  return median(times);
}

// The baseline of the same run: a press on the default layout's 8 guides, what the click,
// the request, the host's event and the paint cost with next to no guides.
let pressFloor = null;
async function defaultLayoutPresses(page) {
  await page.waitForFunction(() => window.guidesPage.state.guides?.count >= 8);
  await probeGuides(page);
  pressFloor = await columnPresses(page, 'the default layout (8 guides)');
}

function againstFloor(ms) {
  return pressFloor ? `, ${(ms / pressFloor).toFixed(2)} times a press on 8 guides` : '';
}

async function largeLayoutPresses(page) {
  const state = pageState(page);
  await page.waitForFunction(() => window.guidesPage.state.guides?.count >= 40000);
  await probeGuides(page);
  console.log(`speed: ${await state.read('document.artboards.length')} artboards, ${await state.read('guides.count')} guides`);
  const everyColumn = await columnPresses(page, '40,000 guides, every column moves');
  // Columns of a fixed width: a step adds or takes the last column of each artboard.
  const count = await state.read('guides.count');
  const frame = await state.read('guides.frame');
  await page.evaluate(() => window.guidesPage.send({type: 'uiType', control: 'PANzoneLargeurColonne', text: '1'}));
  await page.waitForFunction((f) => window.guidesPage.state.guides.frame !== f, frame);
  assert.equal(await state.read('guides.count'), count);
  const oneColumn = await columnPresses(page, '40,000 guides, one column comes or goes');
  console.log(`speed: 40,000 guides against the baseline: every column${againstFloor(everyColumn)}; ` +
              `one column${againstFloor(oneColumn)}`);
}

const hoverBursts = (columns, rows) => async (page) => {
  const objects = columns * rows;
  await page.waitForFunction((n) => (window.guidesPage.state.document.art?.length ?? 0) >= n, objects);
  // At 100 % the hover test reaches 4 points around the cursor: the gaps between objects are
  // wider, so each point is over an object or plainly not.
  await page.evaluate(() => window.guidesPage.send({type: 'zoom', factor: 1}));
  await page.waitForFunction(() => window.guidesPage.state.document.view.zoom === 1);
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
  const top = artboardHeight(rows);
  const centreOf = (row, column) => at(20 + column * 60, top - 20 - row * 60);
  const between = (row, column) => at(50 + column * 60, top - 50 - row * 60);
  // The view is around the artboard's centre.
  const middleRow = Math.floor(rows / 2) - 2, middleColumn = Math.floor(columns / 2) - 2;
  const overObject = await settle(centreOf(middleRow, middleColumn));
  const overNothing = await settle(between(middleRow, middleColumn));
  assert.notEqual(overObject, overNothing);

  const bursts = 20, movesPerBurst = 50;
  const delays = [];
  let sentBefore = await page.evaluate(() => window.guidesPage.sent);
  let sentInBursts = 0;
  for (let b = 0; b < bursts; ++b) {
    // A burst of moves, then at once one more move that changes the cursor: the time from that
    // last move to its cursor shown says whether moves pile up behind the burst.
    const endsOverObject = b % 2 === 0;
    const row = middleRow - 3 + b % 5, column = middleColumn - 3 + b % 7;  // around the view's centre
    const from = between(row + 3, column + 5);
    const near = endsOverObject ? between(row, column) : centreOf(row, column);
    const to = endsOverObject ? centreOf(row, column) : between(row, column);
    const expected = endsOverObject ? overObject : overNothing;
    await page.mouse.move(...from);
    await page.waitForTimeout(200);
    await page.mouse.move(...near, {steps: movesPerBurst});
    await page.evaluate(() => { window.hoverProbe.changes = []; });
    await page.mouse.move(...to);
    await page.waitForFunction((c) => document.getElementById('documentCanvas').dataset.cursor === c, expected);
    await page.waitForTimeout(300);  // no stale cursor comes after the right one
    assert.equal(await canvas.getAttribute('data-cursor'), expected);
    // When the burst's own last cursor had not come yet, the last move replaced it and the
    // cursor never changed: nothing to time for that burst.
    const probe = await page.evaluate(() => window.hoverProbe);
    const shown = probe.changes.filter((c) => c.cursor === expected).at(-1);
    if (shown) delays.push(shown.at - probe.lastMove);
    const sent = await page.evaluate(() => window.guidesPage.sent);
    sentInBursts += sent - sentBefore;
    sentBefore = sent;
  }
  assert.ok(delays.length >= bursts / 2, `${delays.length} bursts timed`);
  console.log(`speed: hover over ${objects.toLocaleString('en')} objects, ${bursts} bursts of ${movesPerBurst} moves and one that changes the cursor: ` +
              `${sentInBursts} moves sent to the host (${(sentInBursts / bursts).toFixed(1)} a burst), ` +
              `last move to the right cursor: median ${median(delays).toFixed(1)} ms, worst ${Math.max(...delays).toFixed(1)} ms ` +
              `over ${delays.length} bursts`);
};

if (only !== 'hover') await withPage(defaultLayout, defaultLayoutPresses);
if (only !== 'hover') await withPage(largeLayout, largeLayoutPresses);
if (only !== 'guides') await withPage(manyObjects(100, 100), hoverBursts(100, 100));
if (only !== 'guides') await withPage(manyObjects(400, 250), hoverBursts(400, 250));
console.log('speed: done');
