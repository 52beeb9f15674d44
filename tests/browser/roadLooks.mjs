// What a designer sees of the page whatever it shows: every menu, list and dialog open lies
// inside the window; no field or button of a panel is cut; every visible text reads at a contrast of 4.5:1 at least, from the
// computed colours; no text needs an emoji or symbol font (icons are drawn).
import assert from 'node:assert/strict';

// What keeps a designer from reading the page as it shows now: texts under 4.5:1, panel
// controls cut, characters only a symbol font has.
export async function unreadable(page) {
  return [...await lowContrast(page), ...await clippedControls(page), ...await symbolCharacters(page)];
}

// The boxes of the open menus, lists and dialogs that leave the window.
function outsideWindow(page) {
  return page.evaluate(() => [...document.querySelectorAll('ul.menu, .dialog')]
    .filter((e) => e.checkVisibility())
    .map((e) => [e.dataset.menu ?? e.dataset.window ?? e.textContent.slice(0, 20), e.getBoundingClientRect()])
    .filter(([, b]) => b.left < 0 || b.top < 0 || b.right > innerWidth + 0.5 || b.bottom > innerHeight + 0.5)
    .map(([name, b]) => `${name}: ${b.left},${b.top} to ${b.right},${b.bottom} in ${innerWidth}x${innerHeight}`));
}

// The visible texts of enabled controls whose colour is under 4.5:1 against what lies behind
// them (the first opaque background among them and their ancestors, translucent ones blended).
function lowContrast(page) {
  return page.evaluate(() => {
    const rgba = (text) => (text.match(/[\d.]+/g) ?? [0, 0, 0, 0]).map(Number).concat(1).slice(0, 4);
    const over = ([r, g, b, a], [R, G, B]) => [r * a + R * (1 - a), g * a + G * (1 - a), b * a + B * (1 - a)];
    const luminance = (rgb) => {
      const [r, g, b] = rgb.map((c) => c / 255).map((c) => (c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4));
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const background = (element) => {
      const layers = [];
      for (let e = element; e; e = e.parentElement) {
        const style = getComputedStyle(e);
        const image = style.backgroundImage.match(/rgba?\([^)]*\)/);  // a gradient's first colour
        const colour = rgba(image ? image[0] : style.backgroundColor);
        if (colour[3] > 0) layers.push(colour);
        if (colour[3] === 1) break;
      }
      return layers.reduceRight((under, layer) => over(layer, under), [255, 255, 255]);
    };
    const low = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    const owners = new Set();
    for (let node = walker.nextNode(); node; node = walker.nextNode())
      if (node.data.trim()) owners.add(node.parentElement);
    for (const input of document.querySelectorAll('input[type=text]')) if (input.value.trim()) owners.add(input);
    for (const element of owners) {
      if (!element.checkVisibility({checkOpacity: true, checkVisibilityCSS: true}) || element.closest('.disabled, [disabled], [aria-disabled=true], canvas')) continue;
      const back = background(element);
      const front = over(rgba(getComputedStyle(element).color), back);
      const [l1, l2] = [luminance(front), luminance(back)].sort((a, b) => b - a);
      const ratio = (l1 + 0.05) / (l2 + 0.05);
      if (ratio < 4.5) low.push(`"${(element.value ?? element.textContent).trim().slice(0, 24)}" ${ratio.toFixed(2)}:1`);
    }
    return low;
  });
}

// Characters outside the text fonts' ranges (Latin, general punctuation, the minus sign) in
// the page's visible texts and generated contents.
function symbolCharacters(page) {
  return page.evaluate(() => {
    const symbol = /[^\u0000-\u024f\u2000-\u206f\u20ac\u2212]/u;
    const found = new Set();
    for (const element of document.querySelectorAll('body *')) {
      if (!element.checkVisibility()) continue;
      const texts = [...element.childNodes].filter((n) => n.nodeType === Node.TEXT_NODE).map((n) => n.data);
      for (const pseudo of ['::before', '::after']) texts.push(getComputedStyle(element, pseudo).content.replace(/^"|"$|^none$|^normal$/g, ''));
      if (element.value) texts.push(element.value);
      for (const text of texts) for (const c of text) if (symbol.test(c)) found.add(c);
    }
    return [...found];
  });
}

// The panels' fields and buttons whose text is cut, or that their panel cuts.
function clippedControls(page) {
  return page.evaluate(() => [...document.querySelectorAll('.panelBody input[type=text], .panelBody button.kitView')]
    .filter((e) => e.checkVisibility())
    .filter((e) => {
      const box = e.getBoundingClientRect(), body = e.closest('.panelBody').getBoundingClientRect();
      const seen = box.left < body.right && box.right > body.left;  // the panel's hidden part shows none
      return seen && (e.scrollWidth > e.clientWidth || box.right > body.right + 0.5 || box.left < body.left - 0.5);
    })
    .map((e) => `${e.closest('[data-outlet]')?.dataset.outlet}: "${e.tagName === 'INPUT' ? e.value : e.textContent}"`));
}

// Opens every menu and list the road reaches (the menu bar's menus and their sub-menus, the
// panel's flyout, its popups and count lists) and the Preferences dialog, at this window
// size, and checks where each lies.
export async function opensInsideWindow(page, width, height) {
  await page.setViewportSize({width, height});
  const check = async (what) => assert.deepEqual(await outsideWindow(page), [], `${what} at ${width}x${height}`);
  const openers = ['#menubar button', '.flyoutButton', 'button.popup:visible:enabled', '.combo:visible button'];
  for (const selector of openers)
    for (const opener of await page.locator(selector).all()) {
      await opener.click();
      await page.locator('ul.menu.open').waitFor();
      await check(selector);
      for (const sub of await page.locator('ul.menu > li.submenu').all()) {
        await sub.hover();
        await check(`${selector} > ${await sub.getAttribute('data-item')}`);
      }
      await page.keyboard.press('Escape');
    }
  await page.locator('.flyoutButton').click();
  await page.locator('[data-menu^="flyout-"] [data-item^="Préférences"]').click();
  await page.locator('#modalLayer [data-window]').waitFor();
  await check('Préférences');
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => !document.querySelector('#modalLayer [data-window]'));
}
