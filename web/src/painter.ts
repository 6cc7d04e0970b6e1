// Paints a drawing of the core (CommandCanvas commands, src/wasm/command_canvas.h)
// on an HTML canvas with the semantics of the core's Canvas: lines of the pen
// from its position, rectangles and polygons filled with the brush and framed
// with the pen, text on an opaque background of the brush colour, and pictures
// stretched into rectangles. Pixel centres lie at half coordinates, so that
// one-pixel lines stay sharp at any scale.
import type { Command, Picture } from "./protocol";

// What of CanvasRenderingContext2D the painter uses (the unit tests record it).
export type Context2D = Pick<
  CanvasRenderingContext2D,
  | "save" | "restore" | "beginPath" | "moveTo" | "lineTo" | "closePath" | "stroke" | "fill"
  | "fillRect" | "strokeRect" | "fillText" | "measureText" | "translate" | "scale" | "rect"
  | "clip" | "setTransform"
> & {
  strokeStyle: unknown;
  fillStyle: unknown;
  lineWidth: number;
  font: string;
  textBaseline: CanvasTextBaseline;
};

interface State {
  pen: string;
  penWidth: number;
  brush: string;
  font: string;
  fontColor: string;
  fontPixels: number;
  x: number;
  y: number;
}

const rgb = (r: unknown, g: unknown, b: unknown) => `rgb(${r},${g},${b})`;

// The desktop fonts the views name, in a browser's families; points at 96 dpi.
export function cssFont(name: string, sizePt: number): string {
  const pixels = Math.round((sizePt * 96) / 72);
  // Courier New's metric twin first where it is missing, so that columns of the
  // summary line up as the core placed them.
  const family = /courier/i.test(name)
    ? '"Courier New", "Liberation Mono", "Cousine", monospace'
    : 'Arial, "Liberation Sans", "DejaVu Sans", Helvetica, sans-serif';
  return `${pixels}px ${family}`;
}

function fontPixels(sizePt: number): number {
  return Math.round((sizePt * 96) / 72);
}

export function paint(context: Context2D, picture: Picture): void {
  const state: State = {
    pen: rgb(0, 0, 0), penWidth: 1, brush: rgb(255, 255, 255),
    font: cssFont("MS Sans Serif", 8), fontColor: rgb(0, 0, 0), fontPixels: fontPixels(8), x: 0, y: 0,
  };
  for (const command of picture.commands) {
    paintCommand(context, state, command);
  }
}

// A closed or open path through the points, at pixel centres.
function path(context: Context2D, points: number[], close: boolean): void {
  context.beginPath();
  for (let i = 0; i + 1 < points.length; i += 2) {
    const [x, y] = [points[i] + 0.5, points[i + 1] + 0.5];
    if (i === 0) {
      context.moveTo(x, y);
    } else {
      context.lineTo(x, y);
    }
  }
  if (close) {
    context.closePath();
  }
}

function stroke(context: Context2D, state: State): void {
  context.strokeStyle = state.pen;
  context.lineWidth = state.penWidth;
  context.stroke();
}

function paintCommand(context: Context2D, state: State, command: Command): void {
  const [kind, ...a] = command as [string, ...any[]];
  switch (kind) {
    case "pen":
      state.pen = rgb(a[0], a[1], a[2]);
      state.penWidth = Math.max(1, a[3]);
      break;
    case "brush":
      state.brush = rgb(a[0], a[1], a[2]);
      break;
    case "font":
      state.font = cssFont(a[0], a[1]);
      state.fontPixels = fontPixels(a[1]);
      state.fontColor = rgb(a[2], a[3], a[4]);
      break;
    case "M":
      [state.x, state.y] = [a[0], a[1]];
      break;
    case "L":
      path(context, [state.x, state.y, a[0], a[1]], false);
      stroke(context, state);
      [state.x, state.y] = [a[0], a[1]];
      break;
    case "R": {
      const [x1, y1, x2, y2] = a as number[];
      context.fillStyle = state.brush;
      context.fillRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1), Math.abs(y2 - y1));
      context.strokeStyle = state.pen;
      context.lineWidth = state.penWidth;
      context.strokeRect(Math.min(x1, x2) + 0.5, Math.min(y1, y2) + 0.5,
        Math.max(Math.abs(x2 - x1) - 1, 0), Math.max(Math.abs(y2 - y1) - 1, 0));
      break;
    }
    case "P":
      path(context, a[0] as number[], true);
      context.fillStyle = state.brush;
      context.fill();
      stroke(context, state);
      break;
    case "T": {
      context.font = state.font;
      context.textBaseline = "top";
      const width = context.measureText(a[2]).width;
      context.fillStyle = state.brush;
      context.fillRect(a[0], a[1], width, Math.ceil(state.fontPixels * 1.25));
      context.fillStyle = state.fontColor;
      context.fillText(a[2], a[0], a[1] + 1);
      break;
    }
    case "S": {
      const [x1, y1, x2, y2, source] = a as [number, number, number, number, Picture];
      context.save();
      context.beginPath();
      context.rect(x1, y1, x2 - x1, y2 - y1);
      context.clip();
      context.translate(x1, y1);
      context.scale((x2 - x1) / source.width, (y2 - y1) / source.height);
      paint(context, source);
      context.restore();
      break;
    }
  }
}

// Paints the picture on the canvas element at the width the page lays it out
// (its CSS width, at most the picture's own unless `grow`), with as many device
// pixels as the screen has: sharp on high-density screens.
export function show(canvas: HTMLCanvasElement, picture: Picture, grow = false): void {
  const available = canvas.parentElement?.clientWidth || picture.width;
  const cssWidth = grow ? available : Math.min(available, picture.width);
  const scale = cssWidth / picture.width;
  const ratio = window.devicePixelRatio || 1;
  canvas.style.width = `${cssWidth}px`;
  canvas.style.height = `${picture.height * scale}px`;
  canvas.width = Math.round(picture.width * scale * ratio);
  canvas.height = Math.round(picture.height * scale * ratio);
  const context = canvas.getContext("2d");
  if (context) {
    context.setTransform(scale * ratio, 0, 0, scale * ratio, 0, 0);
    paint(context, picture);
  }
}
