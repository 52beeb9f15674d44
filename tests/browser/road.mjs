// The road of one use of the page in headless chromium, against the real guides-host --serve:
// draw an object with the host's rectangle tool, choose "Outil Guides", hover the object (the
// cursor image changes), click it (the guides appear), press the columns' plus button (more
// guides at once), switch to the dark theme; then bad requests from the page are refused and
// the session goes on. Writes the page's screenshot to the path given as second argument.
//   node road.mjs BUILD_DIR [SCREENSHOT.png]
import assert from 'node:assert/strict';
import {spawn} from 'node:child_process';
import {existsSync, mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {chromium} from 'playwright-core';

const [buildDir, screenshot] = process.argv.slice(2);
const browserPath = ['/usr/bin/chromium', '/usr/bin/chromium-browser'].find(existsSync);
if (!browserPath) {
  console.log('browser tests: SKIPPED (chromium is not installed; ./guides setup installs it)');
  process.exit(0);
}

// Starts the host on a port the system picks and resolves with the page's address.
function startHost(folder) {
  const child = spawn(join(buildDir, 'host/guides-host'),
                      ['--serve', '--prefs', join(folder, 'prefs.json')], {stdio: ['ignore', 'pipe', 'inherit']});
  return new Promise((resolve, reject) => {
    let out = '';
    child.stdout.on('data', (chunk) => {
      out += chunk;
      const found = out.match(/the page is at (\S+)/);
      if (found) resolve({child, address: found[1]});
    });
    child.on('exit', (code) => reject(new Error(`guides-host stopped (${code}) before serving: ${out}`)));
  });
}

function stopHost(child) {
  return new Promise((resolve) => {
    child.removeAllListeners('exit');
    child.on('exit', (code, signal) => resolve(code ?? signal));
    child.kill('SIGINT');
  });
}

async function step(name, body) {
  const started = Date.now();
  await body();
  console.log(`browser tests: ${name} (${Date.now() - started} ms)`);
}

const folder = mkdtempSync(join(tmpdir(), 'guides-browser-'));
let {child, address} = await startHost(folder);
const browser = await chromium.launch({executablePath: browserPath, headless: true, args: ['--no-sandbox']});
let failed = false;
try {
  const page = await browser.newPage({viewport: {width: 1500, height: 950}});
  page.setDefaultTimeout(10000);
  const errors = [];
  // A status the page did not ask for is an error; the bad requests of the last step are counted there.
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('response', (response) => {
    if (response.status() >= 400 && !response.url().endsWith('/event')) errors.push(`${response.status()} ${response.url()}`);
  });
  const state = (path) => page.evaluate((p) => p.split('.').reduce((o, k) => o?.[k], window.guidesPage?.state), path);
  const canvas = page.locator('#documentCanvas');
  const box = async () => canvas.boundingBox();

  await step('the page opens with the document and the panel', async () => {
    await page.goto(address);
    await page.waitForFunction(() => window.guidesPage?.state?.document?.artboards?.length === 2);
    await page.locator('[data-tool="Outil Guides"]').waitFor();
    await page.locator('#PANstepPlusNbrColonnes').waitFor();
  });

  const canvasBox = await box();
  const at = (x, y) => [canvasBox.x + x, canvasBox.y + y];
  await step('the rectangle tool draws an object', async () => {
    const before = (await state('document.art'))?.length ?? 0;
    await page.locator('[data-tool="Rectangle Tool"]').click();
    await page.mouse.move(...at(150, 150));
    await page.mouse.down();
    await page.mouse.move(...at(200, 220), {steps: 4});
    await page.mouse.move(...at(250, 300), {steps: 4});
    await page.mouse.up();
    await page.waitForFunction((n) => (window.guidesPage.state.document.art?.length ?? 0) > n, before);
  });

  await step('hovering the object with "Outil Guides" changes the cursor image', async () => {
    await page.locator('[data-tool="Outil Guides"]').click();
    await page.mouse.move(...at(600, 700));
    await page.waitForTimeout(300);
    const away = await canvas.getAttribute('data-cursor');
    await page.mouse.move(...at(200, 220));
    await page.waitForFunction((c) => document.getElementById('documentCanvas').dataset.cursor !== c, away);
  });

  await step('a click lays the guides out and the hint goes', async () => {
    await page.mouse.click(...at(200, 220));
    await page.waitForFunction(() => window.guidesPage.state.guides?.count > 0);
    assert.deepEqual(await state('overlay.items'), []);
    // The default set's 3 mm margins, read back from the page's document: exact floats.
    const corners = (await state('document.art'))[0].p;
    const left = Math.min(...corners.filter((_, i) => i % 2 === 0));
    const top = Math.max(...corners.filter((_, i) => i % 2 === 1));
    const margin = Math.fround(3 * 72 / 25.4);
    const guides = await state('guides');
    const guide = (name) => guides.p[guides.g.findIndex((n) => guides.names[n].includes(name))];
    assert.equal(guide('Marges gauche')[0], Math.fround(left + margin));
    assert.equal(guide('Marges haut')[1], Math.fround(top - margin));
  });

  await step('the columns\' plus button adds guides at once', async () => {
    const before = await state('guides.count');
    await page.locator('#PANstepPlusNbrColonnes').click();
    await page.waitForFunction((n) => window.guidesPage.state.guides.count > n, before);
  });

  await step('from a stepper press to the new guides drawn (20 presses)', async () => {
    for (let i = 0; i < 20; ++i) {
      const before = await state('guides.count');
      await page.locator(i % 2 ? '#PANstepMoinsNbrColonnes' : '#PANstepPlusNbrColonnes').click();
      await page.waitForFunction((n) => window.guidesPage.state.guides.count !== n, before);
    }
    const times = (await page.evaluate(() => window.guidesPage.latencies)).filter((l) => l.kind === 'button')
        .map((l) => l.ms).sort((a, b) => a - b);
    assert.ok(times.length >= 20, `${times.length} measures`);
    console.log(`browser tests: stepper press to guides drawn: median ${times[times.length >> 1].toFixed(1)} ms, ` +
                `worst ${times[times.length - 1].toFixed(1)} ms over ${times.length} presses`);
  });

  if (screenshot) await page.screenshot({path: screenshot});

  await step('a second tab shows the same session and follows it', async () => {
    const context = await browser.newContext();
    const second = await context.newPage();
    await second.goto(address);
    const count = await state('guides.count');
    await second.waitForFunction((n) => window.guidesPage?.state?.guides?.count === n, count);
    await page.locator('#PANstepPlusNbrColonnes').click();
    await second.waitForFunction((n) => window.guidesPage.state.guides.count > n, count);
    await context.close();
  });

  await step('the dark theme reaches the page', async () => {
    const answer = await page.evaluate(() => window.guidesPage.send({type: 'theme', name: 'dark'}));
    assert.equal(answer.ok, true);
    await page.waitForFunction(() => document.body.dataset.theme === 'dark');
  });

  await step('bad requests from the page get a 4xx and the session goes on', async () => {
    const statuses = await page.evaluate(async () => {
      const bodies = ['{', '{"type":"click","x":-1,"y":2}', '{"type":"uiClick","control":"nope"}',
                      '{"type":"uiType","control":"PANeditMargeHaut","text":"\\u0001"}', '[]'];
      const out = [];
      for (const body of bodies) {
        const answer = await fetch('/event', {method: 'POST', headers: {'Content-Type': 'application/json'}, body});
        out.push(answer.status);
      }
      return out;
    });
    assert.ok(statuses.every((s) => s >= 400 && s < 500), `statuses ${statuses}`);
    const before = await state('guides.count');
    await page.locator('#PANstepPlusNbrColonnes').click();
    await page.waitForFunction((n) => window.guidesPage.state.guides.count > n, before);
  });

  await step('a set stored by name is in the popup of sets after the host restarts', async () => {
    await page.locator('#PANpopupSets').click();
    await page.locator('[data-menu="PANpopupSets"] [data-index="2"]').click();
    await page.locator('#PANnomSet').waitFor({state: 'visible'});
    await page.locator('#PANnomSet').fill('Trois colonnes');
    await page.locator('#PANnomSet').press('Enter');
    await page.locator('#PANokSetBT').click();
    await page.waitForFunction(() => document.querySelector('#PANpopupSets')?.textContent.includes('Trois colonnes'));
    assert.equal(await stopHost(child), 0);
    ({child, address} = await startHost(folder));
    await page.goto(address);
    await page.locator('[data-tool="Outil Guides"]').click();  // the popup is enabled with the tool
    await page.locator('#PANpopupSets').click();
    await page.locator('[data-menu="PANpopupSets"] [data-item="Trois colonnes"]').waitFor();
  });

  assert.deepEqual(errors, []);
} catch (error) {
  failed = true;
  console.log(`browser tests: FAILED: ${error.stack ?? error}`);
} finally {
  await browser.close();
  const stopped = await stopHost(child);
  if (stopped !== 0) {
    failed = true;
    console.log(`browser tests: FAILED: guides-host ended with ${stopped} after Ctrl-C`);
  }
  rmSync(folder, {recursive: true, force: true});
}
if (failed) process.exit(1);
console.log('browser tests: passed');
