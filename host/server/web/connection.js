// The page's link to the host: the state arrives by Server-Sent Events as named parts
// (document, guides, overlay, cursor, panels, ...), each replaced whole when it changes;
// events go out one POST each. Mouse moves are merged: one is in flight at a time and only
// the latest of those that came meanwhile follows it.

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

  receive(data) {
    const message = JSON.parse(data);
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
