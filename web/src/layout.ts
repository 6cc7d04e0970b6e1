// The page's elements: the commands, one tab per wing (trapezoid count, the
// fourteen boxes, planform labels, dimension sketch, planform) and the "Aircraft"
// tab (wing count, positions, margin, Calculate, results, top view, 3-D view).
// Captions carry data-text and are filled in the language chosen (main.ts).
import { partsHeader } from "./design_file";
import type { TextId } from "./texts";

export interface WingElements {
  tab: HTMLButtonElement;
  trapezoids: HTMLInputElement[];
  rows: HTMLElement[]; // row 0 the root, row t trapezoid t
  boxes: HTMLInputElement[]; // in the core's order (WingBox)
  labels: Record<"b" | "s" | "lm" | "r25" | "lam", HTMLElement>;
  sketch: HTMLCanvasElement;
  planform: HTMLCanvasElement;
}

export interface PositionElements {
  row: HTMLElement;
  picture: HTMLCanvasElement;
  x: HTMLInputElement;
  z: HTMLInputElement;
}

export interface PageElements {
  open: HTMLButtonElement;
  file: HTMLInputElement;
  save: HTMLButtonElement;
  summaryPng: HTMLButtonElement;
  print: HTMLButtonElement;
  language: HTMLButtonElement;
  fileName: HTMLElement;
  fileMessage: HTMLElement;
  tabButtons: HTMLButtonElement[];
  sections: HTMLElement[];
  wings: WingElements[];
  wingCount: HTMLInputElement[];
  positions: PositionElements[];
  margin: { automatic: HTMLInputElement; manual: HTMLInputElement; row: HTMLElement; box: HTMLInputElement };
  calculate: HTMLButtonElement;
  running: HTMLElement;
  progress: HTMLProgressElement;
  countdown: HTMLElement;
  memo: HTMLElement;
  results: HTMLElement;
  refinedCheck: HTMLButtonElement;
  refined: HTMLElement;
  parts: HTMLTextAreaElement;
  partsMessage: HTMLElement;
  balance: HTMLElement;
  topView: HTMLCanvasElement;
  view3d: HTMLCanvasElement;
  elevation: HTMLInputElement;
  azimuth: HTMLInputElement;
  printImage: HTMLImageElement;
  allBoxes: HTMLInputElement[];
}

type Attributes = Record<string, string>;

function element<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attributes: Attributes = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const made = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    made.setAttribute(name, value);
  }
  made.append(...children);
  return made;
}

const caption = (id: TextId, tag: "span" | "legend" | "label" | "h2" = "span", attributes: Attributes = {}) =>
  element(tag, { ...attributes, "data-text": id });

function box(id: string, label: TextId): [HTMLLabelElement, HTMLInputElement] {
  const input = element("input", { id, type: "text", autocomplete: "off", spellcheck: "false", size: "6" });
  return [element("label", { class: "box" }, caption(label), input), input];
}

function radios(name: string, ids: TextId[]): [HTMLElement, HTMLInputElement[]] {
  const buttons = ids.map((_, i) => element("input", { type: "radio", name, id: `${name}-${i + 1}`, value: String(i + 1) }));
  const group = element("div", { class: "radios", role: "radiogroup" },
    ...ids.map((id, i) => element("label", {}, buttons[i], caption(id))));
  return [group, buttons];
}

function wingSection(wing: number, tab: HTMLButtonElement): [HTMLElement, WingElements] {
  const [trapezoidGroup, trapezoids] = radios(`trapezoids-${wing}`,
    ["trapezoids1", "trapezoids2", "trapezoids3", "trapezoids4"]);
  const boxes: HTMLInputElement[] = [];
  const add = ([label, input]: [HTMLLabelElement, HTMLInputElement]) => {
    boxes.push(input);
    return label;
  };
  // The core's order: root offset, root chord, then span, chord, leading edge of 1..4.
  const rows: HTMLElement[] = [element("div", { class: "row" },
    add(box(`w${wing}-box0`, "rootOffset")), add(box(`w${wing}-box1`, "rootChord")))];
  for (let t = 1; t <= 4; ++t) {
    rows.push(element("div", { class: "row" }, element("span", { class: "trapezoid" }, `${t}`),
      add(box(`w${wing}-box${3 * t - 1}`, "span")), add(box(`w${wing}-box${3 * t}`, "chord")),
      add(box(`w${wing}-box${3 * t + 1}`, "leadingEdge"))));
  }
  const keys = ["b", "s", "lm", "r25", "lam"] as const;
  const values = keys.map((key) => element("dd", { id: `w${wing}-${key}` }));
  const labels = Object.fromEntries(keys.map((key, i) => [key, values[i]])) as WingElements["labels"];
  const sketch = element("canvas", { id: `w${wing}-sketch`, class: "picture" });
  const planform = element("canvas", { id: `w${wing}-planform`, class: "picture" });
  const section = element("section", { id: `wing-${wing}`, "data-tab": `wing${wing}`, role: "tabpanel" },
    trapezoidGroup,
    element("div", { class: "picture-frame" }, sketch),
    element("div", { class: "inputs" }, ...rows),
    element("div", { class: "planform" },
      element("dl", { class: "values" }, ...keys.flatMap((key, i) => [caption(key, "span"), values[i]])),
      element("div", { class: "picture-frame" }, planform)));
  return [section, { tab, trapezoids, rows, boxes, labels, sketch, planform }];
}

export function buildPage(root: HTMLElement): PageElements {
  const button = (id: string, text: TextId) => element("button", { id, type: "button", "data-text": text });
  const open = button("open", "open");
  const file = element("input", { id: "file", type: "file", accept: ".da4", hidden: "" });
  const save = button("save", "save");
  const summaryPng = button("summary-png", "summaryPng");
  const print = button("print", "print");
  const language = button("language", "language");
  const fileName = element("span", { id: "file-name" });
  const fileMessage = element("p", { id: "file-message", role: "alert", hidden: "" });

  const tabIds: [string, TextId][] = [["wing1", "wingTab1"], ["wing2", "wingTab2"], ["wing3", "wingTab3"], ["aircraft", "aircraftTab"]];
  const tabButtons = tabIds.map(([tab, text]) =>
    element("button", { type: "button", role: "tab", id: `tab-${tab}`, "data-tab": tab, "data-text": text }));

  const sections: HTMLElement[] = [];
  const wings: WingElements[] = [];
  for (let w = 1; w <= 3; ++w) {
    const [section, elements] = wingSection(w, tabButtons[w - 1]);
    sections.push(section);
    wings.push(elements);
  }

  const [wingCountGroup, wingCount] = radios("wing-count", ["wings1", "wings2", "wings3"]);
  const positions: PositionElements[] = [1, 2, 3].map((w) => {
    const picture = element("canvas", { id: `position-${w}`, class: "picture" });
    const x = element("input", { id: `w${w}-x`, type: "text", size: "6", autocomplete: "off", "aria-label": `x${w}` });
    const z = element("input", { id: `w${w}-z`, type: "text", size: "6", autocomplete: "off", "aria-label": `z${w}` });
    const row = element("div", { class: "position" }, element("div", { class: "picture-frame" }, picture),
      element("label", { class: "box" }, "x", x), element("label", { class: "box" }, "z", z));
    return { row, picture, x, z };
  });
  const [marginGroup, [automatic, manual]] = radios("margin", ["automatic", "manual"]);
  const marginBox = element("input", { id: "margin-box", type: "text", size: "5", autocomplete: "off", "aria-label": "%" });
  const marginRow = element("div", { class: "row" }, marginBox, "%");
  const calculate = element("button", { id: "calculate", type: "button", class: "primary", "data-text": "calculate" });
  const progress = element("progress", { id: "progress", max: "1", value: "0" });
  const countdown = element("span", { id: "countdown" });
  const running = element("div", { id: "running", hidden: "" }, caption("running"), progress, countdown);
  const memo = element("pre", { id: "memo", hidden: "" });
  const results = element("ul", { id: "results" });
  const refinedCheck = element("button", { id: "refined-check", type: "button", "data-text": "refinedCheck" });
  const refined = element("p", { id: "refined" });
  const parts = element("textarea", { id: "parts", rows: "4", spellcheck: "false" });
  parts.value = partsHeader;
  const partsMessage = element("p", { id: "parts-message", class: "error", hidden: "" });
  const balance = element("ul", { id: "balance" });
  const topView = element("canvas", { id: "top-view", class: "picture" });
  const view3d = element("canvas", { id: "view3d", class: "picture" });
  const elevation = element("input", { id: "elevation", type: "range", min: "0", max: "90" });
  const azimuth = element("input", { id: "azimuth", type: "range", min: "0", max: "360" });
  const aircraft = element("section", { id: "aircraft", "data-tab": "aircraft", role: "tabpanel" },
    element("div", { class: "controls" },
      wingCountGroup,
      element("fieldset", {}, caption("positioning", "legend"), ...positions.map((p) => p.row)),
      element("fieldset", {}, caption("stability", "legend"), marginGroup, marginRow),
      calculate, running, memo, results),
    element("div", { class: "views" },
      element("div", { class: "picture-frame" }, topView),
      element("div", { class: "picture-frame" }, view3d),
      element("label", { class: "bar" }, caption("elevation"), elevation),
      element("label", { class: "bar" }, caption("azimuth"), azimuth)),
    element("div", { class: "extras" }, refinedCheck, refined,
      element("fieldset", {}, caption("balance", "legend"),
        element("label", { class: "box" }, caption("partsHint"), parts), partsMessage, balance)));
  sections.push(aircraft);

  const printImage = element("img", { id: "print-image", alt: "" });
  root.append(
    element("header", {},
      element("h1", { "data-text": "title" }),
      element("nav", { class: "commands" }, open, file, save, summaryPng, print, language),
      fileName),
    fileMessage,
    element("div", { role: "tablist", class: "tabs" }, ...tabButtons),
    element("main", {}, ...sections),
    element("p", { class: "hint", "data-text": "dropHint" }),
    printImage,
  );
  const allBoxes = [...wings.flatMap((w) => w.boxes), ...positions.flatMap((p) => [p.x, p.z]), marginBox];
  return {
    open, file, save, summaryPng, print, language, fileName, fileMessage, tabButtons, sections, wings,
    wingCount, positions, margin: { automatic, manual, row: marginRow, box: marginBox }, calculate, running,
    progress, countdown, memo, results, refinedCheck, refined, parts, partsMessage, balance, topView, view3d, elevation, azimuth, printImage, allBoxes,
  };
}
