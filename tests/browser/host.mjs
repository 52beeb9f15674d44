// What the browser tests share: the chromium to drive, guides-host --serve started and
// stopped as a user would (Ctrl-C), the steps told as they pass, and the page's state read
// back through window.guidesPage.
import {spawn} from 'node:child_process';
import {existsSync} from 'node:fs';
import {join} from 'node:path';

// Re-exported for the page's benchmark (bench/page/), which has no node_modules of its own.
export {chromium} from 'playwright-core';

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

export function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[sorted.length >> 1];
}

// Reads a path of the page's state ("guides.count").
export function pageState(page) {
  return {
    read: (path) => page.evaluate((p) => p.split('.').reduce((o, k) => o?.[k], window.guidesPage?.state), path),
  };
}
