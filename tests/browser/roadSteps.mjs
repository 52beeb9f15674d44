// The steps of the browser road, each what a user does in the page followed by checks of
// what the user then sees. Coordinates read back from the page are the stored floats, so
// guides are compared exactly.
import assert from 'node:assert/strict';
import {chooseMenu, pixelOf, pointsOf} from './host.mjs';

const MM = 72 / 25.4;

export class Road {
  constructor(page, state) {
    this.page = page;
    this.state = state;
    this.canvas = page.locator('#documentCanvas');
  }

  // ---- what the page shows ----------------------------------------------------------------

  // The points of the first guide of the group whose name holds `name`.
  static guideOf(guides, name) {
    const index = guides.g.findIndex((n) => guides.names[n].includes(name));
    assert.ok(index >= 0, `no guide of ${name}`);
    return pointsOf(guides)[index];
  }

  async artboards() {
    return this.state.read('document.artboards');
  }

  // A point of the canvas inside artboard `index` away from any art (the art is drawn on the
  // first artboard's upper left).
  async emptyPointOf(index) {
    const [l, t, r, b] = (await this.artboards())[index].rect;
    return pixelOf(this.page, l + (r - l) * 0.75, b + (t - b) * 0.2);
  }

  // The guides after an action that changes them (the guides part is replaced whole).
  async guidesAfter(action) {
    await this.page.evaluate(() => { window.guidesBefore = window.guidesPage.state.guides; });
    await action();
    await this.page.waitForFunction(() => window.guidesPage.state.guides !== window.guidesBefore);
    return this.state.read('guides');
  }

  field(outlet) {
    return this.page.locator(`#${outlet} input`).or(this.page.locator(`input#${outlet}`)).first();
  }

  async fieldText(outlet) {
    return this.page.locator(`#${outlet}`).evaluate((e) => (e.querySelector('input') ?? e).value);
  }

  async chooseIn(popup, itemText, modifiers = []) {
    await this.page.locator(`#${popup}`).click();
    await this.page.locator(`[data-menu="${popup}"] [data-item="${itemText}"]`).click({modifiers});
  }

  async popupItems(popup) {
    const items = await this.page.locator(`#${popup}`).evaluate((e) => e.view.items);
    return items.map((item) => (typeof item === 'string' ? item : item.title ?? ''));
  }

  // Chooses the flyout's item INDEX, or with READ only reads its text and mark.
  async flyout(index, read = false) {
    await this.page.locator('.flyoutButton').click();
    const item = this.page.locator(`[data-menu^="flyout-"] [data-index="${index}"]`);
    if (!read) return item.click();
    const facts = {text: await item.textContent(), checked: await item.evaluate((e) => e.classList.contains('checked'))};
    await this.page.keyboard.press('Escape');
    return facts;
  }

  async modalShown(outlet) {
    await this.page.locator(`#modalLayer [data-window] #${outlet}`).waitFor({state: 'visible'});
    await this.page.waitForFunction(() => window.guidesPage.state.session.modal !== null);
    assert.equal(await this.page.locator('#modalLayer').isVisible(), true);
  }

  // KEY ends the modal window.
  async closes(key) {
    await this.page.keyboard.press(key);
    await this.page.waitForFunction(() => window.guidesPage.state.session.modal === null &&
                                          !document.querySelector('#modalLayer [data-window]'));
  }

  // The host's alert shown as a modal message with this text, then dismissed.
  async alertSays(text) {
    const alert = this.page.locator('#modalLayer [role=alertdialog]');
    await alert.waitFor();
    assert.equal(await alert.locator('p').textContent(), text);
    await alert.locator('button').click();
    await alert.waitFor({state: 'detached'});
  }

  async textShows(popup, title) {
    await this.page.waitForFunction(([id, t]) => document.getElementById(id)?.textContent === t, [popup, title]);
  }

  // ---- the steps ------------------------------------------------------------------------------

  async opens(address) {
    await this.page.goto(address);
    await this.page.waitForFunction(() => window.guidesPage?.state?.document?.artboards?.length === 2);
    await this.page.locator('[data-tool="Outil Guides"]').waitFor();
    await this.page.locator('#PANstepPlusNbrColonnes').waitFor();
  }

  async alertIsModal() {
    await this.page.locator('[data-tool="Outil Guides"]').click();
    await this.page.locator('#PANpopupSets:not([disabled])').waitFor();
    await this.chooseIn('PANpopupSets', 'Supprimer des sets…');
    await this.page.locator('#modalLayer [role=alertdialog]').waitFor();
    // Modal: the layer lies over the whole page until the message is dismissed.
    const layer = await this.page.locator('#modalLayer').boundingBox();
    const viewport = this.page.viewportSize();
    assert.ok(layer.width >= viewport.width && layer.height >= viewport.height, 'the message covers the page');
    await this.alertSays('On ne peut pas supprimer de set car aucun set n\'a été créé.');
    assert.equal(await this.page.locator('#modalLayer').isVisible(), false);
  }

  async drawsAnObject() {
    const before = (await this.state.read('document.art'))?.length ?? 0;
    await this.page.locator('[data-tool="Rectangle Tool"]').click();
    const [l, t] = (await this.artboards())[0].rect;
    const from = await pixelOf(this.page, l + 30 * MM, t - 30 * MM);
    const to = await pixelOf(this.page, l + 90 * MM, t - 110 * MM);
    await this.page.mouse.move(...from);
    await this.page.mouse.down();
    await this.page.mouse.move((from[0] + to[0]) / 2, (from[1] + to[1]) / 2, {steps: 4});
    await this.page.mouse.move(...to, {steps: 4});
    await this.page.mouse.up();
    await this.page.waitForFunction((n) => (window.guidesPage.state.document.art?.length ?? 0) > n, before);
    const corners = (await this.state.read('document.art')).at(-1).p;
    const xs = corners.filter((_, i) => i % 2 === 0), ys = corners.filter((_, i) => i % 2 === 1);
    this.object = {left: Math.min(...xs), right: Math.max(...xs), top: Math.max(...ys), bottom: Math.min(...ys)};
  }

  async objectCentre() {
    const o = this.object;
    return pixelOf(this.page, (o.left + o.right) / 2, (o.top + o.bottom) / 2);
  }

  async hoverChangesCursor() {
    await this.page.locator('[data-tool="Outil Guides"]').click();
    await this.page.mouse.move(...await this.emptyPointOf(1));
    await this.page.waitForTimeout(300);
    const away = await this.canvas.getAttribute('data-cursor');
    assert.match(away, /^image /, 'the tool\'s own cursor image, not a browser cursor');
    await this.page.mouse.move(...await this.objectCentre());
    await this.page.waitForFunction((c) => document.getElementById('documentCanvas').dataset.cursor !== c, away);
    assert.match(await this.canvas.getAttribute('data-cursor'), /^image /);
  }

  async clickLaysGuidesOut() {
    const sound = this.page.waitForResponse((r) => /\/sound\/\d+\.wav$/.test(r.url()));
    await this.page.mouse.click(...await this.objectCentre());
    await this.page.waitForFunction(() => window.guidesPage.state.guides?.count > 0);
    assert.deepEqual(await this.state.read('overlay.items'), []);
    // The default set's 3 mm margins around the object, exact floats.
    const margin = Math.fround(3 * MM);
    const guides = await this.state.read('guides');
    assert.equal(Road.guideOf(guides, 'Marges gauche')[0], Math.fround(this.object.left + margin));
    assert.equal(Road.guideOf(guides, 'Marges haut')[1], Math.fround(this.object.top - margin));
    // The click's sound reaches the page as a file browsers play.
    const answer = await sound;
    assert.equal(answer.headers()['content-type'], 'audio/wav');
    assert.equal((await answer.body()).subarray(0, 4).toString(), 'RIFF');
    assert.ok((await this.page.evaluate(() => window.guidesPage.played.length)) >= 1);
  }

  // Presses at a screen point and releases BY pixels away, the mouse moving between.
  async dragFrom([x, y], [dx, dy]) {
    await this.page.mouse.move(x, y);
    await this.page.mouse.down();
    await this.page.mouse.move(x + dx / 2, y + dy / 2, {steps: 2});
    await this.page.mouse.move(x + dx, y + dy, {steps: 2});
    await this.page.mouse.up();
  }

  // The selection's bounds once an action changed them.
  async boundsAfter(action) {
    const before = JSON.stringify(await this.state.read('document.selectionBounds'));
    await action();
    await this.page.waitForFunction((b) => JSON.stringify(window.guidesPage.state.document.selectionBounds) !== b, before);
    return this.state.read('document.selectionBounds');
  }

  // The object dragged 40 pixels right and 20 down at the fitted zoom, then its lower right
  // handle 30 right and 15 down; the guides tool's click lays the guides on the new bounds.
  async movesAndResizes() {
    await this.page.locator('[data-tool="Adobe Select Tool"]').click();
    const edge = await pixelOf(this.page, this.object.left, (3 * this.object.top + this.object.bottom) / 4);  // no handle
    await this.boundsAfter(() => this.page.mouse.click(...edge));
    assert.deepEqual(await this.boundsAfter(() => this.dragFrom(edge, [40, 20])),
      [139.88592529296875, 730.3079223632812, 309.3630676269531, 502.99334716796875]);
    const [, , right, bottom] = await this.state.read('document.selectionBounds');
    const [left, top, r, b] = await this.boundsAfter(async () => this.dragFrom(await pixelOf(this.page, right, bottom), [30, 15]));
    assert.deepEqual([left, top, r, b], [139.88592529296875, 730.3079223632812, 349.71478271484375, 482.8175048828125]);
    this.object = {left, top, right: r, bottom: b};
    await this.page.locator('[data-tool="Outil Guides"]').click();
    const guides = await this.guidesAfter(async () => this.page.mouse.click(...await this.objectCentre()));
    assert.deepEqual(['gauche', 'droite', 'haut', 'bas'].map((side, i) => Road.guideOf(guides, `Marges ${side}`)[i >> 1 ? 1 : 0]),
      [148.38986206054688, 341.2108459472656, 721.803955078125, 491.3214416503906]);
  }

  // V, M and I choose the host's tools, named so in their tooltips; a v typed in a field does not.
  async toolLetters() {
    await this.canvas.focus();
    for (const [letter, tool] of [['v', 'Adobe Select Tool'], ['m', 'Rectangle Tool'], ['i', 'Adobe Eyedropper Tool']]) {
      await this.page.keyboard.press(letter);
      await this.page.waitForFunction((t) => window.guidesPage.state.toolbox.selected === t, tool);
    }
    assert.equal(await this.page.locator('[data-tool="Adobe Select Tool"]').getAttribute('title'), 'Sélection (V)');
    await this.page.locator('[data-tool="Outil Guides"]').click();
    const input = this.field('PANzoneMargeHaut');
    await input.click();  // once enabled, as the guides tool is selected
    await input.press('End');
    await input.press('v');
    await this.page.waitForTimeout(300);
    assert.equal(await this.state.read('toolbox.selected'), 'Outil Guides');
    await input.press('Backspace');
    await this.canvas.focus();
  }

  async iconButtonsNamed() {
    const unnamed = await this.page.evaluate(() => [...document.querySelectorAll('button')]
      .filter((b) => b.checkVisibility() && /^[-+−]?$/.test(b.textContent.trim()) && !b.title && !b.getAttribute('aria-label'))
      .map((b) => b.id || b.outerHTML));
    assert.deepEqual(unnamed, []);
  }

  // The fitted view zoomed in: the rulers' labels step by 20 mm instead of 50.
  async rulersFollowZoom() {
    const labels = () => this.page.evaluate(() => ['rulerTop', 'rulerLeft'].map((id) => document.getElementById(id).dataset.labels));
    const fitted = await labels();
    assert.deepEqual(fitted, ['0 50 100 150 200 250 300 350 400 450', '0 50 100 150 200 250 300']);
    await this.page.locator('#zoomIn').click();
    await this.page.waitForFunction((l) => document.getElementById('rulerTop').dataset.labels !== l, fitted[0]);
    assert.deepEqual(await labels(), ['40 60 80 100 120 140 160 180 200 220 240 260 280 300 320 340 360 380 400',
      '0 20 40 60 80 100 120 140 160 180 200 220 240 260 280 300']);
    const box = await this.canvas.boundingBox();
    await this.page.mouse.move(box.x + 100, box.y + 100);
    await this.textShows('pointerText', 'x 61,686 mm   y 262,381 mm');
    await this.page.locator('#zoomFit').click();
  }

  async steppers() {
    const before = await this.state.read('guides.count');
    assert.ok((await this.guidesAfter(() => this.page.locator('#PANstepPlusNbrColonnes').click())).count > before, 'one more column');
    const top = (guides) => Road.guideOf(guides, 'Marges haut')[1];
    const moves = async (modifiers) =>
      top(await this.state.read('guides')) - top(await this.guidesAfter(() => this.page.locator('#PANstepPlusMargeHaut').click({modifiers})));
    const small = await moves([]), large = await moves(['Shift']);
    assert.ok(small > 0 && large > small, `a press moves the top margin ${small} pt, a Shift-press ${large} pt`);
  }

  // The Up arrow in a field steps its value as the plus button does; Tab goes to the next field.
  async arrowAndTab() {
    const input = this.field('PANzoneNbrColonnes');
    await input.click();
    const columns = await this.fieldText('PANzoneNbrColonnes');
    const before = await this.state.read('guides.count');
    assert.ok((await this.guidesAfter(() => input.press('ArrowUp'))).count > before, 'one more column');
    await this.page.waitForFunction((text) => document.getElementById('PANzoneNbrColonnes').value !== text, columns);
    await input.press('Tab');
    await this.page.waitForFunction(() => document.activeElement?.closest('[data-outlet]')?.dataset.outlet === 'PANzoneNbrLignes');
    await this.page.locator('#documentCanvas').focus();
  }

  async typesTopMargin() {
    const input = this.field('PANzoneMargeHaut');
    await input.click();
    await input.fill('0,5 in');
    const guides = await this.guidesAfter(() => input.press('Enter'));
    assert.equal(Road.guideOf(guides, 'Marges haut')[1], Math.fround(this.object.top - 36));
  }

  // The guides after a click on the empty canvas of the second artboard.
  async guidesAfterClick() {
    return this.guidesAfter(async () => this.page.mouse.click(...await this.emptyPointOf(1)));
  }

  async secondArtboard() {
    await this.chooseIn('PANpopupPlansDeTravail', 'Plan 2');
    await this.textShows('PANpopupPlansDeTravail', 'Plan 2');
    const before = await this.state.read('guides.count');
    const guides = await this.guidesAfterClick();
    assert.ok(guides.count > before, 'the click laid guides out');
    const [l, t, r, b] = (await this.artboards())[1].rect;
    for (const points of pointsOf(guides).slice(0, guides.count - before))  // each click's groups come first
      for (let i = 0; i < points.length; i += 2)
        assert.ok(points[i] >= l && points[i] <= r && points[i + 1] <= t && points[i + 1] >= b, 'on the second artboard');
    assert.equal(Road.guideOf(guides, 'Marges haut')[1], Math.fround(t - 36));
  }

  // The artboard popup has no Alt use: Alt-choosing "Plan 1" chooses it as a plain choice
  // does, and the Alt held then is not kept for the next click (which would hide the panel).
  async altChoosesAnArtboard() {
    await this.chooseIn('PANpopupPlansDeTravail', 'Plan 1', ['Alt']);
    await this.textShows('PANpopupPlansDeTravail', 'Plan 1');
    // The click on the second artboard's canvas lays the guides on the artboard chosen.
    const guides = await this.guidesAfterClick();
    const [l, t, r] = (await this.artboards())[0].rect;
    const [left, top, right] = Road.guideOf(guides, 'Marges haut');
    assert.equal(top, Math.fround(t - 36));
    assert.ok(left >= l && right <= r, 'on the first artboard');
    assert.equal(await this.page.locator('#panels .panel').count(), 1, 'the panel stays shown');
    assert.equal(await this.page.locator('#modalLayer [role=alertdialog]').count(), 0, 'no message');
  }

  // The Preferences dialog opened from the flyout; whether "all artboards" is ticked.
  async opensPreferences() {
    await this.flyout(2);
    await this.modalShown('PREtousLesPlans');
    return this.page.locator('#PREtousLesPlans input[type=checkbox]').isChecked();
  }

  async preferences() {
    assert.equal(await this.opensPreferences(), false);
    // Modal: the panel behind refuses what is clicked in it.
    const refused = await this.page.evaluate(() => window.guidesPage.send({type: 'uiClick', control: 'PANstepPlusNbrColonnes'}));
    assert.ok(refused.refused?.length || refused.error, 'the panel refuses while the dialog runs');
    assert.match(await this.page.locator('#statusText').textContent(), /refused/);
    await this.page.locator('#PREtousLesPlans input').click();
    await this.page.waitForFunction(() => document.querySelector('#PREtousLesPlans input').checked);
    await this.closes('Enter');
    // The click lays the set out again on each artboard, in groups of each.
    const guides = await this.guidesAfterClick();
    const [left1] = (await this.artboards())[1].rect;
    const lefts = pointsOf(guides).map((p) => p[0]);
    assert.ok(lefts.some((x) => x < left1) && lefts.some((x) => x >= left1), 'guides on both artboards');
    // The refusal is gone once events go through.
    await this.page.waitForFunction(() => document.getElementById('statusText').textContent === '');
    assert.ok(guides.names.some((n) => n.includes('Marges haut1')) && guides.names.some((n) => n.includes('Marges haut2')));
  }

  async preferencesKeys() {
    assert.equal(await this.opensPreferences(), true);
    await this.page.keyboard.press('Control+d');
    await this.page.waitForFunction(() => !document.querySelector('#PREtousLesPlans input').checked);
    await this.closes('Escape');
    assert.equal(await this.opensPreferences(), true, 'Esc kept the option');
    await this.closes('Escape');
  }

  // "Repères verrouillés" is ticked at first: choosing it unticks it, and again ticks it.
  async flyoutLock() {
    const locked = () => this.page.evaluate(() => window.guidesPage.state.panels.panels[0].flyout[0].checked);
    const item = await this.flyout(0, true);
    assert.equal(item.text, 'Repères verrouillés');
    assert.equal(item.checked, await locked());
    for (const expected of [!item.checked, item.checked]) {
      await this.flyout(0);
      await this.page.waitForFunction((c) => window.guidesPage.state.panels.panels[0].flyout[0].checked === c, expected);
      assert.equal((await this.flyout(0, true)).checked, expected, 'the menu shows the mark');
    }
  }

  async altClick() {
    const panel = this.page.locator('#panels .panel');
    await panel.waitFor();
    const count = await this.state.read('guides.count');
    const point = await this.emptyPointOf(0);
    await this.page.keyboard.down('Alt');
    await this.page.mouse.click(...point);
    await panel.waitFor({state: 'detached'});
    await this.page.mouse.click(...point);
    await this.page.keyboard.up('Alt');
    await panel.waitFor();
    assert.equal(await this.state.read('guides.count'), count, 'Alt-clicks lay nothing out');
  }

  async erase() {
    await this.page.locator('#PANeffacerBT').click();
    await this.page.waitForFunction(() => window.guidesPage.state.guides.count === 0);
    await this.page.mouse.click(...await this.objectCentre());  // the guides back for the next steps
    await this.page.waitForFunction(() => window.guidesPage.state.guides.count > 0);
  }

  // Ctrl+Z and Ctrl+Shift+Z go through the host, one step per action: after two of each, one
  // more column adds as many guides as the one before did, none left twice.
  async undoKeys() {
    const shows = async (action, count) => {
      await action();
      await this.page.waitForFunction((n) => window.guidesPage.state.guides.count === n, count);
    };
    const plus = () => this.page.locator('#PANstepPlusNbrColonnes').click();
    const keys = (combination) => () => this.page.keyboard.press(combination);
    const first = await this.state.read('guides.count');
    const second = (await this.guidesAfter(plus)).count;
    await shows(keys('Control+z'), first);
    await shows(keys('Control+z'), 0);
    await shows(keys('Control+Shift+Z'), first);
    await shows(keys('Control+Shift+Z'), second);
    await shows(plus, 2 * second - first);
  }

  // The web buttons (the panel's, and the About dialog's under its version) report their
  // page on the page as a link: nothing is opened (nor fetched: road() fails on that).
  async webButtons() {
    const address = await this.page.locator('#PANurlBT').getAttribute('title');
    assert.match(address, /^https:\/\//);
    const links = this.page.locator('#toasts .toast a');
    const reported = async (button) => {
      const before = await links.count();
      await this.page.locator(button).click();
      await this.page.waitForFunction((n) => document.querySelectorAll('#toasts .toast a').length > n, before);
      assert.equal(await links.last().textContent(), address);
      assert.equal(await links.last().getAttribute('href'), address);
    };
    await reported('#PANurlBT');
    await chooseMenu(this.page, 'À propos', 'À propos des Ralto-Outils…', 'Ralto-Guides…');
    await this.modalShown('ABOversion');
    assert.equal(await this.page.locator('#ABOversion').textContent(), 'Ralto-Guides (CS6) 1.4 (septembre 2013)');
    assert.equal(await this.page.locator('#ABOadresse').textContent(), address);
    await reported('#ABOadresse');
    await this.closes('Enter');
    assert.equal(this.page.context().pages().length, 1, 'no page opened');
  }

  // "Afficher l'aide" widens the panel to its help, which fits in the window; a page turned
  // shows from its start; "Masquer l'aide" narrows the panel again.
  async helpPages() {
    const width = (w) => this.page.waitForFunction((n) => window.guidesPage.state.panels.panels[0].size[0] === n, w);
    const label = this.page.locator('#PANnumeroPage'), text = this.page.locator('#PANaide');
    assert.equal((await this.flyout(4, true)).text, 'Afficher l\'aide');
    const canvas = await this.canvas.boundingBox();
    await this.flyout(4);
    await width(480);
    await label.waitFor({state: 'visible'});
    // The widened panel stays in the window over the document, whose area stays; the page does
    // not scroll; the help's view lies whole in the panel.
    assert.deepEqual(await this.canvas.boundingBox(), canvas);
    const inside = await text.evaluate((e) => {
      const box = e.getBoundingClientRect(), body = e.closest('.panelBody').getBoundingClientRect();
      for (let v = e.parentElement; v !== e.closest('.panelBody'); v = v.parentElement) {
        const clip = v.getBoundingClientRect();
        if (getComputedStyle(v).overflowY !== 'visible' && box.bottom > clip.bottom + 0.5) return true;  // scrolled within
      }
      return box.bottom <= body.bottom + 0.5 && box.top >= body.top - 0.5;
    });
    assert.ok(inside, 'the help text is not cut by the panel');
    const panel = await this.page.locator('#panels .panel').boundingBox();
    assert.ok(panel.x + panel.width <= this.page.viewportSize().width, `the panel ends at ${panel.x + panel.width}`);
    assert.ok(await this.page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), 'no sideways scroll');
    assert.equal(await label.textContent(), '1/11');
    assert.match(await text.textContent(), /^Ralto-Guides sert à créer des repères automatiquement\./);
    assert.equal(await this.page.locator('#PANaidePageAvant').isDisabled(), true);
    // Page 1 is longer than its view: read to its end, the next page shows from its start.
    await text.evaluate((e) => { e.scrollTop = e.scrollHeight; });
    assert.ok(await text.evaluate((e) => e.scrollTop) > 0, 'page 1 scrolls');
    // Each end disabling its button and every page's text are the panel controller's tests'.
    await this.page.locator('#PANaidePageApres').click();
    await this.textShows('PANnumeroPage', '2/11');
    assert.match(await text.textContent(), /^À l'ouverture, c'est le set par défaut qui est actif\./);
    assert.equal(await text.evaluate((e) => e.scrollTop), 0, 'page 2 from its start');
    assert.equal((await this.flyout(4, true)).text, 'Masquer l\'aide');
    await this.flyout(4);
    await width(240);
  }

  // Each press zooms by a quarter; "Ajuster" shows the whole document again.
  async zoom() {
    const zoom = await this.state.read('document.view.zoom');
    const shown = await this.page.locator('#zoomText').textContent();
    for (const [button, sign] of [['#zoomIn', 1], ['#zoomOut', -1], ['#zoomOut', -1]]) {
      const before = await this.state.read('document.view.zoom');
      await this.page.locator(button).click();
      await this.page.waitForFunction(([z, s]) => (window.guidesPage.state.document.view.zoom - z) * s > 0, [before, sign]);
    }
    assert.ok(await this.state.read('document.view.zoom') < zoom);
    assert.notEqual(await this.page.locator('#zoomText').textContent(), shown);
    await this.page.locator('#zoomFit').click();
    await this.textShows('zoomText', shown);
  }

  async pressTimes() {
    for (let i = 0; i < 20; ++i)
      await this.guidesAfter(() => this.page.locator(i % 2 ? '#PANstepMoinsNbrColonnes' : '#PANstepPlusNbrColonnes').click());
    const times = (await this.page.evaluate(() => window.guidesPage.latencies)).filter((l) => l.kind === 'button')
        .map((l) => l.ms).sort((a, b) => a - b);
    assert.ok(times.length >= 20, `${times.length} measures`);
    console.log(`browser tests: stepper press to guides drawn: median ${times[times.length >> 1].toFixed(1)} ms, ` +
                `worst ${times[times.length - 1].toFixed(1)} ms over ${times.length} presses`);
  }

  async darkTheme() {
    const colours = () => {
      const e = document.getElementById('PANzoneMargeHaut'), style = getComputedStyle(e.querySelector('input') ?? e);
      return `${style.color} on ${style.backgroundColor}`;
    };
    const light = await this.page.evaluate(colours);
    await chooseMenu(this.page, 'Affichage', 'Thème sombre');
    await this.page.waitForFunction(() => document.body.dataset.theme === 'dark');
    // The panel's field takes the dark theme's colours.
    await this.page.waitForFunction(`(${colours})() !== ${JSON.stringify(light)}`);
  }

  // Naming a new set from the popup of sets: the name's field has the focus, its text selected.
  async startsNaming() {
    await this.chooseIn('PANpopupSets', 'Nouveau set…');
    await this.page.locator('#PANnomSet').waitFor({state: 'visible'});
    // The naming state: the panel grows to 184 points to show the name's field and buttons.
    await this.page.waitForFunction(() => window.guidesPage.state.panels.panels.some((p) => p.size[1] === 184));
    assert.equal(await this.page.locator('#panels .panelBody').evaluate((e) => e.style.height), '184px');
    await this.page.waitForFunction(() => document.activeElement === document.querySelector('#PANnomSet'));
    assert.match(await this.page.evaluate(() => {
      const e = document.activeElement;
      return e.value.slice(e.selectionStart, e.selectionEnd);
    }), /^Mon set \d+$/);
  }

  // KEY ends the naming: the panel is back to its size.
  async namingEnds(key) {
    await this.page.keyboard.press(key);
    await this.page.waitForFunction(() => !window.guidesPage.state.panels.panels.some((p) => p.size[1] === 184));
  }

  // Esc cancels; an empty or blank name is refused in the panel's words, the naming going on.
  async namingKeys(screenshot) {
    const items = await this.popupItems('PANpopupSets');
    await this.startsNaming();
    if (screenshot) await this.page.screenshot({path: screenshot});
    await this.namingEnds('Escape');
    await this.startsNaming();
    for (const blank of ['', '   ']) {
      await this.page.keyboard.press('Backspace');
      if (blank) await this.page.keyboard.type(blank);
      await this.page.keyboard.press('Enter');
      await this.alertSays('Le nom du set est vide.\rDonnez-lui un nom.');
      assert.equal(await this.page.locator('#PANnomSet').isVisible(), true, 'the naming goes on');
      await this.page.locator('#PANnomSet').click();
    }
    await this.namingEnds('Escape');
    assert.deepEqual(await this.popupItems('PANpopupSets'), items);
  }

  // Typed over the selected name, Return confirms.
  async storesASet(name) {
    await this.startsNaming();
    await this.page.keyboard.type(name);
    await this.namingEnds('Enter');
    await this.page.waitForFunction((n) => document.querySelector('#PANpopupSets')?.textContent.includes(n), name);
  }

  async findsTheSet(address, name) {
    await this.page.goto(address);
    await this.page.locator('[data-tool="Outil Guides"]').click();  // the popup is enabled with the tool
    await this.page.locator('#PANpopupSets:not([disabled])').waitFor();
    assert.ok((await this.popupItems('PANpopupSets')).includes(name));
  }

  // Alt-choosing a user set deletes it at once, without a dialog, and the popup shows the set
  // above it; the fields keep their values. Alt on the default set or a command is refused.
  async altChoosesSets(kept, deleted) {
    await this.storesASet(deleted);
    const top = await this.fieldText('PANzoneMargeHaut');
    await this.chooseIn('PANpopupSets', deleted, ['Alt']);
    await this.textShows('PANpopupSets', kept);
    await this.page.waitForFunction((n) => !document.querySelector('#PANpopupSets').view.items.some((i) => i.title === n), deleted);
    assert.equal(await this.page.locator('#modalLayer [data-window], #modalLayer [role=alertdialog]').count(), 0, 'no dialog');
    assert.equal(await this.fieldText('PANzoneMargeHaut'), top);
    const items = await this.popupItems('PANpopupSets');
    for (const refused of [items[0], items.at(-2)]) {
      await this.chooseIn('PANpopupSets', refused, ['Alt']);
      await this.alertSays('Suppression impossible.');
      assert.deepEqual(await this.popupItems('PANpopupSets'), items);
      assert.equal(await this.page.locator('#PANpopupSets').textContent(), kept);
      assert.equal(await this.page.locator('#PANnomSet').isVisible(), false, 'no set is being named');
    }
  }

  async deletesTheSet(name) {
    const opens = async () => {
      await this.chooseIn('PANpopupSets', 'Supprimer des sets…');
      await this.modalShown('SUPsetUn');
    };
    await opens();
    assert.match(await this.page.locator('#SUPsetUn').textContent(), new RegExp(name));
    await this.closes('Escape');
    assert.ok((await this.popupItems('PANpopupSets')).includes(name), 'Esc deleted nothing');
    await opens();
    await this.page.locator('#SUPsetUn input').click();
    await this.page.waitForFunction(() => document.querySelector('#SUPsetUn input').checked);
    await this.closes('Enter');
    await this.page.waitForFunction((n) => !document.querySelector('#PANpopupSets').view.items.some((i) => i.title === n), name);
  }

  async newDocument() {
    const open = async () => {
      await chooseMenu(this.page, 'Fichier', 'Nouveau document…');
      await this.page.locator('#newDocumentDialog').waitFor();
    };
    await open();
    await this.page.keyboard.press('Escape');
    await this.page.locator('#newDocumentDialog').waitFor({state: 'detached'});
    assert.equal((await this.state.read('session.documents')).length, 1, 'Esc opened nothing');
    await open();
    for (const [name, value] of [['width', '10'], ['height', '20'], ['artboards', '3']])
      await this.page.locator(`#newDocumentDialog [name=${name}]`).fill(value);
    await this.page.locator('#newDocumentDialog [name=unit]').selectOption('cm');
    await this.page.keyboard.press('Enter');
    await this.page.waitForFunction(() => window.guidesPage.state.session.documents.length === 2 &&
                                          window.guidesPage.state.document.artboards.length === 3);
    assert.equal(await this.state.read('document.rulerUnit'), 'cm');
    const [l, t, r, b] = (await this.artboards())[0].rect;
    assert.equal(r - l, Math.fround(10 * 72 / 2.54));
    assert.equal(t - b, Math.fround(20 * 72 / 2.54));
    assert.equal(await this.page.locator('#documentTabs [aria-selected=true]').count(), 1);
  }
}
