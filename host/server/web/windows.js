// The plug-in's windows: its panels beside the document (title bar, flyout menu, the views),
// and the dialogs it runs, as modal windows over the page with their key equivalents
// (Escape, Return, Cmd-D: Ctrl-D works too where Cmd is the browser's).

import {ViewTree} from './viewTree.js';
import {showMenu} from './popupMenu.js';
import {iconOf} from './icons.js';

export class PanelWindows {
  constructor(host, container) {
    this.host = host;
    this.container = container;
    this.shown = new Map();  // panel id -> {element, tree}
  }

  render(panels) {
    const live = new Set();
    for (const panel of panels.panels) {
      if (!panel.shown || !panel.view) continue;
      live.add(panel.id);
      let entry = this.shown.get(panel.id);
      if (!entry) {
        entry = this.create(panel);
        this.shown.set(panel.id, entry);
      }
      entry.panel = panel;
      entry.title.textContent = panel.title;
      entry.body.style.width = `${panel.size[0]}px`;
      entry.body.style.height = `${panel.size[1]}px`;
      entry.flyout.hidden = panel.flyout.length === 0;
      entry.tree.render(panel.view);
    }
    for (const [id, entry] of this.shown)
      if (!live.has(id)) {
        entry.element.remove();
        this.shown.delete(id);
      }
  }

  create(panel) {
    const element = document.createElement('section');
    element.className = 'panel';
    element.dataset.panel = panel.id;
    const bar = document.createElement('header');
    const title = document.createElement('h2');
    const flyout = document.createElement('button');
    flyout.type = 'button';
    flyout.className = 'flyoutButton';
    flyout.append(iconOf('menu'));
    flyout.title = 'Menu du panneau';
    flyout.setAttribute('aria-label', 'Menu du panneau');
    flyout.dataset.flyout = panel.id;
    const body = document.createElement('div');
    body.className = 'panelBody';
    bar.append(title, flyout);
    element.append(bar, body);
    this.container.append(element);
    const entry = {element, title, flyout, body, tree: new ViewTree(this.host, body, true), panel};
    flyout.addEventListener('click', () => {
      showMenu(flyout, entry.panel.flyout.map((item) => item.separator ? {separator: true} : {
        text: item.text, enabled: item.enabled, checked: item.checked,
        choose: () => this.host.send({type: 'flyout', id: item.id}),
      }), `flyout-${panel.id}`);
    });
    return entry;
  }
}

export class DialogWindows {
  constructor(host, layer) {
    this.host = host;
    this.layer = layer;
    this.shown = new Map();  // window key -> {element, tree}
    document.addEventListener('keydown', (event) => this.keyEquivalent(event));
  }

  get modalOpen() {
    return this.shown.size > 0;
  }

  render(windows) {
    const live = new Set();
    for (const window of windows.windows) {
      const key = window.identifier || window.title;
      live.add(key);
      let entry = this.shown.get(key);
      if (!entry) {
        entry = this.create(window, key);
        this.shown.set(key, entry);
      }
      entry.title.textContent = window.title;
      entry.body.style.width = `${window.frame[2]}px`;
      entry.body.style.height = `${window.frame[3]}px`;
      entry.element.classList.toggle('modal', window.modal);
      entry.tree.renderWindow(window);
    }
    for (const [key, entry] of this.shown)
      if (!live.has(key)) {
        entry.element.remove();
        this.shown.delete(key);
      }
    this.layer.hidden = this.layer.children.length === 0;
  }

  create(window, key) {
    const element = document.createElement('div');
    element.className = 'dialog';
    element.setAttribute('role', 'dialog');
    element.setAttribute('aria-modal', 'true');
    element.dataset.window = key;
    const title = document.createElement('h2');
    const body = document.createElement('div');
    body.className = 'dialogBody';
    element.append(title, body);
    this.layer.append(element);
    return {element, title, body, tree: new ViewTree(this.host, body)};
  }

  // Keys a dialog's buttons answer to; a field being edited keeps Return for itself.
  keyEquivalent(event) {
    if (!this.modalOpen || event.defaultPrevented) return;
    const inField = event.target instanceof HTMLInputElement && event.target.dataset.dirty === '1';
    let key = null;
    if (event.key === 'Escape') key = 'escape';
    else if (event.key === 'Enter' && !inField) key = 'return';
    else if ((event.metaKey || event.ctrlKey) && event.key.length === 1) key = event.key.toLowerCase();
    if (!key) return;
    event.preventDefault();
    this.host.send({type: 'key', key, cmd: event.metaKey || event.ctrlKey});
  }
}
