// The road of one use of the page in headless chromium, against the real guides-host --serve.
// Each step does what a user does and checks what the user then sees (the page's document,
// guides, panel, dialogs and cursor, read back from the page). Writes the page's screenshot
// to the path given as second argument.
//   node road.mjs BUILD_DIR [SCREENSHOT.png]
import assert from 'node:assert/strict';
import {pageState, road as drive, step} from './host.mjs';
import {Road} from './roadSteps.mjs';
import {opensInsideWindow, unreadable} from './roadLooks.mjs';

const [buildDir, screenshot] = process.argv.slice(2);
const beside = (name) => screenshot?.replace(/[^/]*$/, name);  // more screenshots in its folder

await drive('browser tests', buildDir, async ({address, open, restart}) => {
  const page = await open();
  const road = new Road(page, pageState(page));

  await step('the page opens with the document and the panel', () => road.opens(address));
  await step('a host alert is a modal message (no set to delete yet)', () => road.alertIsModal());
  await step('the rectangle tool draws an object', () => road.drawsAnObject());
  await step('hovering the object with "Outil Guides" changes the cursor image', () => road.hoverChangesCursor());
  await step('a click lays the guides out, the hint goes, the sound is played', () => road.clickLaysGuidesOut());
  await step('the selection tool moves and resizes the object by drag; the guides tool lays guides on its new bounds', () => road.movesAndResizes());
  await step('V, M and I choose the host\'s tools; a v typed in a field does not', () => road.toolLetters());
  await step('every button without a text has a tooltip or a label', () => road.iconButtonsNamed());
  await step('menus, lists and dialogs open inside the window at 1400x900, 1024x700 and 800x600', async () => {
    for (const [width, height] of [[1400, 900], [1024, 700], [800, 600]]) await opensInsideWindow(page, width, height);
    await page.setViewportSize({width: 1500, height: 950});
  });
  await step('in the light theme every text reads at 4.5:1 or more, none in a symbol font or cut', async () =>
    assert.deepEqual(await unreadable(page), []));
  await step('the columns\' plus button adds guides at once; Shift steps further', () => road.steppers());
  await step('the Up arrow in a field steps it, Tab goes to the next field', () => road.arrowAndTab());
  await step('"0,5 in" typed in the top margin moves its guide when Return ends the edit', () => road.typesTopMargin());
  await step('the second artboard chosen, a click on the empty canvas lays the guides on it', () => road.secondArtboard());
  await step('Alt-choosing an artboard chooses it as a plain choice does', () => road.altChoosesAnArtboard());
  await step('Preferences, a modal window: an option changed with Return lays guides on every artboard', () => road.preferences());
  await step('Preferences\' key equivalents: Cmd-D puts the defaults, Esc cancels them', () => road.preferencesKeys());
  await step('the flyout menu locks the guides and shows its mark', () => road.flyoutLock());
  await step('Alt-click hides the panel and shows it again', () => road.altClick());
  await step('erase takes the guides away', () => road.erase());
  await step('Ctrl+Z twice, Ctrl+Shift+Z twice, then one more column: the guides of that layout alone', () => road.undoKeys());
  await step('zoom in and out change the view', () => road.zoom());
  await step('the rulers\' labels follow the zoom; the pointer reads in the ruler unit', () => road.rulersFollowZoom());
  await step('from a stepper press to the new guides drawn (20 presses)', () => road.pressTimes());
  if (screenshot) await page.screenshot({path: screenshot});
  await step('the web buttons of the panel and of About show their page as a link, not fetched', () => road.webButtons());
  await step('the help pages turn with their buttons in the widened panel', () => road.helpPages());
  await step('the dark theme changes the panel\'s colours, every text reads at 4.5:1 or more, none cut', async () => {
    await road.darkTheme();
    await page.locator('#menubar [data-menu="Affichage"]').click();  // a menu open, its texts too
    assert.deepEqual(await unreadable(page), []);
    await page.keyboard.press('Escape');
    if (screenshot) await page.screenshot({path: beside('page-dark.png')});
  });
  await step('naming a set: the name has the focus, Esc cancels, a blank name is refused', () => road.namingKeys(beside('page-naming.png')));
  await step('a set named in the grown panel is in the popup of sets after the host restarts', async () => {
    await road.storesASet('Trois colonnes');
    await road.findsTheSet(await restart(), 'Trois colonnes');
  });
  await step('Alt-choosing a user set deletes it at once; on the default set or a command it is refused', () => road.altChoosesSets('Trois colonnes', 'Marges larges'));
  await step('the delete-sets dialog: Esc keeps the set, Return deletes the one ticked', () => road.deletesTheSet('Trois colonnes'));
  await step('File > New document opens a document of its size, artboards and unit', () => road.newDocument());
});
