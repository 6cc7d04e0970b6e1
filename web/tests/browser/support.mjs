// What the browser tests and benchmarks share: a static server of build/web/ on
// 127.0.0.1 that compresses as a web server would and counts the bytes it sends,
// Debian's Chromium started headless with a new empty profile, and the command
// line whose output the page must match.
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, statSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { extname, join, normalize } from "node:path";
import { fileURLToPath } from "node:url";
import { gzipSync } from "node:zlib";
import { chromium } from "playwright-core";

export const root = fileURLToPath(new URL("../../..", import.meta.url));
export const site = process.env.KALVESTA_WEB_DIR ?? join(root, "build/web");
export const cli = process.env.KALVESTA_CLI ?? join(root, "build/release/src/kalvesta4-cli");
export const corpus = join(root, "tests/fuzz/corpus/da4_analysis");

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".css": "text/css",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
};

export async function startServer() {
  let sent = 0;
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://x").pathname);
    const file = normalize(join(site, path.endsWith("/") ? `${path}index.html` : path));
    let body;
    try {
      if (!file.startsWith(site) || !statSync(file).isFile()) throw new Error();
      body = readFileSync(file);
    } catch {
      response.writeHead(404).end();
      return;
    }
    const headers = { "Content-Type": types[extname(file)] ?? "application/octet-stream", "Cache-Control": "no-cache" };
    if (/\bgzip\b/.test(request.headers["accept-encoding"] ?? "")) {
      body = gzipSync(body, { level: 9 });
      headers["Content-Encoding"] = "gzip";
    }
    sent += body.length;
    response.writeHead(200, headers).end(body);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    bytesSent: () => sent,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// Chromium as the tests want it: headless, no sandbox (root), no GPU, nothing
// fetched from elsewhere, a profile of its own that starts empty.
export async function startBrowser(viewport = { width: 1280, height: 900 }) {
  const profile = mkdtempSync(join(tmpdir(), "kalvesta4-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.KALVESTA_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    viewport,
    acceptDownloads: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The page opened and ready (its first drawings done), with nothing remembered
// from an earlier test.
export async function openPage(context, url) {
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(url);
  await page.evaluate(() => localStorage.clear());
  await page.reload();
  await page.waitForSelector("body[data-ready=true]");
  page.errors = errors;
  return page;
}

// kalvesta4-cli with `args` in `folder`: its status, output and error text.
export function commandLine(args, folder = root) {
  try {
    return { status: 0, stdout: execFileSync(cli, args, { cwd: folder, encoding: "utf8", stdio: "pipe" }), stderr: "" };
  } catch (failure) {
    return { status: failure.status, stdout: failure.stdout, stderr: failure.stderr };
  }
}
