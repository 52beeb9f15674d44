// A drawn icon: its shape is the style sheet's --icon-NAME, painted in the text's colour.
export function iconOf(name) {
  const icon = document.createElement('span');
  icon.className = 'icon';
  icon.style.setProperty('--icon', `var(--icon-${name})`);
  icon.setAttribute('aria-hidden', 'true');
  return icon;
}
