// The core's C binding (src/wasm/binding.cpp) as TypeScript: one session, the
// design open in the page, and the command line's analysis of a file's text.
// Texts the core returns are copied out of its memory and freed there.
import type { AnalyseOptions, FileContent, Operation } from "./protocol";

type Pointer = number;

// What the module of src/wasm exports (emscripten's runtime and our functions).
export interface CoreModule {
  cwrap(name: string, returns: string | null, args: string[]): (...args: unknown[]) => any;
  UTF8ToString(pointer: Pointer): string;
  getValue(pointer: Pointer, type: string): number;
  HEAPU8: Uint8Array;
  _malloc(size: number): Pointer;
  _free(pointer: Pointer): void;
}

// The command line's refusal (its exit status 2): a wrong option or an unreadable file.
export class Refusal extends Error {}

export class Binding {
  private readonly module: CoreModule;
  private readonly session: Pointer;
  private readonly call: Record<string, (...args: unknown[]) => any> = {};

  constructor(module: CoreModule) {
    this.module = module;
    const signatures: Record<string, [string | null, string[]]> = {
      analyse: ["number", ["number", "number", "string", "string", "string", "number"]],
      new: ["number", []],
      set_english: [null, ["number", "number"]],
      set_wing_count: [null, ["number", "number"]],
      set_trapezoids: [null, ["number", "number", "number"]],
      set_box: [null, ["number", "number", "number", "string"]],
      set_position: [null, ["number", "number", "number", "string"]],
      set_margin: [null, ["number", "number", "string"]],
      open: ["number", ["number", "number", "number", "string"]],
      set_parts: ["number", ["number", "string"]],
      check_refined: [null, ["number"]],
      save: ["number", ["number"]],
      state: ["number", ["number"]],
      calculate: [null, ["number"]],
      draw: ["number", ["number", "string", "number"]],
      view3d_pointer: ["number", ["number", "number", "number", "number", "number", "number"]],
      view3d_bars: ["number", ["number", "number", "number"]],
    };
    for (const [name, [returns, args]] of Object.entries(signatures)) {
      this.call[name] = module.cwrap(`kalvesta_${name}`, returns, args);
    }
    this.session = this.call.new();
  }

  // A text the core made, taken over and freed.
  private take(pointer: Pointer): string {
    const text = this.module.UTF8ToString(pointer);
    this.module._free(pointer);
    return text;
  }

  private json(pointer: Pointer): unknown {
    return JSON.parse(this.take(pointer));
  }

  // A file's bytes (a text as UTF-8) copied into the core's memory for `use`.
  private withBytes<T>(content: FileContent, use: (pointer: Pointer, size: number) => T): T {
    const bytes = typeof content === "string" ? new TextEncoder().encode(content) : content;
    const pointer = this.module._malloc(Math.max(bytes.length, 1));
    try {
      this.module.HEAPU8.set(bytes, pointer);
      return use(pointer, bytes.length);
    } finally {
      this.module._free(pointer);
    }
  }

  // kalvesta4-cli --json [--wings W] [--margin M] NAME for a file NAME holding
  // `content`: the JSON text exactly as the command line prints it.
  analyseText(content: FileContent, options: AnalyseOptions = {}): string {
    return this.withBytes(content, (bytes, size) => this.analyseBytes(bytes, size, options));
  }

  private analyseBytes(bytes: Pointer, size: number, options: AnalyseOptions): string {
    const output = this.module._malloc(4);
    try {
      const status = this.call.analyse(
        bytes,
        size,
        options.name ?? "Unknown.da4",
        options.wings === undefined ? null : String(options.wings),
        options.margin === undefined ? null : String(options.margin),
        output,
      );
      const answer = this.take(this.module.getValue(output, "i32"));
      if (status === 2) {
        throw new Refusal(answer);
      }
      return answer;
    } finally {
      this.module._free(output);
    }
  }

  run(request: Operation): unknown {
    const s = this.session;
    const c = this.call;
    switch (request.op) {
      case "analyse":
        return this.analyseText(request.text, request.options);
      case "setEnglish":
        c.set_english(s, request.english ? 1 : 0);
        break;
      case "setWingCount":
        c.set_wing_count(s, request.count);
        break;
      case "setTrapezoids":
        c.set_trapezoids(s, request.wing, request.count);
        break;
      case "setBox":
        c.set_box(s, request.wing, request.box, request.text);
        break;
      case "setPosition":
        c.set_position(s, request.wing, request.height ? 1 : 0, request.text);
        break;
      case "setMargin":
        c.set_margin(s, request.manual ? 1 : 0, request.text);
        break;
      case "open":
        return this.withBytes(request.text, (bytes, size) => this.json(c.open(s, bytes, size, request.name)));
      case "setParts":
        return this.json(c.set_parts(s, request.csv));
      case "checkRefined":
        c.check_refined(s);
        break;
      case "save":
        return this.take(c.save(s));
      case "state":
        break;
      case "calculate":
        c.calculate(s);
        break;
      case "draw":
        return this.json(c.draw(s, request.view, request.wing));
      case "view3dPointer":
        return (
          c.view3d_pointer(s, request.kind, request.left ? 1 : 0, request.right ? 1 : 0,
            Math.round(request.x), Math.round(request.y)) === 1
        );
      case "view3dBars":
        return c.view3d_bars(s, request.elevation, request.azimuth) === 1;
    }
    return this.json(c.state(s));
  }
}

export function bind(module: CoreModule): Binding {
  return new Binding(module);
}
