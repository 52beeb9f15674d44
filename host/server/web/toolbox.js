// The toolbox: the host's tools and those the plug-ins registered, by group as the host
// places them, each button named by its tool (data-tool) and showing its title.

const SHORT = {'Adobe Select Tool': '➤ Sélection', 'Adobe Eyedropper Tool': '⌖ Pipette', 'Rectangle Tool': '▭ Rectangle'};

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
        button.textContent = SHORT[tool.name] ?? tool.title;
        button.title = tool.tooltip || tool.title;
        button.addEventListener('click', () => this.host.send({type: 'tool', name: tool.name}));
        box.append(button);
      }
      return box;
    }));
  }
}
