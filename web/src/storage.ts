// What the page remembers in the browser between visits: the language and the
// last design. A browser that keeps nothing (private mode, storage full) just
// starts with the start-up aircraft.
const prefix = "kalvesta4.";

export function remembered(key: string): string | null {
  try {
    return window.localStorage.getItem(prefix + key);
  } catch {
    return null;
  }
}

export function remember(key: string, value: string): void {
  try {
    window.localStorage.setItem(prefix + key, value);
  } catch {
    // Nothing kept: the page works on without it.
  }
}
