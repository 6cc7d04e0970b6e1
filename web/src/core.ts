// The page's side of the worker: each operation of the binding as a promise,
// answered in order; the solve's countdown goes to onProgress.
import type { DesignState, Operation, Picture, Reply } from "./protocol";

interface Pending {
  resolve: (value: unknown) => void;
  reject: (error: Error) => void;
}

export class Core {
  onProgress: (remaining: number, panels: number) => void = () => {};
  private readonly worker: Worker;
  private readonly pending = new Map<number, Pending>();
  private nextId = 1;

  constructor() {
    this.worker = new Worker(new URL("./worker.ts", import.meta.url), { type: "module" });
    this.worker.onmessage = (event: MessageEvent<Reply>) => {
      const reply = event.data;
      if ("progress" in reply) {
        this.onProgress(...reply.progress);
        return;
      }
      const waiting = this.pending.get(reply.id);
      this.pending.delete(reply.id);
      if ("error" in reply) {
        waiting?.reject(new Error(reply.error));
      } else {
        waiting?.resolve(reply.result);
      }
    };
  }

  request<T>(operation: Operation): Promise<T> {
    const id = this.nextId++;
    return new Promise<T>((resolve, reject) => {
      this.pending.set(id, { resolve: resolve as (value: unknown) => void, reject });
      this.worker.postMessage({ ...operation, id });
    });
  }

  // A change of the design: its state afterwards.
  change(operation: Operation): Promise<DesignState> {
    return this.request<DesignState>(operation);
  }

  draw(view: string, wing = 0): Promise<Picture | null> {
    return this.request<Picture | null>({ op: "draw", view, wing });
  }
}
