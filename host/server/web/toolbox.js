// The toolbox: the host's tools and those the plug-ins registered, by group as the host
// places them, each button named by its tool (data-tool) and showing its title.

import {iconOf} from './icons.js';

// The host's own tools: a drawn icon (style.css) and a short title.
const SHORT = {'Adobe Select Tool': ['select', 'Sélection'], 'Adobe Eyedropper Tool': ['eyedropper', 'Pipette'],
  'Rectangle Tool': ['rectangle', 'Rectangle']};

export class Toolbox {
  constructor(host, element) {
    this.host = host;
    this.element = element;
    this.key = '';
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
        const [icon, title] = SHORT[tool.name] ?? [null, tool.title];
        if (icon) button.append(iconOf(icon));
        button.append(title);
        button.title = tool.tooltip || tool.title;
        button.addEventListener('click', () => this.host.send({type: 'tool', name: tool.name}));
        box.append(button);
      }
      return box;
    }));
  }
}
