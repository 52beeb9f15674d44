// The toolbox: the host's tools and those the plug-ins registered, by group as the host
// places them, each button named by its tool (data-tool) and showing its title. The host's
// tools have their usual letters (V, M, I), typed anywhere but in a text field or a dialog;
// a plug-in's tools have none, the host's toolbox giving them no shortcut.

import {iconOf} from './icons.js';

// The host's own tools: a drawn icon (style.css), a short title and the letter choosing it.
const SHORT = {'Adobe Select Tool': ['select', 'Sélection', 'V'], 'Adobe Eyedropper Tool': ['eyedropper', 'Pipette', 'I'],
  'Rectangle Tool': ['rectangle', 'Rectangle', 'M']};

export class Toolbox {
  constructor(host, element) {
    this.host = host;
    this.element = element;
    this.key = '';
    this.letters = new Map();  // letter -> tool name, of the tools shown
    document.addEventListener('keydown', (event) => this.shortcut(event));
  }

  shortcut(event) {
    if (event.ctrlKey || event.metaKey || event.altKey || event.repeat || document.body.dataset.modal) return;
    if (event.target.closest?.('input, textarea, select, [contenteditable]')) return;
    const tool = this.letters.get(event.key.toUpperCase());
    if (!tool) return;
    event.preventDefault();
    this.host.send({type: 'tool', name: tool});
  }

  render(toolbox) {
    const key = JSON.stringify(toolbox.tools);
    if (key !== this.key) {
      this.key = key;
      this.build(toolbox.tools);
    }
    for (const button of this.element.querySelectorAll('button'))
      button.setAttribute('aria-pressed', String(button.dataset.tool === toolbox.selected));
  }

  build(tools) {
    this.letters.clear();
    const groups = new Map();
    for (const tool of tools) {
      if (!groups.has(tool.group)) groups.set(tool.group, []);
      groups.get(tool.group).push(tool);
    }
    this.element.replaceChildren(...[...groups.values()].map((group) => {
      const box = document.createElement('div');
      box.className = 'toolGroup';
      for (const tool of group) {
        const button = document.createElement('button');
        button.type = 'button';
        button.dataset.tool = tool.name;
        button.dataset.owner = tool.owner;
        const [icon, title, letter] = SHORT[tool.name] ?? [null, tool.title, null];
        if (icon) button.append(iconOf(icon));
        button.append(title);
        button.title = letter ? `${title} (${letter})` : tool.tooltip || tool.title;
        if (letter) {
          button.setAttribute('aria-keyshortcuts', letter);
          this.letters.set(letter, tool.name);
        }
        button.addEventListener('click', () => this.host.send({type: 'tool', name: tool.name}));
        box.append(button);
      }
      return box;
    }));
  }
}
