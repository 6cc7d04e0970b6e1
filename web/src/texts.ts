// The page's own texts in English and Russian: the window's captions where the
// window has them (exactly as it shows them, blanks trimmed), and the page's own
// for what only the page has. The core's texts (sketch captions, messages, the
// stability lines, the summary page) come from the core in the language chosen.

const english = {
  title: "Kalvesta4",
  wingTab1: "Wing-1",
  wingTab2: "Wing-2",
  wingTab3: "Wing-3",
  aircraftTab: "Aircraft",
  trapezoids1: "1 trapezium",
  trapezoids2: "2 trapeziums",
  trapezoids3: "3 trapeziums",
  trapezoids4: "4 trapeziums",
  rootOffset: "root offset",
  rootChord: "root chord",
  trapezoid: "trapezium",
  span: "span",
  chord: "chord",
  leadingEdge: "leading edge x",
  b: "wing span (b):",
  s: "wing area (s):",
  lm: "mean aerod. chord (lm):",
  r25: "geometric center (r25):",
  lam: "aspect ratio (lam):",
  wings1: "1 Wing",
  wings2: "2 Wings",
  wings3: "3 Wings",
  positioning: "Positioning",
  stability: "Desired Static Stability:",
  automatic: "Automatic choice of stability",
  manual: "Manual choice of stability",
  calculate: "Calculate",
  running: "- calculation is running -",
  open: "Open",
  save: "Save",
  print: "Print",
  summaryPng: "Summary as PNG",
  language: "Русский",
  elevation: "elevation",
  azimuth: "azimuth",
  calculateFirst: "Please calculate first.",
  dropHint: "Drop a .da4 file here to open it.",
  tooLarge: 'Cannot read "{name}": at {size} bytes it is larger than any aircraft file.',
  units: "mm",
};

export type TextId = keyof typeof english;

const russian: Record<TextId, string> = {
  title: "Kalvesta4",
  wingTab1: "Крыло -1",
  wingTab2: "Крыло -2",
  wingTab3: "Крыло -3",
  aircraftTab: "Самолёт",
  trapezoids1: "1Трапеци",
  trapezoids2: "2Трапеции",
  trapezoids3: "3Трапеции",
  trapezoids4: "4Трапеции",
  rootOffset: "смещение корня",
  rootChord: "корневая хорда",
  trapezoid: "трапеция",
  span: "размах",
  chord: "хорда",
  leadingEdge: "передняя кромка x",
  b: "Размах крыла b:",
  s: "Площадь крыла  s :",
  lm: "Главн.Аэр.Хорда :",
  r25: "Геометрический центр  (r25):",
  lam: "Удлиннение(lam):",
  wings1: "1 Крыло",
  wings2: "2 Крыла",
  wings3: "3 Крыла",
  positioning: "Располож.",
  stability: "Выбор статической стабильности  :",
  automatic: "Считать стабилизац.автоматич",
  manual: "Выбрать стабилизацию вручную",
  calculate: "Рассчитать",
  running: "- Расчёт параметров-",
  open: "Откр.",
  save: "Сохранить",
  print: "Печать",
  summaryPng: "Сводка в PNG",
  language: "English",
  elevation: "высота",
  azimuth: "азимут",
  calculateFirst: "Сначала выполните расчёт.",
  dropHint: "Перетащите сюда файл .da4, чтобы открыть его.",
  tooLarge: "Не удаётся прочитать «{name}»: при {size} байтах он больше любого файла самолёта.",
  units: "мм",
};

// The text in the language, its {placeholders} filled in.
export function text(id: TextId, isEnglish: boolean, values: Record<string, string | number> = {}): string {
  const template = (isEnglish ? english : russian)[id];
  return template.replace(/\{(\w+)\}/g, (whole, name: string) =>
    name in values ? String(values[name]) : whole);
}

export const textIds = Object.keys(english) as TextId[];
export const languages = { english, russian };
