// The converted text as the page shows it: plain runs between the words the
// conversion marked. A marked word keeps its output notation ("ves|vez",
// "|kasa", "haber|"); its bar-separated parts are the choices, and an empty
// part is a bar mark. Choosing a part puts that word alone in place of the
// whole mark, as a click in the window's converted text does.

// Splits `result.text` (offsets in UTF-16 units) into segments:
// {plain: "text"} and {word: {...}, text: "yano|llano"}.
export function buildSegments(result) {
  const segments = [];
  const text = result.text;
  let at = 0;
  const words = [...(result.words || [])].sort((a, b) => a.outputOffset - b.outputOffset);
  for (const word of words) {
    const start = word.outputOffset;
    const end = start + word.outputLength;
    if (start < at || end > text.length) continue; // overlapping or out of range: left plain
    if (start > at) segments.push({ plain: text.slice(at, start) });
    segments.push({ word, text: text.slice(start, end) });
    at = end;
  }
  if (at < text.length) segments.push({ plain: text.slice(at) });
  return segments;
}

// The parts a mark offers: [{text, explanation}], bar marks left out.
export function choicesOf(segment) {
  const parts = segment.text.split('|');
  const candidates = segment.word.candidates || [];
  const explanations = segment.word.explanations || [];
  return parts
    .filter((part) => part !== '')
    .map((part) => {
      const i = candidates.indexOf(part);
      return { text: part, explanation: i >= 0 ? explanations[i] || '' : '' };
    });
}

// True while the mark still holds a bar: alternatives to choose from or a
// bar mark to take away.
export function isOpen(segment) {
  return segment.word !== undefined && segment.text.includes('|');
}

// The segments with mark `index` settled on `choice` (one of its parts).
export function choose(segments, index, choice) {
  const segment = segments[index];
  if (!segment || !isOpen(segment) || !segment.text.split('|').includes(choice)) return segments;
  const next = segments.slice();
  next[index] = { word: segment.word, text: choice, chosen: true };
  return next;
}

// The converted text with the choices made so far.
export function textOf(segments) {
  return segments.map((s) => (s.plain !== undefined ? s.plain : s.text)).join('');
}

// The first open mark after segment `from` (-1: from the start), wrapping
// round to the beginning; -1 when none is left.
export function nextOpen(segments, from) {
  const n = segments.length;
  for (let step = 1; step <= n; ++step) {
    const i = (((from + step) % n) + n) % n;
    if (isOpen(segments[i])) return i;
  }
  return -1;
}
