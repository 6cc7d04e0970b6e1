// The core's WebAssembly module against the command line, byte for byte: the
// module's analysis of each corpus aircraft's text gives exactly the JSON that
// kalvesta4-cli --json prints for the file (run where the file lies, so that both
// name it alike), as do the refusals of the command line's options.
import { execFileSync } from "node:child_process";
import { readFileSync, readdirSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { beforeAll, describe, expect, test } from "vitest";
import { Binding, type CoreModule, Refusal } from "../../src/binding";

const root = fileURLToPath(new URL("../../..", import.meta.url));
const coreDir = process.env.KALVESTA_CORE_DIR ?? join(root, "build/wasm/src/wasm");
const cli = process.env.KALVESTA_CLI ?? join(root, "build/release/src/kalvesta4-cli");
const corpus = join(root, "tests/fuzz/corpus/da4_analysis");

interface Case {
  file: string;
  wings?: number;
  margin?: string;
}

// Every corpus file as it is, two with another wing count or a manual margin, and
// the benchmarks' large aircraft (1218 and 2958 panels).
export const cases: Case[] = [
  ...readdirSync(corpus).sort().map((name) => ({ file: join(corpus, name) })),
  { file: join(corpus, "default_two_wings.da4"), wings: 3 },
  { file: join(corpus, "three_wings_four_trapezoids.da4"), wings: 1, margin: "12.5" },
  { file: join(root, "bench/data/three_equal_wings.da4") },
  { file: join(root, "bench/data/three_large_surfaces.da4") },
];

// The JSON, or for a refusal (exit status 2) the reason the command line gives.
function commandLine(c: Case): { status: number; output: string } {
  const args = ["--json", ...(c.wings ? ["--wings", String(c.wings)] : []), ...(c.margin ? ["--margin", c.margin] : [])];
  try {
    const output = execFileSync(cli, [...args, c.file.split("/").pop()!], { cwd: dirname(c.file), encoding: "utf8" });
    return { status: 0, output };
  } catch (failure) {
    const { status, stdout, stderr } = failure as { status: number; stdout: string; stderr: string };
    return { status, output: status === 2 ? stderr.replace(/^kalvesta4-cli: /, "").trimEnd() : stdout };
  }
}

let binding: Binding;
beforeAll(async () => {
  const { default: create } = await import(pathToFileURL(join(coreDir, "kalvesta4-core.mjs")).href);
  const module: CoreModule = await create({ wasmBinary: readFileSync(join(coreDir, "kalvesta4-core.wasm")) });
  binding = new Binding(module);
});

describe("the module's JSON", () => {
  test.each(cases.map((c) => [`${c.file.split("/").pop()} ${c.wings ?? ""} ${c.margin ?? ""}`, c]))(
    "%s is the command line's",
    (_, c) => {
      const expected = commandLine(c as Case);
      const { file, wings, margin } = c as Case;
      const analyse = () => binding.analyseText(readFileSync(file), { name: file.split("/").pop(), wings, margin });
      if (expected.status === 2) {
        expect(analyse).toThrow(new Refusal(expected.output));
      } else {
        expect(analyse()).toBe(expected.output);
      }
    },
    60000,
  );

  test("refuses what the command line refuses, with its reasons", () => {
    expect(() => binding.analyseText("310\r\n", { wings: 4 })).toThrow(Refusal);
    expect(() => binding.analyseText("no numbers here\n", { name: "notes.da4" })).toThrow(
      'Cannot read "notes.da4": not one of its lines holds a number: it is no aircraft file',
    );
  });
});
