// The page's link to the host: the state arrives by Server-Sent Events as named parts
// (document, guides, overlay, cursor, panels, ...), each replaced whole when it changes; the
// guides come as bytes, in the part when they are few, else read apart (tens of thousands of
// them are read without parsing text);
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
    const guides = message.parts.guides;
    if (guides?.bytes !== undefined) message.parts.guides = decodeGuides(bytesOf(guides.bytes));
    else if (guides?.data) message.parts.guides = await readGuides(guides.data);
    this.sequence = message.seq;
    const changed = Object.keys(message.parts);
    for (const name of changed) this.state[name] = message.parts[name];
    for (const listener of this.listeners) listener(new Set(changed), this.state);
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

// The guides' bytes (see the host's StateParts.h) as {count, names, g: [name index of each
// guide], p: [[h, v, h, v, ...], ...]}: the stored float32 values, exactly.
async function readGuides(address) {
  const response = await fetch(address, {credentials: 'same-origin'});
  if (!response.ok) return {count: 0, names: [], g: [], p: []};
  return decodeGuides(await response.arrayBuffer());
}

function bytesOf(text) {
  return Uint8Array.from(atob(text), (ch) => ch.charCodeAt(0)).buffer;
}

export function decodeGuides(buffer) {
  const headerSize = new Uint32Array(buffer, 0, 1)[0];
  const header = JSON.parse(new TextDecoder().decode(new Uint8Array(buffer, 4, headerSize)));
  const count = header.count;
  let offset = 4 + ((headerSize + 3) & ~3);
  const g = Array.from(new Uint32Array(buffer, offset, count));
  offset += 4 * count;
  const sizes = new Uint32Array(buffer, offset, count);
  offset += 4 * count;
  const coordinates = new Float32Array(buffer, offset);
  const p = new Array(count);
  for (let i = 0, k = 0; i < count; ++i) {
    const points = new Array(2 * sizes[i]);
    for (let j = 0; j < points.length; ++j) points[j] = coordinates[k++];
    p[i] = points;
  }
  return {count, names: header.names, g, p};
}
