// What the host showed, played and opened since the page came: its alerts as modal messages,
// its sounds played by the browser (converted from the plug-in's AIFF files), the web pages
// the plug-in asked to open as links. What happened before the page connected stays in the
// past.

export class Feed {
  constructor(layer, toasts) {
    this.layer = layer;
    this.toasts = toasts;
    this.seen = {alerts: null, sounds: null, urls: null};
    this.played = [];  // sound numbers the page played, for tests and people alike
  }

  update(name, part) {
    const first = this.seen[name] === null;
    const since = first ? part.count : this.seen[name];
    this.seen[name] = part.count;
    if (first) return;
    for (const entry of part.recent) {
      if (entry.n < since) continue;
      if (name === 'alerts') this.alert(entry.text);
      else if (name === 'sounds') this.play(entry);
      else this.opened(entry.url);
    }
  }

  alert(text) {
    const box = document.createElement('div');
    box.className = 'dialog alert';
    box.setAttribute('role', 'alertdialog');
    box.setAttribute('aria-modal', 'true');
    const message = document.createElement('p');
    message.textContent = text;
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = 'OK';
    ok.addEventListener('click', () => {
      box.remove();
      this.layer.hidden = this.layer.children.length === 0;
    });
    box.append(message, ok);
    this.layer.append(box);
    this.layer.hidden = false;
    ok.focus();
  }

  play(entry) {
    this.played.push(entry.n);
    const audio = new Audio(`/sound/${entry.n}.wav`);
    audio.dataset.file = entry.file;
    audio.play().catch(() => {});
  }

  opened(url) {
    const toast = document.createElement('div');
    toast.className = 'toast';
    toast.append('Page web demandée par le plug-in : ');
    if (/^https?:\/\//.test(url)) {
      const link = document.createElement('a');
      link.href = url;
      link.target = '_blank';
      link.rel = 'noopener noreferrer';
      link.textContent = url;
      toast.append(link);
    } else {
      toast.append(url);
    }
    this.toasts.append(toast);
    setTimeout(() => toast.remove(), 8000);
  }
}
