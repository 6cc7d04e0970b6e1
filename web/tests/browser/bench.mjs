// The page's speed beside the native program's, measured in the same run on the
// same processor (printed, never asserted): the page interactive after opening it
// from 127.0.0.1 with an empty profile, the bytes it transferred (compressed),
// and the calculation of the start-up aircraft and of the 2958-panel aircraft in
// the page's worker against kalvesta4-cli on one processor (taskset) and on all.
// Best of `runs` (default 3): node tests/browser/bench.mjs [runs]
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { cli, root, startBrowser, startServer } from "./support.mjs";

const runs = Number(process.argv[2] ?? 3);
const best = (values) => Math.min(...values);
const processor = execFileSync("lscpu", { encoding: "utf8" }).match(/Model name:\s*(.*)/)?.[1] ?? "unknown";

function nativeMs(args, oneProcessor) {
  const times = [];
  for (let i = 0; i < runs; ++i) {
    const start = process.hrtime.bigint();
    execFileSync(oneProcessor ? "taskset" : cli, oneProcessor ? ["-c", "0", cli, ...args] : args, { stdio: "ignore" });
    times.push(Number(process.hrtime.bigint() - start) / 1e6);
  }
  return best(times);
}

const server = await startServer();
const loads = [];
let transferred = 0;
for (let i = 0; i < runs; ++i) {
  const browser = await startBrowser();
  const page = await browser.context.newPage();
  const sentBefore = server.bytesSent();
  await page.goto(server.url);
  await page.waitForSelector("body[data-ready=true]");
  loads.push(await page.evaluate(() => performance.now()));
  transferred = server.bytesSent() - sentBefore;
  await browser.close();
}

const startUp = execFileSync(cli, ["--save", "-"]);
const large = readFileSync(join(root, "bench/data/three_large_surfaces.da4"));
const browser = await startBrowser();
const page = await browser.context.newPage();
await page.goto(server.url);
await page.waitForSelector("body[data-ready=true]");
const pageMs = async (bytes) => {
  const times = [];
  for (let i = 0; i < runs; ++i) {
    times.push(await page.evaluate(async (content) => {
      const start = performance.now();
      await window.kalvesta.analyseText(new Uint8Array(content));
      return performance.now() - start;
    }, [...bytes]));
  }
  return best(times);
};
// "Calculate" pressed until its results are on show, the start-up aircraft.
const clickTimes = [];
for (let i = 0; i < runs; ++i) {
  await page.reload();
  await page.waitForSelector("body[data-ready=true]");
  const start = Date.now();
  await page.click("#calculate");
  await page.waitForSelector("#results li");
  clickTimes.push(Date.now() - start);
}
const figures = [
  ["start-up aircraft (426 panels)", await pageMs(startUp), nativeMs(["--json"], true), nativeMs(["--json"], false)],
  ["three large surfaces (2958 panels)", await pageMs(large),
    nativeMs(["--json", join(root, "bench/data/three_large_surfaces.da4")], true),
    nativeMs(["--json", join(root, "bench/data/three_large_surfaces.da4")], false)],
];
await browser.close();
await server.close();

const siteBytes = execFileSync("du", ["-sb", join(root, "build/web")], { encoding: "utf8" }).split("\t")[0];
const wasmBytes = execFileSync("sh", ["-c", `cat ${join(root, "build/web/assets")}/*.wasm | wc -c`], { encoding: "utf8" }).trim();
console.log(`Processor: ${processor}; best of ${runs}`);
console.log(`page files ${siteBytes} bytes (module ${wasmBytes}); transferred when opened, gzip: ${transferred} bytes`);
console.log(`page interactive after opening it: ${best(loads).toFixed(0)} ms`);
console.log(`Calculate on the start-up aircraft until its results show: ${best(clickTimes)} ms`);
console.log("calculation (JSON)                      page ms   native 1 thread ms   ratio   native all threads ms");
for (const [name, pageTime, oneThread, allThreads] of figures) {
  console.log(`${name.padEnd(38)} ${pageTime.toFixed(0).padStart(8)} ${oneThread.toFixed(0).padStart(20)} ${(pageTime / oneThread).toFixed(2).padStart(7)} ${allThreads.toFixed(0).padStart(23)}`);
}
