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
      const sub = buildList(item.items);
      entry.append(sub);
      entry.addEventListener('mouseenter', () => {
        entry.classList.add('open');
        placeSubmenu(sub, entry.getBoundingClientRect());
      });
      entry.addEventListener('mouseleave', () => entry.classList.remove('open'));
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

// The window's room: menus stay inside it, as a desktop's menus stay on the screen.
function room() {
  return {width: document.documentElement.clientWidth, height: document.documentElement.clientHeight};
}

// A list taller than the window scrolls within it.
function limitHeight(list, height) {
  if (list.offsetHeight <= height) return;
  list.style.maxHeight = `${height}px`;
  list.style.overflowY = 'auto';
}

// Below the anchor, else above it; from its left edge, else ending at its right edge.
function placeMenu(list, box) {
  const {width, height} = room();
  limitHeight(list, height);
  const w = list.offsetWidth;
  const h = list.offsetHeight;
  const left = box.left + w <= width ? box.left : Math.max(0, Math.min(box.right, width) - w);
  let top = box.bottom;
  if (top + h > height) top = box.top - h >= 0 ? box.top - h : Math.max(0, height - h);
  list.style.left = `${left + window.scrollX}px`;
  list.style.top = `${top + window.scrollY}px`;
}

// Right of its item, else left of it; moved up as far as it must to end in the window.
function placeSubmenu(sub, box) {
  const {width, height} = room();
  limitHeight(sub, height);
  const toLeft = box.right + sub.offsetWidth > width && box.left - sub.offsetWidth >= 0;
  sub.style.left = toLeft ? 'auto' : '100%';
  sub.style.right = toLeft ? '100%' : 'auto';
  const top = Math.min(box.top - 4, height - sub.offsetHeight);
  sub.style.top = `${Math.max(0, top) - box.top}px`;
}

// Opens the menu below `anchor` (closing any other); name becomes data-menu.
export function showMenu(anchor, items, name) {
  closeMenus();
  const list = buildList(items, name);
  list.classList.add('open');
  document.body.append(list);
  placeMenu(list, anchor.getBoundingClientRect());
  openMenu = list;
  return list;
}
