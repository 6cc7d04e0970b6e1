// The page in Debian's Chromium, headless: a user's journeys (type a design and
// calculate, open and save files, a hostile and an oversized file, the language,
// a phone's width, offline, turning the 3-D view) and every corpus aircraft through
// window.kalvesta against kalvesta4-cli --json, byte for byte.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, readdirSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";
import { commandLine, corpus, openPage, root, startBrowser, startServer } from "./support.mjs";

let server;
let browser;
before(async () => {
  server = await startServer();
  browser = await startBrowser();
});
after(async () => {
  await browser?.close();
  await server?.close();
});

const resultLines = (page) => page.$$eval("#results li", (items) => items.map((item) => item.textContent));

describe("journeys", () => {
  test("type a design, calculate, read the range, weigh the parts, check the lattice", async () => {
    const page = await openPage(browser.context, server.url);
    await page.click("#tab-wing1");
    await page.fill("#w1-box1", "300");
    await page.waitForFunction(() => document.querySelector("#w1-s").textContent === "29.15dm^2");
    await page.click("#tab-aircraft");
    await page.click("#calculate");
    await page.waitForSelector("#results li");
    const [download] = await Promise.all([page.waitForEvent("download"), page.click("#save")]);
    const design = readFileSync(await download.path(), "latin1");
    const json = await page.evaluate((text) => window.kalvesta.analyse(text), design);
    const lines = await resultLines(page);
    assert.equal(lines.length, 6);
    assert.match(lines[5], /^Balance the model \d+ to \d+ mm behind the leading edge of Wing-1's root/);
    assert.ok(lines.some((line) => line.includes(json.x_cg.low.toFixed(1))), lines.join("|"));
    assert.ok(lines.some((line) => line.includes(json.x_cg.high.toFixed(1))), lines.join("|"));
    assert.equal(await page.isDisabled("#calculate"), true);

    // The balance of a parts list against these results, and the refined-lattice check.
    await page.fill("#parts", "part,mass_g,x_mm\nbattery,100,20\nservo,20,300\n");
    await page.waitForFunction(() => document.querySelectorAll("#balance li").length === 2);
    assert.match(await page.textContent("#balance li"), /^mass 120\.0 g, centre of gravity 66\.7 mm$/);
    const [summary] = await Promise.all([page.waitForEvent("download"), page.click("#summary-png")]);
    assert.equal(summary.suggestedFilename(), "Unknown.png");
    const png = readFileSync(await summary.path());
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [1600, 2440]); // twice the page
    await page.click("#refined-check");
    await page.waitForFunction(() => document.querySelector("#refined").textContent.includes("±"));
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test("open a file, save it as the command line would, its parts list too", async () => {
    const page = await openPage(browser.context, server.url);
    for (const name of ["three_wings_four_trapezoids.da4", "parts_section.da4"]) {
      const file = join(corpus, name);
      await page.setInputFiles("#file", file);
      await page.waitForFunction((n) => document.querySelector("#file-name").textContent === n, name);
      const [download] = await Promise.all([page.waitForEvent("download"), page.click("#save")]);
      assert.equal(download.suggestedFilename(), name);
      const saved = readFileSync(await download.path(), "latin1");
      assert.equal(saved, commandLine(["--save", "-", file]).stdout);
    }
    assert.match(await page.inputValue("#parts"), /^part,mass_g,x_mm\n.+/);
    await page.close();
  });

  test("a hostile file gets the desktop's refusal, an oversized one is refused unread", async () => {
    const page = await openPage(browser.context, server.url);
    const folder = mkdtempSync(join(tmpdir(), "kalvesta4-page-"));
    const notes = join(folder, "notes.da4");
    writeFileSync(notes, "no numbers here\n\u0000\u00ff");
    await page.setInputFiles("#file", notes);
    await page.waitForSelector("#file-message:not([hidden])");
    const refusal = commandLine([notes]).stderr.replace(/^kalvesta4-cli: /, "").trim();
    assert.equal(await page.textContent("#file-message"), refusal.replace(notes, "notes.da4"));
    await page.setInputFiles("#file", { name: "huge.da4", mimeType: "application/octet-stream", buffer: Buffer.alloc((1 << 20) + 1, 49) });
    await page.waitForFunction(() => document.querySelector("#file-message").textContent.includes("huge.da4"));
    assert.match(await page.textContent("#file-message"), /at 1048577 bytes it is larger than any aircraft file/);
    assert.equal(await page.isChecked("#wing-count-2"), true);
    await page.close();
  });

  test("the language switches and is remembered", async () => {
    const page = await openPage(browser.context, server.url);
    await page.click("#language");
    await page.waitForFunction(() => document.querySelector("#calculate").textContent === "Рассчитать");
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    assert.equal(await page.textContent("#calculate"), "Рассчитать");
    assert.equal(await page.textContent("#tab-wing1"), "Крыло -1");
    await page.click("#language");
    await page.waitForFunction(() => document.querySelector("#calculate").textContent === "Calculate");
    await page.close();
  });

  test("at a phone's width nothing is wider than the screen, and Calculate works", async () => {
    const page = await openPage(browser.context, server.url);
    await page.setViewportSize({ width: 375, height: 740 });
    for (const tab of ["#tab-wing1", "#tab-wing2", "#tab-aircraft"]) {
      await page.click(tab);
      await page.waitForTimeout(200);
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 375), tab);
    }
    await page.click("#calculate");
    await page.waitForSelector("#results li");
    await page.close();
  });

  test("once loaded the page works offline", async () => {
    const page = await openPage(browser.context, server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await browser.context.setOffline(true);
    try {
      await page.reload();
      await page.waitForSelector("body[data-ready=true]");
      await page.click("#calculate");
      await page.waitForSelector("#results li");
    } finally {
      await browser.context.setOffline(false);
    }
    await page.close();
  });

  test("the 3-D view turns under the mouse", async () => {
    const page = await openPage(browser.context, server.url);
    const box = await page.locator("#view3d").boundingBox();
    const before = await page.inputValue("#azimuth");
    await page.mouse.move(box.x + 100, box.y + 100);
    await page.mouse.down();
    await page.mouse.move(box.x + 160, box.y + 100, { steps: 10 });
    await page.mouse.up();
    await page.waitForFunction((value) => document.querySelector("#azimuth").value !== value, before);
    await page.close();
  });
});

// The cases of the module's test (tests/module): every corpus file, two with
// other options, the benchmarks' large aircraft.
const cases = [
  ...readdirSync(corpus).sort().map((name) => ({ folder: corpus, name })),
  { folder: corpus, name: "default_two_wings.da4", wings: 3 },
  { folder: corpus, name: "three_wings_four_trapezoids.da4", wings: 1, margin: "12.5" },
  { folder: join(root, "bench/data"), name: "three_equal_wings.da4" },
  { folder: join(root, "bench/data"), name: "three_large_surfaces.da4" },
];

describe("window.kalvesta.analyse gives kalvesta4-cli --json", () => {
  let page;
  before(async () => {
    page = await openPage(browser.context, server.url);
  });
  for (const c of cases) {
    test(`${c.name} ${c.wings ?? ""} ${c.margin ?? ""}`, async () => {
      const options = { name: c.name, ...(c.wings && { wings: c.wings }), ...(c.margin && { margin: c.margin }) };
      const args = ["--json", ...(c.wings ? ["--wings", String(c.wings)] : []), ...(c.margin ? ["--margin", c.margin] : []), c.name];
      const expected = commandLine(args, c.folder);
      const bytes = [...readFileSync(join(c.folder, c.name))];
      const answer = await page.evaluate(async ([content, opts]) => {
        try {
          const text = await window.kalvesta.analyseText(new Uint8Array(content), opts);
          const object = await window.kalvesta.analyse(new Uint8Array(content), opts);
          return { text, object };
        } catch (failure) {
          return { refusal: failure.message };
        }
      }, [bytes, options]);
      if (expected.status === 2) {
        assert.equal(answer.refusal, expected.stderr.replace(/^kalvesta4-cli: /, "").trimEnd());
      } else {
        assert.equal(answer.text, expected.stdout);
        assert.deepEqual(answer.object, JSON.parse(expected.stdout));
      }
    });
  }
});
