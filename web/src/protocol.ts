// The messages between the page and its Web Worker (worker.ts), which holds the
// core: a request names an operation of the binding and its arguments; the answer
// carries the request's number; the solve's countdown comes between.

export interface WingState {
  trapezoids: number;
  boxes: number[]; // the fourteen boxes in the core's order (WingBox)
  x: number;
  z: number;
  b: string;
  s: string;
  lm: string;
  r25: string;
  lam: string;
}

export interface StabilityLine {
  text: string;
  color: [number, number, number];
}

export interface DesignState {
  english: boolean;
  wing_count: number;
  wings: WingState[];
  manual: boolean;
  margin: string;
  elevation: number;
  azimuth: number;
  memo: string | null; // the red message memo when it is shown
  lines: StabilityLine[] | null; // the stability results, while there are results
  json: CliJson; // what kalvesta4-cli --json says of the design as it stands
}

// The parts of kalvesta4-cli --json that the page shows.
export interface CliJson {
  refined?: {
    refused?: string;
    converged?: boolean;
    verdict?: string;
    x_np?: number;
    x_np_uncertainty_mm?: number;
    x_np_change_mm?: number;
    x_np_change_percent?: number;
  } | null;
  balance?: {
    mass_g: number | null;
    x_cg_mm: number | null;
    static_margin_percent: number | null;
    target_x_cg_mm: number | null;
    verdict: string | null;
  };
}

export type Command =
  | [string, ...unknown[]]; // see src/wasm/command_canvas.h

export interface Picture {
  width: number;
  height: number;
  commands: Command[];
}

// A file as read (its bytes) or a text, which counts as its UTF-8 bytes.
export type FileContent = string | Uint8Array;

export interface AnalyseOptions {
  wings?: number | string;
  margin?: number | string;
  name?: string;
}

export type Operation =
  | { op: "analyse"; text: FileContent; options: AnalyseOptions }
  | { op: "setEnglish"; english: boolean }
  | { op: "setWingCount"; count: number }
  | { op: "setTrapezoids"; wing: number; count: number }
  | { op: "setBox"; wing: number; box: number; text: string }
  | { op: "setPosition"; wing: number; height: boolean; text: string }
  | { op: "setMargin"; manual: boolean; text: string }
  | { op: "open"; text: FileContent; name: string }
  | { op: "setParts"; csv: string }
  | { op: "checkRefined" }
  | { op: "save" }
  | { op: "state" }
  | { op: "calculate" }
  | { op: "draw"; view: string; wing: number }
  | { op: "view3dPointer"; kind: number; left: boolean; right: boolean; x: number; y: number }
  | { op: "view3dBars"; elevation: number; azimuth: number };

export type Request = Operation & { id: number };

export type Reply =
  | { id: number; result: unknown }
  | { id: number; error: string }
  | { progress: [remaining: number, panels: number] };
