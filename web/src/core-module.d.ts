// The core's module (src/wasm, built by emscripten): a factory of the module.
declare module "@core/kalvesta4-core.mjs" {
  import type { CoreModule } from "./binding";
  const createKalvestaCore: (settings: Record<string, unknown>) => Promise<CoreModule>;
  export default createKalvestaCore;
}
