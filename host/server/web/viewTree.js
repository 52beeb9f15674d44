// The toolkit's views as the page draws them, for the panels and the dialogs alike, read from
// the toolkit's one description of them (the keys of its layout files, and under "live" what
// a layout cannot set: kit/include/kit/Snapshot.h): each view a positioned element (its frame
// in its superview, the toolkit's y growing upwards), each control the HTML control a person
// expects, carrying its outlet name as id and data-outlet, its tool tip as title, its enabled
// and hidden states; a button showing the "lock" image is a padlock; the drawn views (the
// icons, the field buttons) paint what they recorded. Every user action goes to the host as
// the event it is, and the next state shows its outcome: nothing is decided here.

import {showMenu} from './popupMenu.js';
import {iconOf} from './icons.js';

const SIGN_NAMES = {'+': 'Plus', '-': 'Moins', '−': 'Moins'};
const ALIGN = {left: 'left', right: 'right', center: 'center', justified: 'justify', natural: 'left'};

function cssColor(rgba) {
  const [r, g, b, a] = rgba;
  return `rgba(${Math.round(r * 255)},${Math.round(g * 255)},${Math.round(b * 255)},${a})`;
}

// The outlet name a control's element stands for (a combo box's text is inside its box).
function outletOf(element) {
  return element.closest('[data-outlet]')?.dataset.outlet ?? '';
}

// What the view shows that its layout cannot set: the edit, the scroll, the drawing.
function live(view) {
  return view.live || {};
}

// A scroll view's document view comes after its other subviews, as a layout adds them.
function children(view) {
  return [...(view.subviews || []), ...(view.documentView ? [view.documentView] : [])];
}

function modifiers(event) {
  return {alt: event.altKey, shift: event.shiftKey};
}

export class ViewTree {
  // host: {send(event), mark(name)}; root: the element the views go in.
  constructor(host, root, keyButtons = false) {
    this.host = host;
    this.keyButtons = keyButtons;  // a panel: its fields pass Return and Escape to its buttons
    this.root = root;
    this.elements = new Map();  // path -> element, kept between renders
    this.followResponder = false;
  }

  render(view) {
    const seen = new Set();
    const element = this.renderView(view, 'v', view.frame[3], seen);
    if (element.parentElement !== this.root) this.root.replaceChildren(element);
    for (const shown of this.elements.values())
      if (shown.dataset.fitted === '0') shown.dataset.fitted = fitText(shown) ? '1' : '0';
    for (const [path, old] of this.elements)
      if (!seen.has(path)) {
        old.remove();
        this.elements.delete(path);
      }
    this.followResponder = false;
  }

  // A window's views sit in its content view, which fills it.
  renderWindow(window) {
    this.render({class: 'View', frame: [0, 0, window.frame[2], window.frame[3]], subviews: window.subviews || []});
  }

  renderView(view, path, parentHeight, seen) {
    const kind = kindOf(view);
    let element = this.elements.get(path);
    if (!element || element.dataset.kind !== kind) {
      element?.remove();
      element = this.create(kind);
      element.dataset.kind = kind;
      this.elements.set(path, element);
    }
    seen.add(path);
    element.view = view;
    this.place(element, view, parentHeight);
    this.update(element, kind, view);
    children(view).forEach((child, index) => {
      const childElement = this.renderView(child, `${path}/${index}`, view.frame[3], seen);
      if (childElement.parentElement !== element) element.append(childElement);
    });
    return element;
  }

  place(element, view, parentHeight) {
    const [x, y, w, h] = view.frame;
    Object.assign(element.style, {
      left: `${x}px`, top: `${parentHeight - y - h}px`, width: `${w}px`, height: `${h}px`,
    });
    element.hidden = !!view.hidden;
    element.classList.add('kitView');
    if (view.identifier) {
      element.id = view.identifier;
      element.dataset.outlet = view.identifier;
    }
    element.dataset.class = view.class;
    if (view.toolTip) element.title = view.toolTip;
    else element.removeAttribute('title');
  }

  create(kind) {
    switch (kind) {
      case 'field': return this.createField();
      case 'label': return document.createElement('span');
      case 'combo': return this.createCombo();
      case 'popup': return this.createPopup();
      case 'checkbox': return this.createCheckbox();
      case 'button': return this.createButton();
      case 'text': return document.createElement('div');
      case 'drawn': return this.createDrawn();
      default: return document.createElement('div');
    }
  }

  update(element, kind, view) {
    if ('enabled' in view) {
      element.classList.toggle('disabled', !view.enabled);
      const control = element.querySelector('input, button') || element;
      if ('disabled' in control) control.disabled = !view.enabled;
    }
    switch (kind) {
      case 'field': return this.updateField(element.querySelector('input') || element, view);
      case 'label':
        element.textContent = view.text;
        element.style.textAlign = ALIGN[view.alignment] || 'left';
        if (view.textColor) element.style.color = cssColor(view.textColor);
        return;
      case 'combo': return this.updateField(element.querySelector('input'), view);
      case 'popup': {
        const item = view.items[view.selectedIndex];
        element.querySelector('span').textContent = item && !item.separator ? item.title : '';
        return;
      }
      case 'checkbox':
        element.querySelector('input').checked = view.state !== 0;
        element.querySelector('span').textContent = view.title;
        return;
      case 'button':
        if (element.textContent !== view.title) {
          element.textContent = view.title;
          element.dataset.fitted = '0';
        }
        element.setAttribute('aria-pressed', String(view.buttonType !== 'momentaryPushIn' && view.state !== 0));
        element.classList.toggle('lock', view.image === 'lock');
        // A title that is a lone sign is read by its name, as the platform's accessibility does.
        if (SIGN_NAMES[view.title]) element.setAttribute('aria-label', SIGN_NAMES[view.title]);
        return;
      case 'text':
        element.textContent = view.text;
        element.style.textAlign = ALIGN[view.alignment] || 'left';
        if (element.dataset.scrolls !== String(live(view).scrolls)) scrollToRange(element, live(view).scrolled);
        element.dataset.scrolls = String(live(view).scrolls);
        return;
      case 'drawn': return this.paint(element, view);
      default:
    }
  }

  // ---- fields ----------------------------------------------------------------------------

  createField() {
    const input = document.createElement('input');
    input.type = 'text';
    input.spellcheck = false;
    input.autocomplete = 'off';
    input.addEventListener('input', () => { input.dataset.dirty = '1'; });
    input.addEventListener('mousedown', () => {
      if (document.activeElement !== input) this.host.send({type: 'uiClick', control: outletOf(input)});
    });
    input.addEventListener('keydown', (event) => this.fieldKey(input, event));
    input.addEventListener('blur', () => {
      // Leaving the field ends the edit, as Return does.
      if (input.dataset.dirty === '1') this.endEdit(input);
    });
    return input;
  }

  updateField(input, view) {
    input.style.textAlign = ALIGN[view.alignment] || 'left';
    input.readOnly = view.editable === false;
    if (view.textColor) input.style.color = cssColor(view.textColor);
    if (view.backgroundColor && view.drawsBackground !== false)
      input.style.backgroundColor = cssColor(view.backgroundColor);
    const editingHere = document.activeElement === input && input.dataset.dirty === '1';
    if (!editingHere && input.value !== view.text) input.value = view.text;
    if (!editingHere) input.dataset.dirty = '0';
    // The focus follows the host's first responder when it moves there (Tab, or a field the
    // plug-in selects, such as the name of a new set).
    const editing = !!live(view).editing && !view.hidden;
    const startsEditing = editing && input.dataset.editing !== 'true';
    input.dataset.editing = String(editing);
    if ((this.followResponder || startsEditing) && live(view).editing && document.activeElement !== input) {
      input.focus();
      input.select();
    }
  }

  endEdit(input) {
    input.dataset.dirty = '0';
    this.host.mark('type');
    return this.host.send({type: 'uiType', control: outletOf(input), text: input.value});
  }

  async fieldKey(input, event) {
    const commands = {ArrowUp: 'moveUp:', ArrowDown: 'moveDown:', Tab: event.shiftKey ? 'insertBacktab:' : 'insertTab:'};
    if (event.key === 'Enter') {
      event.preventDefault();
      event.stopPropagation();
      await this.endEdit(input);
      if (this.keyButtons) this.pressKeyButton('\r');
    } else if (event.key === 'Escape' && input.dataset.dirty === '1') {
      event.stopPropagation();
      input.dataset.dirty = '0';
      input.value = input.closest('[data-kind]')?.view?.text ?? input.value;
      if (this.keyButtons) this.pressKeyButton('\x1b');
    } else if (event.key === 'Escape' && this.keyButtons) {
      this.pressKeyButton('\x1b');
    } else if (commands[event.key]) {
      event.preventDefault();
      if (input.dataset.dirty === '1') await this.endEdit(input);
      if (event.key === 'Tab') this.followResponder = true;
      else this.host.mark('arrow');
      await this.host.send({type: 'uiCommand', control: outletOf(input), selector: commands[event.key]});
    }
  }

  // A panel's shown button whose key equivalent is `key` takes the key typed in its field,
  // as a window's default and cancel buttons do.
  pressKeyButton(key) {
    for (const element of this.elements.values())
      if (element.view?.keyEquivalent === key && !element.view.hidden && element.view.enabled !== false
          && element.offsetParent !== null) {
        this.host.mark('button');
        return this.host.send({type: 'uiClick', control: outletOf(element)});
      }
    return null;
  }

  // ---- popups and combo boxes -------------------------------------------------------------

  createCombo() {
    const box = document.createElement('div');
    box.className = 'combo';
    const input = this.createField();
    const opener = document.createElement('button');
    opener.type = 'button';
    opener.append(iconOf('down'));
    opener.tabIndex = -1;
    opener.setAttribute('aria-label', 'Liste');
    opener.addEventListener('click', () => {
      const view = box.view;
      showMenu(opener, view.items.map((text, index) => ({
        text, checked: index === view.selectedIndex,
        choose: (event) => this.choose(view.identifier, index, event),
      })), view.identifier);
    });
    box.append(input, opener);
    return box;
  }

  createPopup() {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'popup';
    button.append(document.createElement('span'));
    button.addEventListener('click', () => {
      const view = button.view;
      showMenu(button, view.items.map((item, index) => item.separator ? {separator: true} : {
        text: item.title, enabled: item.enabled, checked: index === view.selectedIndex,
        choose: (event) => this.choose(view.identifier, index, event),
      }), view.identifier);
    });
    return button;
  }

  choose(control, index, event) {
    this.host.mark('choose');
    this.host.send({type: 'uiChoose', control, index, ...modifiers(event)});
  }

  // ---- buttons ------------------------------------------------------------------------------

  createButton() {
    const button = document.createElement('button');
    button.type = 'button';
    button.addEventListener('click', (event) => {
      this.host.mark('button');
      this.host.send({type: 'uiClick', control: outletOf(button), ...modifiers(event)});
    });
    return button;
  }

  createCheckbox() {
    const label = document.createElement('label');
    label.className = 'checkbox';
    const box = document.createElement('input');
    box.type = 'checkbox';
    label.append(box, document.createElement('span'));
    box.addEventListener('click', (event) => {
      event.preventDefault();  // the host's state decides whether it is checked
      this.host.send({type: 'uiClick', control: outletOf(label), ...modifiers(event)});
    });
    return label;
  }

  // ---- drawn views --------------------------------------------------------------------------

  createDrawn() {
    const canvas = document.createElement('canvas');
    canvas.addEventListener('mouseenter', () => this.host.send({type: 'uiHover', control: outletOf(canvas)}));
    canvas.addEventListener('mouseleave', () => this.host.send({type: 'uiLeave', control: outletOf(canvas)}));
    canvas.addEventListener('click', (event) => {
      this.host.mark('button');
      this.host.send({type: 'uiClick', control: outletOf(canvas), ...modifiers(event)});
    });
    return canvas;
  }

  // What the view recorded in its last drawRect, in its own coordinates (y upwards).
  paint(canvas, view) {
    const [, , w, h] = view.frame;
    const scale = Math.max(1, window.devicePixelRatio || 1);
    canvas.width = Math.max(1, Math.round(w * scale));
    canvas.height = Math.max(1, Math.round(h * scale));
    const c = canvas.getContext('2d');
    c.setTransform(scale, 0, 0, -scale, 0, h * scale);
    const drawing = live(view).drawing || [];
    for (const record of drawing) {
      if (record.fill) {
        const [x, y, fw, fh] = record.fill;
        if (record.clear) c.clearRect(x, y, fw, fh);
        else {
          c.fillStyle = cssColor(record.color);
          c.fillRect(x, y, fw, fh);
        }
        continue;
      }
      c.beginPath();
      for (const [kind, x, y] of record.stroke) {
        if (kind === 'M') c.moveTo(x, y);
        else if (kind === 'L') c.lineTo(x, y);
        else c.closePath();
      }
      c.strokeStyle = cssColor(record.color);
      c.lineWidth = record.width;
      c.stroke();
    }
    canvas.dataset.strokes = String(drawing.length);
  }
}

// A title wider than its button is set smaller until it fits, as small controls do; false
// while the button is not laid out (hidden), to be fitted when shown.
function fitText(element) {
  element.style.fontSize = '';
  if (!element.isConnected || element.clientWidth === 0) return false;
  for (let size = 10; size > 6 && element.scrollWidth > element.clientWidth; --size) element.style.fontSize = `${size - 1}px`;
  return true;
}

// Scrolls a text so that the range the host asked to show (in bytes of UTF-8) is in view.
function scrollToRange(element, [location] = [0]) {
  const text = element.firstChild;
  if (!location || !text) {
    element.scrollTop = 0;
    return;
  }
  const bytes = new TextEncoder().encode(text.data).subarray(0, location);
  const range = document.createRange();
  range.setStart(text, Math.min(text.data.length, new TextDecoder().decode(bytes).length));
  const line = range.getBoundingClientRect();
  const box = element.getBoundingClientRect();
  if (line.top < box.top || line.bottom > box.bottom) element.scrollTop += line.top - box.top;
}

// The HTML a view becomes.
function kindOf(view) {
  switch (view.class) {
    case 'TextField': return view.editable === false ? 'label' : 'field';
    case 'ComboBox': return 'combo';
    case 'PopUpButton': return 'popup';
    case 'Button': return view.buttonType === 'switch' || view.buttonType === 'radio' ? 'checkbox' : 'button';
    case 'TextView': return 'text';
    case 'View': case 'ScrollView': return 'group';
    default: return children(view).length ? 'group' : 'drawn';
  }
}
