// The Web Worker that holds the core (the WebAssembly module of src/wasm): it
// answers the page's requests one after the other, so that a calculation never
// freezes the page, and passes on the solve's countdown.
import createKalvestaCore from "@core/kalvesta4-core.mjs";
import wasmUrl from "@core/kalvesta4-core.wasm?url";
import { Binding, bind } from "./binding";
import type { Reply, Request } from "./protocol";

const post = (reply: Reply) => (self as unknown as Worker).postMessage(reply);

const ready: Promise<Binding> = createKalvestaCore({
  locateFile: () => wasmUrl,
  onProgress: (remaining: number, panels: number) => post({ progress: [remaining, panels] }),
}).then(bind);

self.onmessage = async (event: MessageEvent<Request>) => {
  const request = event.data;
  const binding = await ready;
  try {
    post({ id: request.id, result: binding.run(request) });
  } catch (failure) {
    post({ id: request.id, error: failure instanceof Error ? failure.message : String(failure) });
  }
};
