// The page of the simulated host: one document window, the toolbox, the menus, the plug-in's
// panels and dialogs, all drawn from the state the host streams, all acting through events
// the host runs. window.guidesPage holds the state and the measures, for tests and for
// people's own scripts.

import {Connection} from './connection.js';
import {DocumentView} from './documentView.js';
import {DialogWindows, PanelWindows} from './windows.js';
import {MenuBar, editKeyEvent} from './menubar.js';
import {Toolbox} from './toolbox.js';
import {Feed} from './feed.js';
import {Rulers} from './rulers.js';

// From a click or a control to the new guides drawn: a performance mark when the user acts,
// another when the next guides part has been drawn, and their measure.
class Marks {
  constructor() {
    this.pending = null;
    this.count = 0;
    this.latencies = [];
  }

  begin(kind) {
    this.count += 1;
    const name = `${kind}-${this.count}`;
    performance.mark(`act:${name}`);
    this.pending = {kind, name, at: performance.now()};
  }

  // After the guides were drawn: what the last action cost, if it was recent.
  guidesDrawn() {
    const pending = this.pending;
    this.pending = null;
    if (!pending || performance.now() - pending.at > 5000) return;
    performance.mark(`drawn:${pending.name}`);
    const measure = performance.measure(`guides:${pending.name}`, `act:${pending.name}`, `drawn:${pending.name}`);
    this.latencies.push({kind: pending.kind, ms: measure.duration});
  }
}

const connection = new Connection();
const marks = new Marks();
const updates = [];  // resolvers waiting for the next state message
// The status line says what the last event met: a refusal stays until an event goes through.
connection.onAnswer = (event, answer) => {
  if (answer.error) status(answer.error, true);
  else if (answer.refused?.length) status(answer.refused.join(' · '), true);
  else if (event.type !== 'move') status('');
};
const host = {
  send: (event) => connection.send(event),
  upload: (file) => connection.upload(file),
  mark: (kind) => marks.begin(kind),
  // Resolves at the next state message, or soon when nothing changed.
  settled: () => new Promise((resolve) => {
    updates.push(resolve);
    setTimeout(resolve, 150);
  }),
};

const documentView = new DocumentView(document.getElementById('documentCanvas'), {
  guides: document.getElementById('guidesLayer'), overlay: document.getElementById('overlayLayer'),
}, connection, marks);
const panels = new PanelWindows(host, document.getElementById('panels'));
const dialogs = new DialogWindows(host, document.getElementById('modalLayer'));
const menubar = new MenuBar(host, document.getElementById('menubar'));
const toolbox = new Toolbox(host, document.getElementById('toolbox'));
const rulers = new Rulers(document.getElementById('rulerTop'), document.getElementById('rulerLeft'),
  document.getElementById('rulerCorner'), document.getElementById('documentCanvas'));
documentView.onPointer = (point) => { document.getElementById('pointerText').textContent = rulers.pointerText(point); };
const feed = new Feed(document.getElementById('modalLayer'), document.getElementById('toasts'));

function status(text, warning = false) {
  const line = document.getElementById('statusText');
  line.textContent = text;
  line.classList.toggle('warning', warning);
}

function showSession(session) {
  document.body.dataset.theme = session.theme;
  document.body.dataset.modal = session.modal ?? '';
  const tabs = document.getElementById('documentTabs');
  tabs.replaceChildren(...session.documents.map((name, index) => {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.setAttribute('role', 'tab');
    tab.setAttribute('aria-selected', String(index === session.front));
    tab.textContent = name;
    tab.addEventListener('click', () => host.send({type: 'documentSwitch', index: index + 1}));
    return tab;
  }));
}

connection.onUpdate((changed, state) => {
  if (changed.has('document') || changed.has('guides') || changed.has('overlay') || changed.has('toolbox')) {
    documentView.draw(state, changed);
    if (changed.has('guides')) marks.guidesDrawn();
    const zoom = state.document?.view?.zoom;
    document.getElementById('zoomText').textContent = zoom ? `${Math.round(zoom * 1000) / 10} %` : '';
  }
  if (changed.has('cursor')) documentView.showCursor(state.cursor);
  if (changed.has('session')) showSession(state.session);
  if (changed.has('document') || changed.has('session')) rulers.draw(state.document);  // the theme's colours too
  if (changed.has('toolbox')) toolbox.render(state.toolbox);
  if (changed.has('menus') || changed.has('document') || changed.has('session')) menubar.render(state);
  if (changed.has('panels')) panels.render(state.panels);
  if (changed.has('windows')) dialogs.render(state.windows);
  for (const name of ['alerts', 'sounds', 'urls']) if (changed.has(name)) feed.update(name, state[name]);
  while (updates.length) updates.shift()();
  page.updates += 1;
});

const lost = document.getElementById('connectionLost');
connection.open(() => { lost.hidden = false; }, () => { lost.hidden = true; });

const currentZoom = () => connection.state.document?.view?.zoom ?? 1;
const zoomTo = (factor) => host.send({type: 'zoom', factor: documentView.zoomWithin(factor)});
document.getElementById('zoomIn').addEventListener('click', () => zoomTo(currentZoom() * 1.25));
document.getElementById('zoomOut').addEventListener('click', () => zoomTo(currentZoom() / 1.25));
document.getElementById('zoomFit').addEventListener('click', () => host.send({type: 'fit'}));

// Delete and Return over the page (not in a field) reach the document as they would on a desktop.
document.addEventListener('keydown', (event) => {
  if (event.target !== document.body || dialogs.modalOpen) return;
  const key = event.key === 'Enter' ? 'return' : (event.key === 'Delete' || event.key === 'Backspace') ? 'delete' : null;
  if (key) host.send({type: 'key', key});
});

// Undo and redo keys anywhere but in a text field, which keeps its own undo of what is typed.
document.addEventListener('keydown', (event) => {
  const edit = editKeyEvent(event);
  if (!edit || dialogs.modalOpen || event.target.closest?.('input, textarea, [contenteditable]')) return;
  event.preventDefault();
  host.send(edit);
});

const page = {
  get state() { return connection.state; },
  get latencies() { return marks.latencies; },
  get played() { return feed.played; },
  get sent() { return connection.sent; },
  updates: 0,
  send: host.send,
  view: documentView,
};
window.guidesPage = page;
