// ".da4" files in the browser: the size above which a file cannot be a design
// (refused before it is read), and the names of downloads.
import { text } from "./texts";

// An empty parts list: its header alone.
export const partsHeader = "part,mass_g,x_mm\n";

// A design is 53 short lines and its parts list: far below a mebibyte.
export const maxDesignBytes = 1 << 20;

// The refusal of a file too large to be a design, or null.
export function designFileRefusal(name: string, size: number, english: boolean): string | null {
  return size > maxDesignBytes ? text("tooLarge", english, { name, size }) : null;
}

// The download's name: the design's name with `extension` in place of its own
// (".da4" kept, "plane" gives "plane.png").
export function downloadName(fileName: string, extension: string): string {
  const base = fileName.replace(/\.da4$/i, "") || "Unknown";
  return base + extension;
}
