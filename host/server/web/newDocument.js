// File > New document: the size of each artboard in a unit, their number, and the unit the
// rulers speak; the host gets the size in points.

const POINTS_PER = {mm: 72 / 25.4, cm: 72 / 2.54, in: 72, pt: 1, pi: 12, px: 1, q: 72 / 101.6,
  ft: 864, yd: 2592, m: 7200 / 2.54};

const PRESETS = [['A4', 210, 297, 'mm'], ['A3', 297, 420, 'mm'], ['A5', 148, 210, 'mm'],
  ['Lettre US', 8.5, 11, 'in']];

function field(label, input) {
  const row = document.createElement('label');
  row.append(label, input);
  return row;
}

function numberInput(name, value, min, max, step) {
  const input = document.createElement('input');
  Object.assign(input, {type: 'number', name, value, min, max, step, required: true});
  return input;
}

export function askNewDocument(host) {
  const layer = document.getElementById('modalLayer');
  const form = document.createElement('form');
  form.className = 'dialog pageDialog';
  form.id = 'newDocumentDialog';
  form.setAttribute('role', 'dialog');
  form.setAttribute('aria-modal', 'true');
  const title = document.createElement('h2');
  title.textContent = 'Nouveau document';
  const preset = document.createElement('select');
  preset.name = 'preset';
  for (const [name] of PRESETS) preset.append(new Option(name, name));
  const width = numberInput('width', 210, 1, 100000, 'any');
  const height = numberInput('height', 297, 1, 100000, 'any');
  const artboards = numberInput('artboards', 2, 1, 1000, 1);
  const unit = document.createElement('select');
  unit.name = 'unit';
  for (const name of Object.keys(POINTS_PER)) unit.append(new Option(name, name, name === 'mm', name === 'mm'));
  preset.addEventListener('change', () => {
    const [, w, h, u] = PRESETS.find(([name]) => name === preset.value);
    width.value = w;
    height.value = h;
    unit.value = u;
  });
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  const cancel = document.createElement('button');
  cancel.type = 'button';
  cancel.textContent = 'Annuler';
  const ok = document.createElement('button');
  ok.type = 'submit';
  ok.textContent = 'OK';
  buttons.append(cancel, ok);
  form.append(title, field('Format', preset), field('Largeur', width), field('Hauteur', height),
    field('Plans de travail', artboards), field('Unité', unit), buttons);
  const close = () => {
    form.remove();
    layer.hidden = layer.children.length === 0;
  };
  cancel.addEventListener('click', close);
  form.addEventListener('keydown', (event) => { if (event.key === 'Escape') close(); });
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const factor = POINTS_PER[unit.value];
    host.send({type: 'documentNew', width: Number(width.value) * factor, height: Number(height.value) * factor,
      artboards: Number(artboards.value), unit: unit.value});
    close();
  });
  layer.append(form);
  layer.hidden = false;
  width.focus();
}
