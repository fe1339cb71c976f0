// The page's model of a converted text: marks cut out of the engine's answer
// by their UTF-16 offsets, choices made on them, and the text that results.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { buildSegments, choicesOf, choose, isOpen, nextOpen, textOf } from '../../src/web/segments.js';

// The engine's answer for "aber 😀 yano kasx ves" (with a bar after the change).
const answer = {
  text: 'haber| 😀 yano|llano |kasx ves',
  words: [
    { offset: 12, length: 4, outputOffset: 21, outputLength: 5, status: 'notFound', candidates: [] },
    { offset: 0, length: 4, outputOffset: 0, outputLength: 6, status: 'corrected', candidates: ['haber'] },
    { offset: 8, length: 4, outputOffset: 10, outputLength: 10, status: 'alternatives',
      candidates: ['yano', 'llano'], explanations: ['', 'llanura'] },
  ],
};

test('marks are cut at their offsets past characters of two UTF-16 units', () => {
  const segments = buildSegments(answer);
  assert.deepEqual(segments.map((s) => s.plain ?? `[${s.text}]`),
    ['[haber|]', ' 😀 ', '[yano|llano]', ' ', '[|kasx]', ' ves']);
  assert.equal(textOf(segments), answer.text);
  assert.deepEqual(choicesOf(segments[2]), [{ text: 'yano', explanation: '' }, { text: 'llano', explanation: 'llanura' }]);
  assert.deepEqual(choicesOf(segments[4]).map((c) => c.text), ['kasx']);
});

test('choosing settles one mark, leaves the others, and ignores what it does not offer', () => {
  const segments = buildSegments(answer);
  const chosen = choose(segments, 2, 'llano');
  assert.equal(textOf(chosen), 'haber| 😀 llano |kasx ves');
  assert.equal(textOf(segments), answer.text, 'the earlier state is kept for undo');
  assert.equal(choose(chosen, 2, 'yano'), chosen, 'a settled mark offers nothing more');
  assert.equal(choose(segments, 2, 'lla'), segments);
  assert.equal(choose(segments, 1, ' 😀 '), segments, 'plain text is no mark');
  assert.equal(textOf(choose(choose(segments, 0, 'haber'), 4, 'kasx')), 'haber 😀 yano|llano kasx ves');
});

test('"next bar" walks the open marks and wraps round, then finds none', () => {
  let segments = buildSegments(answer);
  assert.deepEqual([nextOpen(segments, -1), nextOpen(segments, 0), nextOpen(segments, 2), nextOpen(segments, 4)], [0, 2, 4, 0]);
  for (const [i, part] of [[0, 'haber'], [2, 'yano'], [4, 'kasx']]) segments = choose(segments, i, part);
  assert.equal(segments.some(isOpen), false);
  assert.equal(nextOpen(segments, -1), -1);
  assert.equal(nextOpen([], -1), -1);
});

test('marks that overlap or run past the text are left as plain text', () => {
  const segments = buildSegments({
    text: 'ab cd',
    words: [
      { outputOffset: 0, outputLength: 2, candidates: [] },
      { outputOffset: 1, outputLength: 2, candidates: [] },
      { outputOffset: 3, outputLength: 9, candidates: [] },
    ],
  });
  assert.equal(textOf(segments), 'ab cd');
  assert.equal(segments.filter((s) => s.word).length, 1);
});
