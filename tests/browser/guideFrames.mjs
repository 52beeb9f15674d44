// Guides sent as they change: with 22,000 guides (too many to come whole in each message),
// two tabs and a reloaded one hold exactly the host's guides after each change, most changes
// arrive as changes and are applied to the frame held, a tab that fell behind reads the whole
// frame, and the guides painted tile by tile are the pixels a whole repaint gives. Changes
// made by hand show how they are applied to the frame held, and which are refused.
//   node guideFrames.mjs BUILD_DIR
import assert from 'node:assert/strict';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {road, step} from './host.mjs';

const [buildDir] = process.argv.slice(2);

// The page's guides against the host's whole frame read now: the same frame, the same
// guides in the same order, each with its group's name and its float32 points.
async function expectHostGuides(page, label) {
  const difference = await page.evaluate(async () => {
    const {decodeGuides, guidePoints} = await import('/assets/connection.js');
    const response = await fetch('/guides.bin', {credentials: 'same-origin'});
    const host = decodeGuides(await response.arrayBuffer());
    const held = window.guidesPage.state.guides;
    if (held.frame !== host.frame) return `frame ${held.frame}, the host's ${host.frame}`;
    if (held.count !== host.count || held.g.length !== host.count || held.start.length !== host.count + 1)
      return `${held.g.length} guides, the host's ${host.count}`;
    if (held.xy.length !== held.start[held.count]) return `${held.xy.length} coordinates for ${held.start[held.count]}`;
    for (let i = 0; i < host.count; ++i) {
      if (held.names[held.g[i]] !== host.names[host.g[i]]) return `guide ${i} in ${held.names[held.g[i]]}`;
      const a = guidePoints(held, i), b = guidePoints(host, i);
      if (a.length !== b.length || a.some((x, k) => !Object.is(x, b[k]))) return `guide ${i} at ${a}, the host's ${b}`;
    }
    return '';
  });
  assert.equal(difference, '', `${label}: the page holds the host's guides`);
}

// The guides' canvas as painted, against a repaint of every guide.
async function expectWholePaint(page, label) {
  const same = await page.evaluate(() => {
    const canvas = document.getElementById('guidesLayer');
    const pixels = () => canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const painted = pixels();
    const view = window.guidesPage.view;
    view.painted = null;
    view.draw(window.guidesPage.state, new Set(['guides']));
    const whole = pixels();
    let differing = 0;
    for (let i = 0; i < whole.length; ++i) differing += painted[i] !== whole[i];
    return differing;
  });
  assert.equal(same, 0, `${label}: the guides painted by tiles are those of a whole repaint`);
}

// What the page makes of a guides part carrying CHANGES to the frame it holds (HELD), both
// given as [name, [h, v, ...]] per guide with the header's fields: the guides it then holds,
// the points of those gone, and whether it applied the changes (else it read the host's
// whole frame at /guides.bin).
function received(page, held, changes) {
  return page.evaluate(async ({held, changes}) => {
    const {Connection, decodeGuides, guidePoints} = await import('/assets/connection.js');
    // The bytes of the host's GuideList.h: a whole frame, or changes when RUNS are given.
    const bytesOf = ({frame, base, names, count}, guides, runs) => {
      count ??= guides.length;
      const json = new TextEncoder().encode(JSON.stringify(runs ? {count, frame, base, names, added: guides.length, runs: runs.length}
        : {count, frame, names}));
      const words = [...(runs ?? []).flat(), ...guides.map(([name]) => names.indexOf(name)), ...guides.map(([, p]) => p.length / 2)];
      const points = guides.flatMap(([, p]) => p);
      const at = 4 + ((json.length + 3) & ~3);
      const buffer = new ArrayBuffer(at + 4 * (words.length + points.length));
      new Uint32Array(buffer, 0, 1)[0] = json.length;
      new Uint8Array(buffer, 4).set(json);
      new Uint32Array(buffer, at, words.length).set(words);
      new Float32Array(buffer, at + 4 * words.length).set(points);
      return buffer;
    };
    const listed = (guides) => Array.from({length: guides.count}, (_, i) => [guides.names?.[guides.g[i]], [...guidePoints(guides, i)]]);
    const connection = new Connection();
    connection.state.guides = decodeGuides(bytesOf(held, held.guides));
    const bytes = new Uint8Array(bytesOf(changes, changes.added, changes.runs));
    const guides = await connection.guidesOf({frame: changes.frame, base: changes.base, data: '/guides.bin',
      changes: btoa(String.fromCharCode(...bytes))});
    if (!guides.change) return {applied: false, frame: guides.frame};
    const points = ({xy, start, indexes}) => [...indexes].map((i) => [...xy.subarray(start[i], start[i + 1])]);
    return {applied: true, frame: guides.frame, guides: listed(guides), removed: points(guides.change.removed),
      added: points(guides.change.added)};
  }, {held, changes});
}

async function press(pages, button) {
  const frames = await Promise.all(pages.map((p) => p.evaluate(() => window.guidesPage.state.guides.frame)));
  await pages[0].locator(button).click();
  await Promise.all(pages.map((p, k) => p.waitForFunction((f) => window.guidesPage.state.guides.frame !== f, frames[k])));
}

await road('guide frames', buildDir, async ({address, open}) => {
  const pages = [await open(30000), await open(30000)];
  const second = pages[1];
  for (const page of pages) await page.goto(address);
  for (const page of pages) await page.waitForFunction(() => window.guidesPage?.state?.guides?.count === 22000);

  await step('changes are applied run by run, renaming the names held; those that do not fit are refused', async () => {
    const held = {frame: 1, names: ['a', 'b'], guides: [['a', [1, 2, 3, 4]], ['b', [5, 6]], ['a', [7, 8, 9, 10, 11, 12]]]};
    const NEW = 0xFFFFFFFF;
    const renamed = await received(pages[0], held, {frame: 2, base: 1, count: 3, names: ['c', 'b', 'a'],
      runs: [[2, 1], [NEW, 1], [0, 1]], added: [['c', [20, 21, 22, 23]]]});
    assert.deepEqual(renamed, {applied: true, frame: 2, removed: [[5, 6]], added: [[20, 21, 22, 23]],
      guides: [['a', [7, 8, 9, 10, 11, 12]], ['c', [20, 21, 22, 23]], ['a', [1, 2, 3, 4]]]});
    const named = await received(pages[0], held, {frame: 2, base: 1, count: 4, names: ['a', 'b', 'd'],
      runs: [[0, 2], [NEW, 2]], added: [['d', [30, 31]], ['a', []]]});
    assert.deepEqual(named, {applied: true, frame: 2, removed: [[7, 8, 9, 10, 11, 12]], added: [[30, 31], []],
      guides: [['a', [1, 2, 3, 4]], ['b', [5, 6]], ['d', [30, 31]], ['a', []]]});
    const host = await pages[0].evaluate(() => window.guidesPage.state.guides.frame);
    const refused = {
      'a kept guide whose name is gone': {count: 1, names: ['b'], runs: [[0, 1]], added: []},
      'a run past the guides held': {count: 2, names: ['a', 'b'], runs: [[2, 2]], added: []},
      'added guides left over': {count: 1, names: ['a'], runs: [[NEW, 1]], added: [['a', [1, 2]], ['a', [3, 4]]]},
      'more added guides taken than sent': {count: 2, names: ['a'], runs: [[NEW, 2]], added: [['a', [1, 2]]]},
      'a count the runs do not make': {count: 4, names: ['a', 'b'], runs: [[0, 3]], added: []},
    };
    for (const [label, changes] of Object.entries(refused)) {
      const answer = await received(pages[0], held, {frame: 2, base: 1, ...changes});
      assert.deepEqual(answer, {applied: false, frame: host}, `${label}: the whole frame is read`);
    }
  });
  await step('two tabs hold the host\'s guides after each step, applied as changes', async () => {
    let applied = 0;
    for (let i = 0; i < 6; ++i) {
      await press(pages, i % 3 === 2 ? '#PANstepMoinsNbrColonnes' : '#PANstepPlusNbrColonnes');
      for (const [k, page] of pages.entries()) {
        await expectHostGuides(page, `step ${i + 1}, tab ${k + 1}`);
        applied += await page.evaluate(() => window.guidesPage.state.guides.change !== null);
      }
    }
    assert.ok(applied >= 10, `${applied} of 12 updates came as changes`);
  });
  await step('the guides painted tile by tile are those of a whole repaint', async () => {
    for (const [k, page] of pages.entries()) await expectWholePaint(page, `tab ${k + 1}`);
  });
  await step('a tab that holds another frame reads the whole frame', async () => {
    await second.evaluate(() => { window.guidesPage.state.guides.frame = -1; });
    await press(pages, '#PANstepPlusNbrColonnes');
    await expectHostGuides(second, 'the tab behind');
    assert.equal(await second.evaluate(() => window.guidesPage.state.guides.change), null);
    await expectWholePaint(second, 'the tab behind');
  });
  await step('a reloaded tab holds the host\'s guides and follows the next change', async () => {
    await second.reload();
    await second.waitForFunction(() => window.guidesPage?.state?.guides?.count > 0);
    await expectHostGuides(second, 'reloaded');
    await press(pages, '#PANstepMoinsNbrColonnes');
    for (const [k, page] of pages.entries()) await expectHostGuides(page, `after the reload, tab ${k + 1}`);
    await expectWholePaint(second, 'reloaded');
  });
}, {script: join(dirname(fileURLToPath(import.meta.url)), 'guideFrames.session')});
