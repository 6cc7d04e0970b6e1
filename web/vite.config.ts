// The page's build: static files in build/web/ (relative addresses, so any static
// server and any folder can host them), the worker as a module, the core's module
// from the WebAssembly build (KALVESTA_CORE_DIR, by default build/wasm/src/wasm),
// and a service worker that keeps every file for offline use.
import { fileURLToPath } from "node:url";
import type { Plugin } from "vite";
import { defineConfig } from "vitest/config";

const root = fileURLToPath(new URL("..", import.meta.url));
const coreDir = process.env.KALVESTA_CORE_DIR ?? `${root}build/wasm/src/wasm`;

// sw.js: on install it stores the page's files, then answers from them first.
function offline(): Plugin {
  return {
    name: "kalvesta-offline",
    apply: "build",
    generateBundle(_options, bundle) {
      const files = ["./", ...Object.keys(bundle).map((name) => `./${name}`), "./kalvesta4.svg"];
      const version = Object.keys(bundle).sort().join("|").length.toString(36) + Date.now().toString(36);
      this.emitFile({
        type: "asset",
        fileName: "sw.js",
        source: `// Keeps the page's own files so that it works offline once loaded.
const cache = "kalvesta4-${version}";
const files = ${JSON.stringify(files)};
self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cache).then((c) => c.addAll(files)).then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((keys) =>
    Promise.all(keys.filter((k) => k !== cache).map((k) => caches.delete(k)))).then(() => self.clients.claim()));
});
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET" || !event.request.url.startsWith(self.location.origin)) {
    return;
  }
  event.respondWith(caches.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request)));
});
`,
      });
    },
  };
}

export default defineConfig({
  base: "./",
  resolve: { alias: { "@core": coreDir } },
  build: {
    outDir: `${root}build/web`,
    emptyOutDir: true,
    target: "es2022",
    assetsInlineLimit: 0,
  },
  worker: { format: "es" },
  plugins: [offline()],
  test: { include: ["tests/unit/**/*.test.ts", "tests/module/**/*.test.ts"] },
});
