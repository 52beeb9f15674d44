// Guides sent as they change: with 22,000 guides (too many to come whole in each message),
// two tabs and a reloaded one hold exactly the host's guides after each change, most changes
// arrive as changes and are applied to the frame held, a tab that fell behind reads the whole
// frame, and the guides painted tile by tile are the pixels a whole repaint gives.
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
    const {decodeGuides} = await import('/assets/connection.js');
    const response = await fetch('/guides.bin', {credentials: 'same-origin'});
    const host = decodeGuides(await response.arrayBuffer());
    const held = window.guidesPage.state.guides;
    if (held.frame !== host.frame) return `frame ${held.frame}, the host's ${host.frame}`;
    if (held.count !== host.count || held.p.length !== host.count) return `${held.p.length} guides, the host's ${host.count}`;
    for (let i = 0; i < host.count; ++i) {
      if (held.names[held.g[i]] !== host.names[host.g[i]]) return `guide ${i} in ${held.names[held.g[i]]}`;
      const a = held.p[i], b = host.p[i];
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
