// The document window: the host's view of the front document (as many pixels as the host
// says its view has, around its centre at its zoom, y downwards) drawn as the SVG export draws the page: artboards, art in
// black outlines, guides as thin cyan lines, the annotators' overlay on top. Three canvases
// stacked, each painted only when what it shows changed: the document, the guides (where
// only the part of the view that changed is painted again when the guides changed a little),
// and the overlay with the rubber band. The guides are painted straight from their frame's
// flat arrays (see connection.js) with the view's mapping as plain numbers; the tiles to paint
// again are kept with a summed-area table, so each guide is tested against them in a few
// reads. Mouse events over it go to the host in view pixels, with their modifiers; the cursor
// is the toolkit's current cursor image, hot spot included. With the host's selection tool,
// the selection's bounds show eight handles; a handle dragged resizes the selection
// (`resize`, the host's `selection resize`).

const GUIDE_COLOR = '#00bfff';
const FILE_GUIDE_COLOR = 'rgba(0, 0, 255, 0.5)';  // the file's own guides, as its program shows them
const SELECTED_COLOR = '#1a73e8';
const DRAG_THRESHOLD = 3;  // pixels the mouse moves before a press becomes a drag
const ARROWS = {ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, 1], ArrowDown: [0, -1]};
const TILE = 25;  // view pixels: the guides are painted again tile by tile
const SELECT_TOOL = 'Adobe Select Tool';
const HANDLE_SIZE = 7;  // view pixels: a handle's square, and the reach of the mouse on it
// The handles by their compass names, where they lie on the bounds (0 left or top, 1 right or
// bottom, on the screen), and the browser's cursor over each.
const HANDLES = [['nw', 0, 0, 'nwse'], ['n', 0.5, 0, 'ns'], ['ne', 1, 0, 'nesw'], ['e', 1, 0.5, 'ew'],
  ['se', 1, 1, 'nwse'], ['s', 0.5, 1, 'ns'], ['sw', 0, 1, 'nesw'], ['w', 0, 0.5, 'ew']];

export class DocumentView {
  // `layers`: the guides' canvas and the overlay's, over `canvas` and letting the mouse through.
  constructor(canvas, layers, connection, marks) {
    this.canvas = canvas;
    this.connection = connection;
    this.marks = marks;
    this.scale = Math.max(1, window.devicePixelRatio || 1);
    this.canvases = [canvas, layers.guides, layers.overlay];
    // The page's own first guess until the host's first state gives the view's size and zooms.
    this.resize({width: canvas.width, height: canvas.height, minZoom: 1, maxZoom: 1});
    this.context = canvas.getContext('2d');
    this.guidesContext = layers.guides.getContext('2d');
    this.overlayContext = layers.overlay.getContext('2d');
    this.press = null;
    this.rubberBand = null;
    this.cursorKey = '';
    this.hostCursor = '';  // the toolkit's cursor, shown wherever no handle is under the mouse
    this.painted = null;  // the guides on their canvas: {view, guides}
    this.pictures = new Map();  // address -> Image of an opened file, drawn by the browser
    this.listen();
  }

  // The view's size in pixels and its zoom range, as the host sends them with the document.
  resize(view) {
    this.view = {width: view.width, height: view.height, minZoom: view.minZoom, maxZoom: view.maxZoom};
    this.tilesAcross = Math.ceil(view.width / TILE);
    this.tilesDown = Math.ceil(view.height / TILE);
    for (const each of this.canvases) {
      if (each.width === view.width * this.scale && each.height === view.height * this.scale) continue;
      each.width = view.width * this.scale;
      each.height = view.height * this.scale;
      this.painted = null;
    }
  }

  // A zoom held within the range the host allows.
  zoomWithin(factor) {
    return Math.min(this.view.maxZoom, Math.max(this.view.minZoom, factor));
  }

  // View pixels of a mouse event, held inside the view.
  at(event) {
    const {width, height} = this.view;
    const box = this.canvas.getBoundingClientRect();
    const x = (event.clientX - box.left) * width / box.width;
    const y = (event.clientY - box.top) * height / box.height;
    return {x: Math.min(width, Math.max(0, Math.round(x))), y: Math.min(height, Math.max(0, Math.round(y)))};
  }

  listen() {
    const canvas = this.canvas;
    canvas.addEventListener('mousemove', (event) => {
      const point = this.at(event);
      if (this.press) {
        this.rubberBand = {from: this.press, to: point};
        this.drawOverlay(this.state?.overlay);
      }
      const handle = this.press ? this.press.handle : this.handleAt(point);
      canvas.style.cursor = handle ? `${HANDLES.find((h) => h[0] === handle)[3]}-resize` : this.hostCursor;
      this.onPointer?.(point);
      this.connection.move({type: 'move', ...point, alt: event.altKey, shift: event.shiftKey});
    });
    canvas.addEventListener('mouseleave', () => this.onPointer?.(null));
    canvas.addEventListener('mousedown', (event) => {
      if (event.button !== 0) return;
      canvas.focus();
      const point = this.at(event);
      this.press = {...point, handle: this.handleAt(point)};
      event.preventDefault();
    });
    window.addEventListener('mouseup', (event) => {
      if (!this.press || event.button !== 0) return;
      const from = this.press;
      const to = this.at(event);
      this.press = null;
      this.rubberBand = null;
      this.drawOverlay(this.state?.overlay);
      const modifiers = {alt: event.altKey, shift: event.shiftKey};
      const dragged = Math.abs(to.x - from.x) > DRAG_THRESHOLD || Math.abs(to.y - from.y) > DRAG_THRESHOLD;
      const point = {x: from.x, y: from.y};
      if (from.handle) {
        // A handle only resizes: a press on it that does not drag changes nothing.
        if (dragged) this.connection.send({type: 'resize', handle: from.handle, ...point, x2: to.x, y2: to.y, shift: event.shiftKey});
        return;
      }
      this.marks.begin(dragged ? 'drag' : 'click');
      if (dragged) this.connection.send({type: 'drag', ...point, x2: to.x, y2: to.y, ...modifiers});
      else this.connection.send({type: 'click', ...point, ...modifiers});
    });
    canvas.addEventListener('wheel', (event) => {
      event.preventDefault();
      if (event.ctrlKey) {
        const zoom = this.state.document?.view?.zoom ?? 1;
        this.connection.send({type: 'zoom', factor: this.zoomWithin(zoom * (event.deltaY < 0 ? 1.25 : 0.8))});
      } else {
        this.connection.send({type: 'pan', dx: -event.deltaX, dy: -event.deltaY});
      }
    }, {passive: false});
    canvas.addEventListener('keydown', (event) => {
      // Arrow keys move the selection a point, ten with Shift (artwork y grows upwards).
      const arrow = ARROWS[event.key];
      if (arrow) {
        event.preventDefault();
        const step = event.shiftKey ? 10 : 1;
        this.connection.send({type: 'selectionMove', dx: arrow[0] * step, dy: arrow[1] * step});
        return;
      }
      const key = event.key === 'Enter' ? 'return' : event.key === 'Escape' ? 'escape'
        : (event.key === 'Delete' || event.key === 'Backspace') ? 'delete' : null;
      if (!key) return;
      event.preventDefault();
      this.connection.send({type: 'key', key});
    });
  }

  // The selection's handles in view pixels, [name, x, y], while the host's selection tool is
  // selected and something is selected; else none.
  handles() {
    const bounds = this.state?.document?.selectionBounds;
    if (!bounds || this.state.toolbox?.selected !== SELECT_TOOL) return [];
    const t = this.transform(this.state.document.view);
    const [l, top, r, b] = bounds;
    const x0 = t.x(l), y0 = t.y(top), x1 = t.x(r), y1 = t.y(b);
    return HANDLES.map(([name, fx, fy]) => [name, x0 + (x1 - x0) * fx, y0 + (y1 - y0) * fy]);
  }

  // The name of the handle under a view point, or null.
  handleAt(point) {
    const reach = HANDLE_SIZE / 2 + 1;
    const found = this.handles().find(([, x, y]) => Math.abs(point.x - x) <= reach && Math.abs(point.y - y) <= reach);
    return found ? found[0] : null;
  }

  // The view's mapping of artwork points to view pixels.
  transform(view) {
    const zoom = view.zoom;
    const [h, v] = view.centre;
    const x0 = this.view.width / 2, y0 = this.view.height / 2;
    return {x: (ph) => (ph - h) * zoom + x0, y: (pv) => (v - pv) * zoom + y0};
  }

  // Paints the layers whose parts changed (all of them when `changed` is not given).
  draw(state, changed = null) {
    this.state = state;
    const view = state.document?.view;
    const resized = view && (view.width !== this.view.width || view.height !== this.view.height);
    if (view) this.resize(view);
    const all = !changed || resized;
    if (all || changed.has('document')) this.drawDocument(state.document);
    if (all || changed.has('document') || changed.has('guides')) this.drawGuides(state.guides, state.document);
    // The handles lie on the overlay and follow the selection and the tool.
    if (all || changed.has('overlay') || changed.has('document') || changed.has('toolbox')) this.drawOverlay(state.overlay);
  }

  drawDocument(document) {
    const c = this.context;
    c.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    c.fillStyle = '#e8e8e8';
    c.fillRect(0, 0, this.view.width, this.view.height);
    if (!document || !document.open) return;
    const t = this.transform(document.view);
    this.drawArtboards(document, t);
    this.drawPicture(document.picture, t);
    this.drawArt(document.art, t);
    this.drawFileGuides(document.fileGuides, document.view);
  }

  drawArtboards(document, t) {
    const c = this.context;
    c.lineWidth = 1;
    document.artboards.forEach((artboard, index) => {
      const [l, top, r, b] = artboard.rect;
      const x = t.x(l), y = t.y(top), w = t.x(r) - x, h = t.y(b) - y;
      c.fillStyle = '#ffffff';
      c.fillRect(x, y, w, h);
      c.strokeStyle = index === document.activeArtboard ? '#555555' : '#999999';
      c.strokeRect(Math.round(x) + 0.5, Math.round(y) + 0.5, Math.round(w), Math.round(h));
    });
  }

  // An opened file as the browser draws it, as an image: a script or an event handler in the
  // file never runs. Its art is then outlined only when selected.
  drawPicture(picture, t) {
    if (!picture) return;
    let image = this.pictures.get(picture.url);
    if (!image) {
      if (this.pictures.size > 4) this.pictures.clear();
      image = new Image();
      image.addEventListener('load', () => this.state && this.drawDocument(this.state.document));
      image.src = picture.url;
      this.pictures.set(picture.url, image);
    }
    if (!image.complete || !image.naturalWidth) return;
    const [l, top, r, b] = picture.rect;
    this.context.drawImage(image, t.x(l), t.y(top), t.x(r) - t.x(l), t.y(b) - t.y(top));
  }

  // The file's own guides: lines through a point along a direction, across the whole view.
  drawFileGuides(guides, view) {
    if (!guides || !guides.length) return;
    const c = this.context;
    const t = this.transform(view);
    const [h, v] = view.centre;
    c.beginPath();
    for (const [x, y, dx, dy] of guides) {
      const reach = Math.hypot(x - h, y - v) + Math.hypot(this.view.width, this.view.height) / view.zoom;  // past every corner
      c.moveTo(t.x(x - dx * reach), t.y(y - dy * reach));
      c.lineTo(t.x(x + dx * reach), t.y(y + dy * reach));
    }
    c.strokeStyle = FILE_GUIDE_COLOR;
    c.lineWidth = 1;
    c.stroke();
  }

  tracePath(art, t) {
    const c = this.context;
    const p = art.p;
    const handles = art.c;
    c.moveTo(t.x(p[0]), t.y(p[1]));
    const count = p.length / 2;
    const steps = art.closed ? count : count - 1;
    for (let i = 1; i <= steps; i++) {
      const j = i % count;
      if (handles) {
        const from = i - 1;
        c.bezierCurveTo(t.x(handles[from * 4 + 2]), t.y(handles[from * 4 + 3]),
          t.x(handles[j * 4]), t.y(handles[j * 4 + 1]), t.x(p[j * 2]), t.y(p[j * 2 + 1]));
      } else {
        c.lineTo(t.x(p[j * 2]), t.y(p[j * 2 + 1]));
      }
    }
    if (art.closed) c.closePath();
  }

  drawArt(arts, t) {
    const c = this.context;
    c.lineWidth = 1;
    for (const art of arts) {
      if (art.file && !art.selected) continue;
      c.beginPath();
      this.tracePath(art, t);
      c.strokeStyle = art.selected ? SELECTED_COLOR : '#000000';
      c.lineWidth = art.selected ? 2 : 1;
      c.stroke();
    }
  }

  // The guides on their canvas. When the view is the one they were painted in and the frame
  // is the one after the frame painted, only the tiles the changed guides cross are cleared
  // and painted again, with the guides that cross them; else every guide is.
  drawGuides(guides, document) {
    const view = document?.open ? document.view : null;
    const viewKey = view ? `${view.zoom} ${view.centre[0]} ${view.centre[1]}` : '';
    const painted = this.painted;
    if (painted && painted.view === viewKey && painted.guides === guides) return;
    this.painted = {view: viewKey, guides};
    const c = this.guidesContext;
    c.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    if (!view || !guides) {
      c.clearRect(0, 0, this.view.width, this.view.height);
      return;
    }
    const m = this.mapping(view);
    const following = guides.change && painted?.view === viewKey && painted.guides?.frame === guides.change.base;
    const tiles = following ? this.tilesChanged(guides.change, m) : null;
    if (tiles) this.paintTiles(guides, tiles, m);
    else this.paintAllGuides(guides, m);
  }

  // transform() as plain numbers, for the loops over tens of thousands of points: the same
  // arithmetic, so the guides land on the pixels the art's mapping gives.
  mapping(view) {
    return {zoom: view.zoom, h: view.centre[0], v: view.centre[1], x0: this.view.width / 2, y0: this.view.height / 2};
  }

  // Every guide in one path: 40,000 of them draw in one stroke.
  paintAllGuides(guides, m) {
    const c = this.guidesContext;
    c.clearRect(0, 0, this.view.width, this.view.height);
    c.beginPath();
    const {xy, start, count} = guides;
    for (let i = 0; i < count; ++i) traceGuide(c, xy, start[i], start[i + 1], m);
    this.strokeGuides();
  }

  strokeGuides() {
    const c = this.guidesContext;
    c.strokeStyle = GUIDE_COLOR;
    c.lineWidth = 1;
    c.stroke();
  }

  // The tiles the guides gone and come cross, or null when they are most of the view.
  tilesChanged(change, m) {
    const tiles = new ChangedTiles(this.tilesAcross, this.tilesDown);
    return tiles.mark(change.removed, m) && tiles.mark(change.added, m) ? tiles.summed() : null;
  }

  paintTiles(guides, tiles, m) {
    const c = this.guidesContext;
    c.save();
    c.beginPath();
    for (let index = 0; index < tiles.marks.length; ++index) {
      if (!tiles.marks[index]) continue;
      const x = (index % this.tilesAcross) * TILE, y = Math.floor(index / this.tilesAcross) * TILE;
      c.clearRect(x, y, TILE, TILE);
      c.rect(x, y, TILE, TILE);
    }
    c.clip();
    c.beginPath();
    const {xy, start, count} = guides;
    for (let i = 0; i < count; ++i) {
      const first = start[i], end = start[i + 1];
      if (tiles.crossedBy(xy, first, end, m)) traceGuide(c, xy, first, end, m);
    }
    this.strokeGuides();
    c.restore();
  }

  // The annotators' overlay and the rubber band on their own canvas.
  drawOverlay(overlay) {
    const c = this.overlayContext;
    c.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    c.clearRect(0, 0, this.view.width, this.view.height);
    for (const item of overlay?.items ?? []) {
      const [r, g, b] = item.color;
      const color = `rgb(${r},${g},${b})`;
      if (item.kind === 'text') {
        c.font = '12px sans-serif';
        c.fillStyle = color;
        c.fillText(item.text, item.at[0], item.at[1]);
      } else {
        c.beginPath();
        c.setLineDash(item.dashed ? [3, 3] : []);
        c.moveTo(item.at[0], item.at[1]);
        c.lineTo(item.to[0], item.to[1]);
        c.strokeStyle = color;
        c.lineWidth = item.width;
        c.stroke();
        c.setLineDash([]);
      }
    }
    this.drawHandles();
    if (this.rubberBand) this.drawRubberBand();
  }

  drawHandles() {
    const c = this.overlayContext;
    const half = HANDLE_SIZE / 2;
    c.lineWidth = 1;
    c.strokeStyle = SELECTED_COLOR;
    c.fillStyle = '#ffffff';
    for (const [, x, y] of this.handles()) {
      const left = Math.round(x - half) + 0.5, top = Math.round(y - half) + 0.5;
      c.fillRect(left, top, HANDLE_SIZE - 1, HANDLE_SIZE - 1);
      c.strokeRect(left, top, HANDLE_SIZE - 1, HANDLE_SIZE - 1);
    }
  }

  // The band from the press to the mouse, or while a handle is dragged the bounds it makes.
  drawRubberBand() {
    const {from, to} = this.rubberBand;
    let [x0, y0, x1, y1] = [from.x, from.y, to.x, to.y];
    const corners = from.handle ? this.handles() : [];
    if (corners.length) {
      [, x0, y0] = corners[0];
      [, x1, y1] = corners[4];
      const dx = to.x - from.x, dy = to.y - from.y, name = from.handle;
      if (name.includes('w')) x0 += dx;
      if (name.includes('e')) x1 += dx;
      if (name.includes('n')) y0 += dy;
      if (name.includes('s')) y1 += dy;
    }
    const c = this.overlayContext;
    c.setLineDash([4, 3]);
    c.strokeStyle = SELECTED_COLOR;
    c.lineWidth = 1;
    c.strokeRect(Math.min(x0, x1) + 0.5, Math.min(y0, y1) + 0.5, Math.abs(x1 - x0), Math.abs(y1 - y0));
    c.setLineDash([]);
  }

  // The toolkit's cursor: its pixels as a PNG with the hot spot, or the built-in ones.
  showCursor(cursor) {
    if (!cursor) return;
    const key = cursor.name ?? cursor.rgba;
    if (key === this.cursorKey) return;
    this.cursorKey = key;
    if (cursor.name) {
      this.hostCursor = this.canvas.style.cursor = cursor.name === 'pointingHand' ? 'pointer' : 'default';
      this.canvas.dataset.cursor = cursor.name;
      return;
    }
    const image = document.createElement('canvas');
    image.width = cursor.width;
    image.height = cursor.height;
    const bytes = Uint8ClampedArray.from(atob(cursor.rgba), (ch) => ch.charCodeAt(0));
    image.getContext('2d').putImageData(new ImageData(bytes, cursor.width, cursor.height), 0, 0);
    const [hx, hy] = cursor.hot;
    this.hostCursor = this.canvas.style.cursor = `url(${image.toDataURL('image/png')}) ${Math.round(hx)} ${Math.round(hy)}, crosshair`;
    this.canvas.dataset.cursor = `image ${cursor.width}x${cursor.height} hot ${hx} ${hy} ${hash(cursor.rgba)}`;
  }
}

// Adds the guide whose points are xy[first..end) to the path.
function traceGuide(c, xy, first, end, {zoom, h, v, x0, y0}) {
  if (first === end) return;
  c.moveTo((xy[first] - h) * zoom + x0, (v - xy[first + 1]) * zoom + y0);
  for (let k = first + 2; k < end; k += 2) c.lineTo((xy[k] - h) * zoom + x0, (v - xy[k + 1]) * zoom + y0);
}

// The tiles of the view that changed guides cross. Once marked, a summed-area table of them
// tells whether a segment's box holds a marked tile in four reads, whatever its size.
class ChangedTiles {
  constructor(across, down) {
    this.across = across;
    this.down = down;
    this.marks = new Uint8Array(across * down);
    this.count = 0;
    this.box = new Float64Array(4);  // left, top, right, bottom: the tiles of one segment
  }

  // Marks the tiles the segments of the guides listed may cover ({xy, start, indexes}, see
  // connection.js); false once they are more than half the view.
  mark({xy, start, indexes}, m) {
    const box = this.box, marks = this.marks, across = this.across;
    for (const g of indexes) {
      const first = start[g], end = start[g + 1];
      const stop = lastSegment(first, end), next = end - first > 2 ? 2 : 0;
      for (let i = first; i < stop; i += 2) {
        if (!this.boxOf(xy, i, i + next, m)) continue;
        for (let row = box[1]; row <= box[3]; ++row) {
          for (let index = row * across + box[0]; index <= row * across + box[2]; ++index) {
            this.count += 1 - marks[index];
            marks[index] = 1;
          }
        }
      }
      if (this.count * 2 > marks.length) return false;
    }
    return true;
  }

  // Sums of the marks above and left of each corner of the tiles' grid; the tiles, for chaining.
  summed() {
    const width = this.across + 1;
    const sums = new Int32Array(width * (this.down + 1));
    for (let row = 0; row < this.down; ++row) {
      let line = 0;
      for (let column = 0; column < this.across; ++column) {
        line += this.marks[row * this.across + column];
        sums[(row + 1) * width + column + 1] = sums[row * width + column + 1] + line;
      }
    }
    this.sums = sums;
    return this;
  }

  // Whether one of the segments of the guide xy[first..end) may cover a marked tile. Its tiles
  // are boxOf's, worked out in place: this runs for every guide of the frame.
  crossedBy(xy, first, end, {zoom, h, v, x0, y0}) {
    const sums = this.sums, width = this.across + 1, lastColumn = this.across - 1, lastRow = this.down - 1;
    const stop = lastSegment(first, end), next = end - first > 2 ? 2 : 0;
    for (let i = first; i < stop; i += 2) {
      const ax = (xy[i] - h) * zoom + x0, bx = (xy[i + next] - h) * zoom + x0;
      const ay = (v - xy[i + 1]) * zoom + y0, by = (v - xy[i + next + 1]) * zoom + y0;
      const left = Math.max(0, Math.floor((Math.min(ax, bx) - 1.5) / TILE));
      const right = Math.min(lastColumn, Math.floor((Math.max(ax, bx) + 1.5) / TILE)) + 1;
      const top = Math.max(0, Math.floor((Math.min(ay, by) - 1.5) / TILE)) * width;
      const below = (Math.min(lastRow, Math.floor((Math.max(ay, by) + 1.5) / TILE)) + 1) * width;
      if (!(left < right && top < below)) continue;
      if (sums[below + right] - sums[top + right] - sums[below + left] + sums[top + left] > 0) return true;
    }
    return false;
  }

  // The tiles the segment from point xy[i] to point xy[j] may cover (its bounds, a pixel and a
  // half wider for the line's width, within the view) into this.box; false when none.
  boxOf(xy, i, j, {zoom, h, v, x0, y0}) {
    const ax = (xy[i] - h) * zoom + x0, bx = (xy[j] - h) * zoom + x0;
    const ay = (v - xy[i + 1]) * zoom + y0, by = (v - xy[j + 1]) * zoom + y0;
    const box = this.box;
    box[0] = Math.max(0, Math.floor((Math.min(ax, bx) - 1.5) / TILE));
    box[1] = Math.max(0, Math.floor((Math.min(ay, by) - 1.5) / TILE));
    box[2] = Math.min(this.across - 1, Math.floor((Math.max(ax, bx) + 1.5) / TILE));
    box[3] = Math.min(this.down - 1, Math.floor((Math.max(ay, by) + 1.5) / TILE));
    return box[0] <= box[2] && box[1] <= box[3];
  }
}

// Past the last segment's first point, for a guide of points xy[first..end): each point but
// the last starts a segment; a guide of one point is one segment, from it to itself.
function lastSegment(first, end) {
  return end - first > 2 ? end - 2 : end;
}

// A short fingerprint of a text, for tests and people to tell cursors apart.
function hash(text) {
  let h = 2166136261;
  for (let i = 0; i < text.length; i++) h = Math.imul(h ^ text.charCodeAt(i), 16777619);
  return (h >>> 0).toString(16);
}
