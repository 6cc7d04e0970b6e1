// The painter against a recording context: the core's canvas semantics (brush
// fills, pen frames at pixel centres, opaque text, stretched pictures).
import { describe, expect, test } from "vitest";
import { type Context2D, cssFont, paint } from "../../src/painter";
import type { Picture } from "../../src/protocol";

function recorder() {
  const calls: unknown[][] = [];
  const context = new Proxy({} as Record<string, unknown>, {
    get(target, name: string) {
      if (name in target) return target[name];
      return (...args: unknown[]) => {
        calls.push([name, ...args, ...(name.startsWith("fill") ? [target.fillStyle] : []),
          ...(name.startsWith("stroke") ? [target.strokeStyle, target.lineWidth] : [])]);
        return name === "measureText" ? { width: 40 } : undefined;
      };
    },
    set(target, name: string, value) {
      target[name] = value;
      return true;
    },
  });
  return { context: context as unknown as Context2D, calls };
}

const picture = (commands: Picture["commands"], width = 100, height = 50): Picture => ({ width, height, commands });

describe("paint", () => {
  test("a rectangle is filled with the brush and framed with the pen inside its pixels", () => {
    const { context, calls } = recorder();
    paint(context, picture([["pen", 255, 0, 0, 2], ["brush", 0, 0, 255], ["R", 10, 20, 30, 25]]));
    expect(calls).toEqual([
      ["fillRect", 10, 20, 20, 5, "rgb(0,0,255)"],
      ["strokeRect", 10.5, 20.5, 19, 4, "rgb(255,0,0)", 2],
    ]);
  });

  test("a line runs from the pen position through pixel centres and moves the pen", () => {
    const { context, calls } = recorder();
    paint(context, picture([["M", 1, 2], ["L", 5, 2], ["L", 5, 9]]));
    expect(calls.filter(([name]) => name === "moveTo" || name === "lineTo")).toEqual([
      ["moveTo", 1.5, 2.5], ["lineTo", 5.5, 2.5], ["moveTo", 5.5, 2.5], ["lineTo", 5.5, 9.5],
    ]);
  });

  test("text stands on the brush colour, as wide as it measures, in the font's colour", () => {
    const { context, calls } = recorder();
    paint(context, picture([["brush", 192, 192, 192], ["font", "Courier New", 12, 0, 0, 255], ["T", 3, 4, "x_np"]]));
    expect(calls).toContainEqual(["fillRect", 3, 4, 40, 20, "rgb(192,192,192)"]);
    expect(calls).toContainEqual(["fillText", "x_np", 3, 5, "rgb(0,0,255)"]);
    expect(cssFont("Courier New", 12)).toMatch(/^16px .*monospace$/);
  });

  test("a picture is stretched into its rectangle, clipped to it", () => {
    const { context, calls } = recorder();
    paint(context, picture([["S", 0, 42, 616, 354, picture([["R", 0, 0, 1, 1]], 308, 156)]]));
    expect(calls).toContainEqual(["translate", 0, 42]);
    expect(calls).toContainEqual(["scale", 2, 2]);
    expect(calls.map(([name]) => name)).toEqual(
      ["save", "beginPath", "rect", "clip", "translate", "scale", "fillRect", "strokeRect", "restore"]);
  });
});
