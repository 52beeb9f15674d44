// One menu that opens under an element: the popups and combo boxes of the panels, the
// panels' flyout menus and the menu bar use it. Items: {text, enabled, checked, separator,
// items (a sub-menu), choose(event)}; the event passed on carries the modifiers held when the
// item was chosen (Alt-choose).

let openMenu = null;

export function closeMenus() {
  if (openMenu) openMenu.remove();
  openMenu = null;
}

document.addEventListener('mousedown', (event) => {
  if (openMenu && !openMenu.contains(event.target)) closeMenus();
});
document.addEventListener('keydown', (event) => {
  if (event.key === 'Escape' && openMenu) {
    closeMenus();
    event.stopPropagation();
  }
}, true);

function buildList(items, name) {
  const list = document.createElement('ul');
  list.className = 'menu';
  list.setAttribute('role', 'menu');
  if (name) list.dataset.menu = name;
  items.forEach((item, index) => {
    const entry = document.createElement('li');
    if (item.separator) {
      entry.className = 'separator';
      entry.setAttribute('role', 'separator');
      list.append(entry);
      return;
    }
    entry.setAttribute('role', 'menuitem');
    entry.textContent = item.text;
    entry.dataset.index = index;
    entry.dataset.item = item.text;
    if (item.checked) entry.classList.add('checked');
    if (item.enabled === false) {
      entry.classList.add('disabled');
      entry.setAttribute('aria-disabled', 'true');
    }
    if (item.items) {
      entry.classList.add('submenu');
      entry.append(buildList(item.items));
    } else if (item.enabled !== false) {
      entry.addEventListener('click', (event) => {
        event.stopPropagation();
        closeMenus();
        item.choose(event);
      });
    }
    list.append(entry);
  });
  return list;
}

// Opens the menu below `anchor` (closing any other); name becomes data-menu.
export function showMenu(anchor, items, name) {
  closeMenus();
  const list = buildList(items, name);
  list.classList.add('open');
  const box = anchor.getBoundingClientRect();
  list.style.left = `${box.left + window.scrollX}px`;
  list.style.top = `${box.bottom + window.scrollY}px`;
  document.body.append(list);
  openMenu = list;
  return list;
}
