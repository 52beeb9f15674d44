// The page's link to the host: the state arrives by Server-Sent Events as named parts
// (document, guides, overlay, cursor, panels, ...), each replaced whole when it changes; the
// guides come as numbered frames of bytes: in the part when they are few; else the part
// carries the changes from the frame before, which the page applies to the frame it holds,
// and names the whole frame, which a page holding another frame reads apart (tens of
// thousands of guides are read without parsing text);
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
      const changed = applyChanges(held, bytesOf(part.changes));
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

// Guides are {count, frame, names, g: [name index of each guide], p: [[h, v, h, v, ...], ...],
// change}: the stored float32 values, exactly, front first. `change` is null for a frame read
// whole, else {base, removed, added}: the points of the guides gone since frame `base` and
// of those come, for the page to paint only what changed.
async function readGuides(address) {
  const response = await fetch(address, {credentials: 'same-origin'});
  if (!response.ok) return {count: 0, frame: 0, names: [], g: [], p: [], change: null};
  return decodeGuides(await response.arrayBuffer());
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

// The bytes of the host's GuideList.h: a JSON header, `runs` pairs of uint32, then the guides.
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
  const coordinates = new Float32Array(buffer, offset);
  // Each guide's points are a view on the bytes read, not a copy: 40,000 guides cost 40,000
  // small views, no copying of their numbers.
  const p = new Array(count);
  for (let i = 0, k = 0; i < count; k += 2 * sizes[i++]) p[i] = coordinates.subarray(k, k + 2 * sizes[i]);
  return {header, runs, g, p};
}

export function decodeGuides(buffer) {
  const {header, g, p} = readBytes(buffer);
  return {count: header.count, frame: header.frame, names: header.names, g, p, change: null};
}

// A run's start that takes the next added guides instead of guides of the frame held.
const NEW_GUIDES = 0xFFFFFFFF;

// The frame held with the changes applied (see the host's GuideFrames.h), or null when they
// do not fit it, for the whole frame to be read instead.
function applyChanges(held, buffer) {
  const {header, runs, g: addedNames, p: added} = readBytes(buffer);
  const index = new Map(header.names.map((name, i) => [name, i]));
  const rename = held.names.map((name) => index.get(name));
  let total = 0;
  for (let r = 1; r < runs.length; r += 2) total += runs[r];
  if (total !== header.count) return null;
  const g = new Array(total), p = new Array(total);
  const kept = new Uint8Array(held.count);
  let next = 0, at = 0;
  for (let r = 0; r < runs.length; r += 2) {
    const start = runs[r], length = runs[r + 1];
    if (start === NEW_GUIDES) {
      if (next + length > added.length) return null;
      for (let k = 0; k < length; ++k, ++next, ++at) {
        g[at] = addedNames[next];
        p[at] = added[next];
      }
      continue;
    }
    if (start + length > held.count) return null;
    kept.fill(1, start, start + length);
    for (let k = start; k < start + length; ++k, ++at) {
      g[at] = rename[held.g[k]];
      p[at] = held.p[k];
    }
  }
  if (next !== added.length || g.some((n) => n === undefined)) return null;
  const removed = [];
  for (let i = 0; i < held.count; ++i) if (!kept[i]) removed.push(held.p[i]);
  return {count: header.count, frame: header.frame, names: header.names, g, p, change: {base: held.frame, removed, added}};
}
