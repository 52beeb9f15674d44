// The page's link to the host: the state arrives by Server-Sent Events as named parts
// (document, guides, overlay, cursor, panels, ...), each replaced whole when it changes; the
// guides come as numbered frames of bytes: in the part when they are few; else the part
// carries the changes from the frame before, which the page applies to the frame it holds,
// and names the whole frame, which a page holding another frame reads apart (tens of
// thousands of guides are read without parsing text, into a few flat typed arrays, no object
// per guide, and changes are applied with one copy per run of guides kept or added);
// events go out one POST each. Mouse moves are merged: one is in flight at a time and only
// the latest of those that came meanwhile follows it.

// The largest file the host opens.
const MAX_UPLOAD = 64 * 1024 * 1024;

export class Connection {
  constructor() {
    this.state = {};
    this.listeners = [];
    this.sequence = 0;
    this.pendingMove = null;
    this.moveInFlight = false;
    this.sent = 0;
    this.stores = [new FrameStore(), new FrameStore()];
  }

  // listener(changedNames, state), after every message.
  onUpdate(listener) {
    this.listeners.push(listener);
  }

  open(onLost, onBack) {
    const stream = new EventSource('/events');
    stream.onmessage = (message) => this.receive(message.data);
    stream.onerror = () => onLost();
    stream.onopen = () => onBack();
    this.stream = stream;
  }

  // Messages are shown in the order they came; one whose guides are still being read waits
  // for them, and those after it wait their turn.
  receive(data) {
    const message = JSON.parse(data);
    this.applied = (this.applied ?? Promise.resolve()).then(() => this.apply(message))
        .catch((error) => console.warn(`a state message was not shown: ${error}`));
  }

  async apply(message) {
    if (message.parts.guides) message.parts.guides = await this.guidesOf(message.parts.guides);
    this.sequence = message.seq;
    const changed = Object.keys(message.parts);
    for (const name of changed) this.state[name] = message.parts[name];
    for (const listener of this.listeners) listener(new Set(changed), this.state);
  }

  // The frame a guides part names: the one held already (read whole a moment ago), the one
  // held with the part's changes applied, or the whole frame.
  async guidesOf(part) {
    const held = this.state.guides;
    if (held && held.frame === part.frame) return held;
    if (part.bytes !== undefined) return decodeGuides(bytesOf(part.bytes));
    if (part.changes !== undefined && held && held.frame === part.base) {
      const changed = applyChanges(held, bytesOf(part.changes), this.stores.find((store) => !store.holds(held)));
      if (changed) return changed;
    }
    return readGuides(part.data);
  }

  // The host's answer: {ok, refused: [...]} or {error}; a refusal or error is shown to the
  // user by the caller when it matters.
  // Any other event carries its own position: a move still waiting is dropped.
  async send(event) {
    if (event.type !== 'move') this.pendingMove = null;
    this.sent += 1;
    const response = await fetch('/event', {
      method: 'POST',
      headers: {'Content-Type': 'application/json'},
      body: JSON.stringify(event),
      credentials: 'same-origin',
    });
    const answer = await response.json().catch(() => ({error: `HTTP ${response.status}`}));
    answer.status = response.status;
    this.onAnswer?.(event, answer);
    return answer;
  }

  // An SVG file of the user's, opened by the host as a new document: the bytes go up, the
  // answer is shown as an event's is.
  async upload(file) {
    const event = {type: 'documentOpen', name: file.name};
    let answer;
    if (file.size > MAX_UPLOAD) {
      answer = {error: `${file.name} : le fichier dépasse ${MAX_UPLOAD / (1024 * 1024)} Mo`, status: 413};
    } else {
      const response = await fetch(`/document?name=${encodeURIComponent(file.name)}`, {
        method: 'POST', headers: {'Content-Type': 'image/svg+xml'}, body: file, credentials: 'same-origin',
      });
      answer = await response.json().catch(() => ({error: `HTTP ${response.status}`}));
      answer.status = response.status;
    }
    this.onAnswer?.(event, answer);
    return answer;
  }

  // Moves while one is on its way wait; only the last of them is sent after it.
  move(event) {
    if (this.moveInFlight) {
      this.pendingMove = event;
      return;
    }
    this.moveInFlight = true;
    this.send(event).finally(() => {
      this.moveInFlight = false;
      const next = this.pendingMove;
      this.pendingMove = null;
      if (next) this.move(next);
    });
  }
}

// Guides are {count, frame, names, g, xy, start, change}, front first: `xy` holds every
// guide's points as h, v, h, v, ... (the stored float32 values, exactly), guide i's from
// xy[start[i]] up to xy[start[i + 1]] (`start` has count + 1 offsets, in floats), g[i] is the
// index of its name. No object per guide: 40,000 guides are three typed arrays. `change` is
// null for a frame read whole, else {base, removed, added}: the guides gone since frame
// `base` and those come, each {xy, start, indexes}: the guides of those arrays it lists (the
// frame base's for the removed, this frame's for the added), for the page to paint only what
// changed. A frame made from changes is written over two frames later (see FrameStore): keep
// a copy of what must outlast the frame after it.
async function readGuides(address) {
  const response = await fetch(address, {credentials: 'same-origin'});
  if (!response.ok) {
    return {count: 0, frame: 0, names: [], g: new Uint32Array(0), xy: new Float32Array(0), start: new Uint32Array(1), change: null};
  }
  return decodeGuides(await response.arrayBuffer());
}

// Guide i's points, a view on the frame's coordinates: for the tests and whoever wants one
// guide; painting walks `xy` itself.
export function guidePoints(guides, i) {
  return guides.xy.subarray(guides.start[i], guides.start[i + 1]);
}

// Natively where the browser can; else a plain loop over the decoded text (mapping each
// character through Uint8Array.from cost milliseconds for the 40 kB of a change).
function bytesOf(text) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text).buffer;
  const decoded = atob(text);
  const bytes = new Uint8Array(decoded.length);
  for (let i = 0; i < decoded.length; ++i) bytes[i] = decoded.charCodeAt(i);
  return bytes.buffer;
}

// The bytes of the host's GuideList.h: a JSON header, `runs` pairs of uint32, then the guides:
// their name indexes and point counts, read in place, and their coordinates, a view on the
// bytes (no copy); `start` is made by summing the counts.
function readBytes(buffer) {
  const headerSize = new Uint32Array(buffer, 0, 1)[0];
  const header = JSON.parse(new TextDecoder().decode(new Uint8Array(buffer, 4, headerSize)));
  let offset = 4 + ((headerSize + 3) & ~3);
  const runs = new Uint32Array(buffer, offset, 2 * (header.runs ?? 0));
  offset += runs.byteLength;
  const count = header.added ?? header.count;
  const g = new Uint32Array(buffer, offset, count);
  offset += 4 * count;
  const sizes = new Uint32Array(buffer, offset, count);
  offset += 4 * count;
  const start = new Uint32Array(count + 1);
  for (let i = 0; i < count; ++i) start[i + 1] = start[i] + 2 * sizes[i];
  const xy = new Float32Array(buffer, offset, start[count]);
  return {header, runs, g, xy, start};
}

export function decodeGuides(buffer) {
  const {header, g, xy, start} = readBytes(buffer);
  return {count: header.count, frame: header.frame, names: header.names, g, xy, start, change: null};
}

// A run's start that takes the next added guides instead of guides of the frame held.
const NEW_GUIDES = 0xFFFFFFFF;

// The frame held with the changes applied (see the host's GuideFrames.h), built in `store`,
// or null when they do not fit it, for the whole frame to be read instead. Each run is
// copied whole.
function applyChanges(held, buffer, store) {
  const {header, runs, g: addedNames, xy: addedXy, start: addedStart} = readBytes(buffer);
  const added = {count: addedNames.length, g: addedNames, xy: addedXy, start: addedStart};
  const rename = renaming(held.names, header.names);
  const size = sizeOfRuns(held, added, runs);
  if (!size || size.count !== header.count) return null;
  const frame = {count: size.count, frame: header.frame, names: header.names, ...store.take(size.count, size.floats), change: null};
  const kept = new Uint8Array(held.count);
  const come = new Uint32Array(added.count);
  let next = 0, at = 0;
  for (let r = 0; r < runs.length; r += 2) {
    const first = runs[r], length = runs[r + 1];
    if (first === NEW_GUIDES) {
      copyGuides(frame, at, added, next, next + length);
      frame.g.set(added.g.subarray(next, next + length), at);
      for (let k = 0; k < length; ++k) come[next + k] = at + k;
      next += length;
    } else {
      copyGuides(frame, at, held, first, first + length);
      if (!copyNames(frame.g, at, held.g.subarray(first, first + length), rename)) return null;
      kept.fill(1, first, first + length);
    }
    at += length;
  }
  frame.change = {base: held.frame, removed: {xy: held.xy, start: held.start, indexes: unkept(kept)},
    added: {xy: frame.xy, start: frame.start, indexes: come}};
  return frame;
}

// The guides and floats the runs make, or null when a run reaches past the guides it takes
// from or the added guides are not all taken.
function sizeOfRuns(held, added, runs) {
  let count = 0, floats = 0, next = 0;
  for (let r = 0; r < runs.length; r += 2) {
    const first = runs[r], length = runs[r + 1];
    const from = first === NEW_GUIDES ? added : held;
    const at = first === NEW_GUIDES ? next : first;
    if (at + length > from.count) return null;
    floats += from.start[at + length] - from.start[at];
    count += length;
    if (first === NEW_GUIDES) next += length;
  }
  return next === added.count ? {count, floats} : null;
}

// The new index of each held name, or null when the held names keep their indexes (the
// names' indexes are then copied as they are).
function renaming(heldNames, names) {
  if (heldNames.every((name, i) => names[i] === name)) return null;
  const index = new Map(names.map((name, i) => [name, i]));
  return heldNames.map((name) => index.get(name));
}

// Copies `names` into g at `at` through `rename`; false when a name is no longer in the frame.
function copyNames(g, at, names, rename) {
  if (!rename) {
    g.set(names, at);
    return true;
  }
  for (let k = 0; k < names.length; ++k) {
    const name = rename[names[k]];
    if (name === undefined) return false;
    g[at + k] = name;
  }
  return true;
}

// Copies the points of guides [first, end) of `from` into `to` as its guides from `at` on;
// to.start[at] is where they go, already set by the guides before.
function copyGuides(to, at, from, first, end) {
  const starts = from.start, into = to.start, base = starts[first], shift = into[at] - base;
  to.xy.set(from.xy.subarray(base, starts[end]), into[at]);
  for (let i = first + 1, k = at + 1; i <= end; ++i, ++k) into[k] = starts[i] + shift;
}

// The indexes of the guides no run kept.
function unkept(kept) {
  let count = 0;
  for (let i = 0; i < kept.length; ++i) count += 1 - kept[i];
  const indexes = new Uint32Array(count);
  for (let i = 0, at = 0; i < kept.length; ++i) if (!kept[i]) indexes[at++] = i;
  return indexes;
}

// Where the frames made by applying changes are built, two stores used in turn: a frame is
// built in the store the frame held does not use, over the frame before the one held, which
// the page no longer shows. Written again, their pages are already the process's: fresh
// arrays for 40,000 guides cost a megabyte of page faults at every change, more than the copy.
class FrameStore {
  // Arrays for `count` guides of `floats` coordinates in all, grown by a quarter when short.
  take(count, floats) {
    if (!(this.xy?.length >= floats)) this.xy = new Float32Array(Math.ceil(floats * 1.25));
    if (!(this.g?.length >= count)) {
      this.g = new Uint32Array(Math.ceil(count * 1.25));
      this.start = new Uint32Array(this.g.length + 1);
    }
    this.start[0] = 0;
    return {xy: this.xy.subarray(0, floats), start: this.start.subarray(0, count + 1), g: this.g.subarray(0, count)};
  }

  holds(frame) {
    return frame.xy.buffer === this.xy?.buffer;
  }
}
