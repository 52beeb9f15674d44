// What the browser tests share: the chromium to drive, guides-host --serve started and
// stopped as a user would (Ctrl-C), the steps told as they pass, and the page's state read
// back through window.guidesPage.
import {spawn} from 'node:child_process';
import {existsSync, mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import assert from 'node:assert/strict';
import {chromium} from 'playwright-core';

// Re-exported for the page's benchmark (bench/page/), which has no node_modules of its own.
export {chromium};

export const browserPath = ['/usr/bin/chromium', '/usr/bin/chromium-browser'].find(existsSync);

// Starts the host on a port the system picks (running SCRIPT first when given) and resolves
// with the page's address.
export function startHost(buildDir, folder, script) {
  const args = ['--serve', '--prefs', join(folder, 'prefs.json')];
  if (script) args.push(script);
  const child = spawn(join(buildDir, 'host/guides-host'), args, {stdio: ['ignore', 'pipe', 'inherit']});
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

// Ctrl-C, as a user stops it; resolves with the exit status (or the signal that ended it).
export function stopHost(child) {
  return new Promise((resolve) => {
    if (child.exitCode !== null) return resolve(child.exitCode);
    child.removeAllListeners('exit');
    child.on('exit', (code, signal) => resolve(code ?? signal));
    child.kill('SIGINT');
  });
}

export async function step(name, body) {
  const started = Date.now();
  await body();
  console.log(`browser tests: ${name} (${Date.now() - started} ms)`);
}


// Reads a path of the page's state ("guides.count").
export function pageState(page) {
  return {
    read: (path) => page.evaluate((p) => p.split('.').reduce((o, k) => o?.[k], window.guidesPage?.state), path),
  };
}

// Each guide's points (h, v, h, v, ...) of the page's guides as read back: the frame holds
// them flat, guide i's from xy[start[i]] to xy[start[i + 1]] (see the page's connection.js).
export function pointsOf(guides) {
  return Array.from({length: guides.count}, (_, i) => guides.xy.subarray(guides.start[i], guides.start[i + 1]));
}

// One browser road: NAME's skip, failure and success told on one line each; the host started in
// a fresh folder (running the session file SCRIPT first when given) and stopped with Ctrl-C, which
// must end it with 0, whatever happens. BODY gets {folder, address, open, restart}:
// open() gives a page of the window's size whose errors (a status the page did not ask for,
// as an event the host refuses is answered 4xx on purpose; anything fetched from elsewhere
// than the host) fail the road; restart() stops the
// host and starts it again on the same folder, resolving with the new address.
export async function road(name, buildDir, body, {script, skip, contextOptions = {}} = {}) {
  const missing = browserPath ? skip : 'chromium is not installed';
  if (missing) {
    console.log(`${name}: SKIPPED (${missing}; ./guides setup installs it)`);
    process.exit(0);
  }
  const folder = mkdtempSync(join(tmpdir(), 'guides-browser-'));
  let host = await startHost(buildDir, folder, script);
  const browser = await chromium.launch({executablePath: browserPath, headless: true, args: ['--no-sandbox']});
  const errors = [], failures = [];
  try {
    const context = await browser.newContext({viewport: {width: 1500, height: 950}, ...contextOptions});
    const open = async (timeout = 10000) => {
      const page = await context.newPage();
      page.setDefaultTimeout(timeout);
      page.on('pageerror', (error) => errors.push(error.message));
      page.on('response', (r) => r.status() >= 400 && !r.url().endsWith('/event') && errors.push(`${r.status()} ${r.url()}`));
      page.on('request', (r) => !/^(http:\/\/127\.0\.0\.1:\d+\/|data:|blob:)/.test(r.url()) && errors.push(`fetched ${r.url()}`));
      return page;
    };
    const restart = async () => {
      assert.equal(await stopHost(host.child), 0);
      host = await startHost(buildDir, folder);
      return host.address;
    };
    await body({folder, address: host.address, open, restart});
    assert.deepEqual(errors, []);
  } catch (error) {
    failures.push(error.stack ?? error);
  } finally {
    await browser.close();
    const stopped = await stopHost(host.child);
    if (stopped !== 0) failures.push(`guides-host ended with ${stopped} after Ctrl-C`);
    rmSync(folder, {recursive: true, force: true});
  }
  for (const failure of failures) console.log(`${name}: FAILED: ${failure}`);
  if (failures.length) process.exit(1);
  console.log(`${name}: passed`);
}

// Where an artwork point is on the screen, from the page's own view.
export async function pixelOf(page, h, v) {
  const view = await pageState(page).read('document.view');
  const box = await page.locator('#documentCanvas').boundingBox();
  return [box.x + ((h - view.centre[0]) * view.zoom + view.width / 2) * box.width / view.width,
    box.y + ((view.centre[1] - v) * view.zoom + view.height / 2) * box.height / view.height];
}

// Chooses the last of ITEMS in the menu bar's menu MENU, through the sub-menus before it.
export async function chooseMenu(page, menu, ...items) {
  await page.locator(`[data-menu="${menu}"]`).click();
  for (const [i, item] of items.entries())
    await page.locator(`[data-menu="${menu}"] [data-item="${item}"]`)[i < items.length - 1 ? 'hover' : 'click']();
}
