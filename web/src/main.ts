// The page: the window's content laid out for a browser. Every input goes to the
// core in the worker, and the page shows what the core answers: planform labels,
// the core's own drawings, the calculation's countdown and results. It computes
// nothing itself.
import "./style.css";
import { Core } from "./core";
import { designFileRefusal, downloadName, maxDesignBytes, partsHeader } from "./design_file";
import { paint, show } from "./painter";
import type { AnalyseOptions, CliJson, DesignState, FileContent, Picture } from "./protocol";
import { remembered, remember } from "./storage";
import { type TextId, text } from "./texts";
import { buildPage, type PageElements } from "./layout";

const core = new Core();
const page: PageElements = buildPage(document.getElementById("app")!);
let state: DesignState;
let fileName = "Unknown.da4";
let english = true;
let activeTab = "aircraft";

const t = (id: TextId, values: Record<string, string | number> = {}) => text(id, english, values);

// Scripts and tests drive the page through this: the same JSON object (or, from
// analyseText, the same text) as kalvesta4-cli --json for that file and options.
declare global {
  interface Window {
    kalvesta: {
      analyse(da4Text: FileContent, options?: AnalyseOptions): Promise<unknown>;
      analyseText(da4Text: FileContent, options?: AnalyseOptions): Promise<string>;
      ready: Promise<void>;
    };
  }
}

function applyCaptions(): void {
  document.documentElement.lang = english ? "en" : "ru";
  for (const element of document.querySelectorAll<HTMLElement>("[data-text]")) {
    element.textContent = t(element.dataset.text as TextId);
  }
}

function showState(next: DesignState): void {
  state = next;
  page.wingCount[state.wing_count - 1].checked = true;
  for (let w = 1; w <= 3; ++w) {
    const wing = state.wings[w - 1];
    const elements = page.wings[w - 1];
    elements.tab.hidden = w > state.wing_count;
    elements.trapezoids[wing.trapezoids - 1].checked = true;
    elements.rows.forEach((row, t) => (row.hidden = t > wing.trapezoids));
    elements.boxes.forEach((box, i) => {
      if (document.activeElement !== box) {
        box.value = String(wing.boxes[i]);
      }
    });
    for (const key of ["b", "s", "lm", "r25", "lam"] as const) {
      elements.labels[key].textContent = wing[key].trim();
    }
    page.positions[w - 1].row.hidden = w > state.wing_count;
    for (const [box, value] of [[page.positions[w - 1].x, wing.x], [page.positions[w - 1].z, wing.z]] as const) {
      if (document.activeElement !== box) {
        box.value = String(value);
      }
    }
  }
  page.margin.automatic.checked = !state.manual;
  page.margin.manual.checked = state.manual;
  page.margin.row.hidden = !state.manual;
  if (document.activeElement !== page.margin.box) {
    page.margin.box.value = state.margin;
  }
  page.elevation.value = String(state.elevation);
  page.azimuth.value = String(state.azimuth);
  page.memo.hidden = state.memo === null;
  page.memo.textContent = state.memo ?? "";
  page.results.replaceChildren(
    ...(state.lines ?? []).map((line) => {
      const item = document.createElement("li");
      item.textContent = line.text;
      item.style.color = `rgb(${line.color.join(",")})`;
      return item;
    }),
  );
  page.calculate.disabled = state.lines !== null;
  page.refinedCheck.disabled = state.lines === null;
  showRefined(state.json.refined);
  showBalance(state.json.balance);
  if (activeTab !== "aircraft" && Number(activeTab.slice(4)) > state.wing_count) {
    selectTab("aircraft");
  }
}

const fixed = (value: number | null | undefined, decimals: number) =>
  value === null || value === undefined ? "–" : value.toFixed(decimals);

function showRefined(refined: CliJson["refined"]): void {
  page.refined.hidden = !refined;
  if (refined?.refused !== undefined) {
    page.refined.textContent = refined.refused;
  } else if (refined) {
    page.refined.textContent = t("refinedResult", {
      x_np: fixed(refined.x_np, 3),
      uncertainty: fixed(refined.x_np_uncertainty_mm, 3),
      change: fixed(refined.x_np_change_mm, 3),
      percent: fixed(refined.x_np_change_percent, 2),
      verdict: t((refined.verdict ?? "not_converged") as TextId),
    });
  }
}

function showBalance(balance: CliJson["balance"]): void {
  const lines: string[] = [];
  if (balance && balance.mass_g !== null) {
    lines.push(t("balanceResult", { mass: fixed(balance.mass_g, 1), x: fixed(balance.x_cg_mm, 1) }));
  }
  if (balance?.verdict) {
    lines.push(t("balanceMargin", {
      margin: fixed(balance.static_margin_percent, 1),
      verdict: t(balance.verdict as TextId),
      target: fixed(balance.target_x_cg_mm, 1),
    }));
  }
  page.balance.replaceChildren(...lines.map((line) => {
    const item = document.createElement("li");
    item.textContent = line;
    return item;
  }));
}

async function drawInto(canvas: HTMLCanvasElement, view: string, wing = 0): Promise<void> {
  const picture = await core.draw(view, wing);
  if (picture) {
    show(canvas, picture);
  }
}

// Redraws the pictures of the tab on show.
async function redraw(): Promise<void> {
  if (activeTab === "aircraft") {
    await Promise.all([
      drawInto(page.topView, "top"),
      drawInto(page.view3d, "view3d"),
      ...page.positions.map((position, i) => drawInto(position.picture, "position", i + 1)),
    ]);
  } else {
    const w = Number(activeTab.slice(4));
    const elements = page.wings[w - 1];
    await Promise.all([drawInto(elements.sketch, "sketch", w), drawInto(elements.planform, "planform", w)]);
  }
}

let saving = 0;
function rememberDesign(): void {
  window.clearTimeout(saving);
  saving = window.setTimeout(async () => {
    remember("design", await core.request<string>({ op: "save" }));
    remember("name", fileName);
  }, 300);
}

async function change(operation: Parameters<Core["change"]>[0]): Promise<void> {
  showState(await core.change(operation));
  rememberDesign();
  await redraw();
}

function selectTab(tab: string): void {
  activeTab = tab;
  for (const button of page.tabButtons) {
    const selected = button.dataset.tab === tab;
    button.setAttribute("aria-selected", String(selected));
  }
  for (const section of page.sections) {
    section.hidden = section.dataset.tab !== tab;
  }
  void redraw();
}

function say(message: string): void {
  page.fileMessage.textContent = message;
  page.fileMessage.hidden = message === "";
}

async function openFile(file: File): Promise<void> {
  const refusal = designFileRefusal(file.name, file.size, english);
  if (refusal) {
    say(refusal);
    return;
  }
  const answer = await core.request<{ ok: boolean; message?: string; parts?: string }>({
    op: "open",
    text: new Uint8Array(await file.arrayBuffer()),
    name: file.name,
  });
  if (!answer.ok) {
    say(answer.message ?? "");
    return;
  }
  say("");
  showParts(answer.parts || partsHeader);
  fileName = file.name;
  page.fileName.textContent = fileName;
  await change({ op: "state" });
}

// The parts list as a file gave it; the design's own list is saved with it.
function showParts(csv: string): void {
  page.parts.value = csv;
  page.partsMessage.hidden = true;
  remember("parts", csv);
}

// A list with a row that does not read is not saved in place of the last one that
// did: the message under it says which row.
async function saveFile(): Promise<void> {
  if (!page.partsMessage.hidden) {
    say(text("partsNotSaved", english));
    return;
  }
  say("");
  const content = await core.request<string>({ op: "save" });
  download(new Blob([content], { type: "application/octet-stream" }), downloadName(fileName, ".da4"));
}

function download(blob: Blob, name: string): void {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  window.setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// The summary page painted at twice its size for a sharp PNG and print.
async function summaryCanvas(): Promise<HTMLCanvasElement | null> {
  const picture = await core.draw("summary");
  if (!picture) {
    window.alert(t("calculateFirst"));
    return null;
  }
  const canvas = document.createElement("canvas");
  canvas.width = picture.width * 2;
  canvas.height = picture.height * 2;
  const context = canvas.getContext("2d")!;
  context.setTransform(2, 0, 0, 2, 0, 0);
  paint(context, picture as Picture);
  return canvas;
}

async function calculate(): Promise<void> {
  page.calculate.hidden = true;
  page.running.hidden = false;
  page.progress.value = 0;
  page.memo.hidden = true;
  core.onProgress = (remaining, panels) => {
    page.progress.max = panels;
    page.progress.value = panels - remaining;
    page.countdown.textContent = String(remaining);
  };
  try {
    showState(await core.change({ op: "calculate" }));
  } finally {
    page.running.hidden = true;
    page.calculate.hidden = false;
    page.countdown.textContent = "";
  }
  rememberDesign();
  await redraw();
}

function connect(): void {
  page.tabButtons.forEach((button) => button.addEventListener("click", () => selectTab(button.dataset.tab!)));
  page.wingCount.forEach((button, i) =>
    button.addEventListener("change", () => change({ op: "setWingCount", count: i + 1 })));
  page.wings.forEach((elements, w) => {
    elements.trapezoids.forEach((button, i) =>
      button.addEventListener("change", () => change({ op: "setTrapezoids", wing: w + 1, count: i + 1 })));
    elements.boxes.forEach((box, i) =>
      box.addEventListener("input", () => change({ op: "setBox", wing: w + 1, box: i, text: box.value })));
  });
  page.positions.forEach((position, w) => {
    for (const [box, height] of [[position.x, false], [position.z, true]] as const) {
      box.addEventListener("input", () => change({ op: "setPosition", wing: w + 1, height, text: box.value }));
    }
  });
  const setMargin = () =>
    change({ op: "setMargin", manual: page.margin.manual.checked, text: page.margin.box.value });
  page.margin.automatic.addEventListener("change", setMargin);
  page.margin.manual.addEventListener("change", setMargin);
  page.margin.box.addEventListener("input", setMargin);
  page.calculate.addEventListener("click", () => void calculate());
  page.refinedCheck.addEventListener("click", async () => {
    page.refinedCheck.disabled = true;
    showState(await core.change({ op: "checkRefined" }));
  });
  page.parts.addEventListener("input", async () => {
    const answer = await core.request<{ ok: boolean; message?: string }>({ op: "setParts", csv: page.parts.value });
    page.partsMessage.hidden = answer.ok;
    page.partsMessage.textContent = answer.message ?? "";
    remember("parts", page.parts.value);
    if (answer.ok) {
      showState(await core.change({ op: "state" }));
    }
  });
  for (const box of page.allBoxes) {
    box.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && activeTab === "aircraft" && !page.calculate.disabled) {
        void calculate();
      }
    });
  }

  page.open.addEventListener("click", () => page.file.click());
  page.file.addEventListener("change", () => {
    const file = page.file.files?.[0];
    page.file.value = "";
    if (file) {
      void openFile(file);
    }
  });
  document.addEventListener("dragover", (event) => event.preventDefault());
  document.addEventListener("drop", (event) => {
    event.preventDefault();
    const file = event.dataTransfer?.files[0];
    if (file) {
      void openFile(file);
    }
  });
  page.save.addEventListener("click", () => void saveFile());
  page.summaryPng.addEventListener("click", async () => {
    const canvas = await summaryCanvas();
    canvas?.toBlob((blob) => blob && download(blob, downloadName(fileName, ".png")), "image/png");
  });
  page.print.addEventListener("click", async () => {
    const canvas = await summaryCanvas();
    if (canvas) {
      page.printImage.src = canvas.toDataURL("image/png");
      await page.printImage.decode();
      window.print();
    }
  });
  page.language.addEventListener("click", async () => {
    english = !english;
    remember("language", english ? "en" : "ru");
    applyCaptions();
    await change({ op: "setEnglish", english });
  });

  // The 3-D view: turned by the left button or a finger, made smaller or larger by
  // the right button, as in the window; and by its two bars.
  const pointer = async (kind: number, event: PointerEvent) => {
    const bounds = page.view3d.getBoundingClientRect();
    const scale = 616 / bounds.width;
    const redraw3d = await core.request<boolean>({
      op: "view3dPointer",
      kind,
      left: (event.buttons & 1) !== 0 || event.pointerType === "touch",
      right: (event.buttons & 2) !== 0,
      x: (event.clientX - bounds.left) * scale,
      y: (event.clientY - bounds.top) * scale,
    });
    if (redraw3d) {
      showState(await core.change({ op: "state" }));
      await drawInto(page.view3d, "view3d");
    }
  };
  page.view3d.addEventListener("pointerdown", (event) => {
    page.view3d.setPointerCapture(event.pointerId);
    void pointer(0, event);
  });
  page.view3d.addEventListener("pointermove", (event) => {
    if (event.buttons !== 0 || event.pointerType === "touch") {
      void pointer(1, event);
    }
  });
  page.view3d.addEventListener("pointerup", (event) => void pointer(2, event));
  page.view3d.addEventListener("contextmenu", (event) => event.preventDefault());
  const bars = async () => {
    if (await core.request<boolean>({ op: "view3dBars", elevation: Number(page.elevation.value), azimuth: Number(page.azimuth.value) })) {
      await drawInto(page.view3d, "view3d");
    }
  };
  page.elevation.addEventListener("input", () => void bars());
  page.azimuth.addEventListener("input", () => void bars());
  let resizing = 0;
  window.addEventListener("resize", () => {
    window.clearTimeout(resizing);
    resizing = window.setTimeout(() => void redraw(), 100);
  });
}

async function start(): Promise<void> {
  english = remembered("language") !== "ru";
  applyCaptions();
  connect();
  if (!english) {
    await core.change({ op: "setEnglish", english });
  }
  const design = remembered("design");
  if (design !== null && design.length <= maxDesignBytes) {
    const name = remembered("name") ?? fileName;
    const answer = await core.request<{ ok: boolean }>({ op: "open", text: design, name });
    if (answer.ok) {
      fileName = name;
    }
  }
  page.fileName.textContent = fileName;
  const parts = remembered("parts");
  if (parts !== null) {
    page.parts.value = parts;
    await core.request({ op: "setParts", csv: parts });
  }
  showState(await core.change({ op: "state" }));
  selectTab("aircraft");
  await redraw();
  document.body.dataset.ready = "true";
}

const ready = start();
window.kalvesta = {
  ready,
  analyseText: (da4Text, options = {}) => core.request<string>({ op: "analyse", text: da4Text, options }),
  analyse: async (da4Text, options = {}) =>
    JSON.parse(await core.request<string>({ op: "analyse", text: da4Text, options })),
};

if ("serviceWorker" in navigator && location.protocol !== "file:") {
  void navigator.serviceWorker.register("./sw.js").catch(() => undefined);
}
