// The size above which a dropped file is refused unread, and download names.
import { expect, test } from "vitest";
import { designFileRefusal, downloadName, maxDesignBytes } from "../../src/design_file";

test("a file larger than any design is refused by its size, naming it", () => {
  expect(designFileRefusal("plane.da4", maxDesignBytes, true)).toBeNull();
  expect(designFileRefusal("big.da4", maxDesignBytes + 1, true)).toBe(
    `Cannot read "big.da4": at ${maxDesignBytes + 1} bytes it is larger than any aircraft file.`);
  expect(designFileRefusal("big.da4", maxDesignBytes + 1, false)).toMatch(/^Не удаётся прочитать «big\.da4»/);
});

test("downloads take the design's name", () => {
  expect(downloadName("glider.da4", ".da4")).toBe("glider.da4");
  expect(downloadName("glider.DA4", ".png")).toBe("glider.png");
  expect(downloadName("plane", ".da4")).toBe("plane.da4");
});
