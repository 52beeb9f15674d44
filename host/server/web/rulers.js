// The rulers along the top and the left of the document view, in the document's ruler unit:
// the artwork's coordinates under the view (y upwards, as the host counts them), from the view
// the host sends (its size in pixels, its zoom and centre, the unit and its size in points)
// and the size the canvas has on the screen. Each ruler keeps its labels, the values growing,
// in data-labels, for tests and people's own scripts. The pointer's place reads in the same unit.

const LABEL_SPACING = 50;  // screen pixels at least between two labelled ticks

// The labelled step, the smallest of 1, 2 and 5 times a power of ten that is at least `least`,
// and the step of the ticks between (a fifth, or a quarter of a 2).
function steps(least) {
  const power = 10 ** Math.floor(Math.log10(least));
  const mantissa = [1, 2, 5, 10].find((m) => m * power >= least * (1 - 1e-9));
  return {step: mantissa * power, minor: (mantissa * power) / (mantissa === 2 ? 4 : 5)};
}

// A number of the ruler as the page writes numbers: at most three decimals, a decimal comma.
export function unitText(value) {
  const rounded = Math.round(value * 1000) / 1000;
  return String(Object.is(rounded, -0) ? 0 : rounded).replace('.', ',');
}

export class Rulers {
  constructor(top, left, corner, canvas) {
    this.top = top;
    this.left = left;
    this.corner = corner;
    this.canvas = canvas;
    this.document = null;
    new ResizeObserver(() => this.draw(this.document)).observe(canvas);
  }

  draw(document) {
    this.document = document;
    const open = document?.open;
    this.corner.textContent = open ? document.rulerUnit : '';
    this.drawRuler(this.top, open && this.axis(document.view, 'h'));
    this.drawRuler(this.left, open && this.axis(document.view, 'v'));
  }

  // One axis of the view in screen pixels of the canvas: its length, the unit's value at a
  // screen pixel (or at a view pixel) and the screen pixel of a value.
  axis(view, direction) {
    const across = direction === 'h';
    const length = across ? this.canvas.clientWidth : this.canvas.clientHeight;
    const pixels = across ? view.width : view.height;
    const perPixel = length / pixels;  // screen pixels per view pixel
    const unit = this.document.rulerUnitPoints;
    const centre = view.centre[across ? 0 : 1], sign = across ? 1 : -1;
    const valueAtViewPixel = (p) => (centre + sign * (p - pixels / 2) / view.zoom) / unit;
    return {
      length,
      screenPerUnit: unit * view.zoom * perPixel,
      valueAtViewPixel,
      valueAt: (x) => valueAtViewPixel(x / perPixel),
      pixelOf: (value) => (sign * (value * unit - centre) * view.zoom + pixels / 2) * perPixel,
    };
  }

  drawRuler(ruler, axis) {
    const scale = Math.max(1, window.devicePixelRatio || 1);
    const across = ruler === this.top;
    const [width, height] = [ruler.clientWidth, ruler.clientHeight];
    ruler.width = Math.round(width * scale);
    ruler.height = Math.round(height * scale);
    const c = ruler.getContext('2d');
    c.setTransform(scale, 0, 0, scale, 0, 0);
    c.clearRect(0, 0, width, height);
    const labels = [];
    if (axis) {
      const color = getComputedStyle(ruler).color;
      c.strokeStyle = c.fillStyle = color;
      c.font = '10px sans-serif';
      c.lineWidth = 1;
      const {step, minor} = steps(LABEL_SPACING / axis.screenPerUnit);
      const ends = [axis.valueAt(0), axis.valueAt(axis.length)];
      const thickness = across ? height : width;
      c.beginPath();
      for (let i = Math.ceil(Math.min(...ends) / minor); i <= Math.floor(Math.max(...ends) / minor); ++i) {
        const value = i * minor;
        const at = Math.round(axis.pixelOf(value)) + 0.5;
        const labelled = Math.abs(value / step - Math.round(value / step)) < 1e-6;
        const reach = labelled ? thickness : thickness / 4;
        if (across) c.moveTo(at, height), c.lineTo(at, height - reach);
        else c.moveTo(width, at), c.lineTo(width - reach, at);
        if (!labelled) continue;
        const text = unitText(value);
        labels.push(text);
        this.label(c, text, at, across);
      }
      c.stroke();
    }
    ruler.dataset.labels = labels.join(' ');
  }

  label(c, text, at, across) {
    if (across) return c.fillText(text, at + 2, 9);
    c.save();
    c.translate(9, at - 2);
    c.rotate(-Math.PI / 2);
    c.fillText(text, 0, 0);
    c.restore();
  }

  // The pointer's place in the ruler unit, from its view pixels; '' away from the view.
  pointerText(point) {
    const document = this.document;
    if (!point || !document?.open) return '';
    const h = this.axis(document.view, 'h').valueAtViewPixel(point.x);
    const v = this.axis(document.view, 'v').valueAtViewPixel(point.y);
    return `x ${unitText(h)} ${document.rulerUnit}   y ${unitText(v)} ${document.rulerUnit}`;
  }
}
