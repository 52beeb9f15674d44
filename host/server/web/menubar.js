// The menu bar: a File menu of the page's own (a new document of a size, a number of
// artboards and a unit; closing it), the host's menus with the items the plug-ins added
// (updated by their plug-ins each time a menu opens), and a View menu (zoom, the light or
// dark theme, the ruler unit). The Edit menu and its keys undo and redo through the host,
// which keeps the history; the page never undoes anything by itself.

import {showMenu} from './popupMenu.js';
import {askNewDocument} from './newDocument.js';
import {chooseFileToOpen, downloadDocument} from './documentFiles.js';

const UNITS = [['mm', 'millimètres'], ['cm', 'centimètres'], ['in', 'pouces'], ['pt', 'points'],
  ['pi', 'picas'], ['px', 'pixels'], ['q', 'quarts'], ['ft', 'pieds'], ['yd', 'yards'], ['m', 'mètres']];

export class MenuBar {
  constructor(host, bar) {
    this.host = host;
    this.bar = bar;
    this.menus = [];
    this.state = {};
  }

  render(state) {
    this.state = state;
    const names = ['Fichier', 'Édition', ...(state.menus?.menus ?? []).map((menu) => menu.name), 'Affichage'];
    if (names.join('\n') === this.menus.join('\n')) return;
    this.menus = names;
    this.bar.replaceChildren(...names.map((name) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = name;
      button.dataset.menu = name;
      button.setAttribute('role', 'menuitem');
      button.addEventListener('click', () => this.open(button, name));
      return button;
    }));
  }

  async open(button, name) {
    if (name === 'Fichier') return showMenu(button, this.fileItems(), name);
    if (name === 'Affichage') return showMenu(button, this.viewItems(), name);
    if (name === 'Édition') return showMenu(button, this.editItems(), name);
    // The plug-ins update their items first; the menu shows them as they are then.
    await this.host.send({type: 'menus'});
    await this.host.settled();
    const menu = (this.state.menus?.menus ?? []).find((m) => m.name === name);
    if (menu) showMenu(button, this.hostItems(menu.items), name);
  }

  hostItems(items) {
    return items.map((item) => ({
      text: item.text, enabled: item.enabled, checked: item.checked,
      items: item.items ? this.hostItems(item.items) : undefined,
      choose: () => this.host.send({type: 'menu', path: item.path}),
    }));
  }

  // Enregistrer writes back the file the host opened from disk, else downloads; Enregistrer
  // sous… always downloads.
  fileItems() {
    const document = this.state.document;
    const open = document?.open === true;
    return [
      {text: 'Nouveau document…', choose: () => askNewDocument(this.host)},
      {text: 'Ouvrir…', choose: () => chooseFileToOpen(this.host)},
      {text: 'Enregistrer', enabled: open,
        choose: () => (document.savedTo ? this.host.send({type: 'documentSave'}) : downloadDocument())},
      {text: 'Enregistrer sous…', enabled: open, choose: () => downloadDocument()},
      {separator: true},
      {text: 'Fermer le document', enabled: open, choose: () => this.host.send({type: 'documentClose'})},
    ];
  }

  editItems() {
    const document = this.state.document;
    return [
      {text: 'Annuler', enabled: document?.canUndo === true, choose: () => this.host.send({type: 'undo'})},
      {text: 'Rétablir', enabled: document?.canRedo === true, choose: () => this.host.send({type: 'redo'})},
    ];
  }

  viewItems() {
    const document = this.state.document;
    const zoom = document?.view?.zoom ?? 1;
    const dark = this.state.session?.theme === 'dark';
    const open = document?.open === true;
    return [
      {text: 'Zoom avant', enabled: open, choose: () => this.host.send({type: 'zoom', factor: Math.min(64, zoom * 1.25)})},
      {text: 'Zoom arrière', enabled: open, choose: () => this.host.send({type: 'zoom', factor: Math.max(1 / 64, zoom / 1.25)})},
      {text: 'Tout le document', enabled: open, choose: () => this.host.send({type: 'fit'})},
      {separator: true},
      {text: 'Thème clair', checked: !dark, choose: () => this.host.send({type: 'theme', name: 'light'})},
      {text: 'Thème sombre', checked: dark, choose: () => this.host.send({type: 'theme', name: 'dark'})},
      {separator: true},
      {text: 'Unité de la règle', enabled: open, items: UNITS.map(([unit, name]) => ({
        text: name, checked: document?.rulerUnit === unit,
        choose: () => this.host.send({type: 'rulerUnit', unit}),
      }))},
    ];
  }
}

// The event of an undo or redo key (⌘Z or Ctrl+Z; ⇧⌘Z, Ctrl+Shift+Z or Ctrl+Y), else null.
export function editKeyEvent(event) {
  if (!(event.ctrlKey || event.metaKey) || event.altKey) return null;
  const key = event.key.toLowerCase();
  if (key === 'z') return {type: event.shiftKey ? 'redo' : 'undo'};
  return key === 'y' && !event.shiftKey ? {type: 'redo'} : null;
}

export {UNITS};
