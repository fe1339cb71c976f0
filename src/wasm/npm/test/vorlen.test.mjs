// The package as its users meet it: the module's answers on known words and
// texts, its offsets on text with accents and emoji, the errors it reports,
// and the vorlen command against the native vorlen-cli on a real text.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { Vorlen } from '../vorlen.mjs';

const bin = fileURLToPath(new URL('../bin/vorlen.mjs', import.meta.url));
const vorlen = await Vorlen.load();

test('converts a sentence into the output notation, with the words it marked', () => {
  const result = vorlen.convertText('aber si yano ay ves');
  // The likelier spelling first: "llano" is the commoner word.
  assert.equal(result.text, 'haber si llano|yano ay ves');
  assert.equal(result.finished, true);
  const [aber, yano] = result.words;
  assert.deepEqual([aber.status, aber.candidates, aber.offset, aber.length], ['corrected', ['haber'], 0, 4]);
  assert.equal(yano.status, 'alternatives');
  assert.deepEqual(yano.candidates, ['llano', 'yano']);
  assert.equal(result.text.slice(yano.outputOffset, yano.outputOffset + yano.outputLength), 'llano|yano');
  // Each alternative comes with what it is, from the explanations shipped.
  assert.equal(yano.explanations.length, 2);
  assert.match(yano.explanations[0], /\S/);
});

test('offsets count UTF-16 units past accents and characters beyond the BMP', () => {
  const text = 'ñandú 😀 aber 🎉 yano';
  const result = vorlen.convertText(text);
  for (const w of result.words) {
    const original = text.slice(w.offset, w.offset + w.length);
    assert.match(original, /^(aber|yano)$/);
    const shown = result.text.slice(w.outputOffset, w.outputOffset + w.outputLength);
    assert.equal(shown.replace(/^\||\|$/g, '').split('|')[0], w.candidates[0] ?? original);
  }
  assert.equal(result.words.length, 2);
});

test('the options change the conversion as their names say', () => {
  const every = vorlen.convertText('ves', { changeFoundWords: true }).text.split('|');
  assert.deepEqual(every.slice().sort(), ['bes', 'ves', 'vez']);
  assert.equal(vorlen.convertText('ves', { changeFoundWords: true, classic: true }).text.split('|')[0], 'ves');
  assert.equal(vorlen.convertText('aber', { barAfterChange: true }).text, 'haber|');
  assert.equal(vorlen.convertWord('kasa').output, 'casa|caza');
  const missing = vorlen.convertWord('qxzqxz');
  assert.equal(missing.status, 'notFound');
  assert.equal(missing.output, '|qxzqxz');
  assert.throws(() => vorlen.convertText('aber', { classic: 'yes' }), /classic/);
});

test('a conversion can be stopped from its progress callback', () => {
  const long = 'aber si yano ay ves. '.repeat(20000);
  let calls = 0;
  const result = vorlen.convertText(long, {}, () => ++calls < 2);
  assert.equal(result.finished, false);
  assert.ok(result.text.length < long.length);
});

test('a vocabulary that is not one is refused with a message', async () => {
  await assert.rejects(Vorlen.load({ vocabulary: new TextEncoder().encode('\0\0\0 not words') }), (error) => {
    assert.ok(error instanceof Error && error.message.length > 0);
    return true;
  });
});

function run(args, input) {
  return spawnSync(process.execPath, [bin, ...args], { input, maxBuffer: 1 << 28 });
}

test('the vorlen command: standard input, word mode, Windows-1252 kept, errors', () => {
  assert.equal(run([], 'aber si yano ay ves\n').stdout.toString(), 'haber si llano|yano ay ves\n');
  assert.equal(run(['word', 'aber', 'kasa']).stdout.toString(), 'haber\ncasa|caza\n');
  const latin1 = Buffer.from('aber ma\xf1ana\n', 'latin1');
  assert.deepEqual(run([], latin1).stdout, Buffer.from('haber ma\xf1ana\n', 'latin1'));
  const bad = run(['--no-such-option']);
  assert.equal(bad.status, 2);
  assert.match(bad.stderr.toString(), /unknown option/);
  assert.equal(run(['/no/such/file.txt']).status, 2);
});

test('npm pack gives a tarball that installs and runs without the network', () => {
  const dir = mkdtempSync(join(tmpdir(), 'vorlen-pack-'));
  try {
    const npm = (args, cwd) => spawnSync('npm', args, { cwd, encoding: 'utf8' });
    const packed = npm(['pack', '--silent', '--pack-destination', dir], fileURLToPath(new URL('..', import.meta.url)));
    assert.equal(packed.status, 0, packed.stderr);
    const installed = npm(['install', '--offline', '--no-audit', '--no-fund', '--prefix', dir,
      join(dir, packed.stdout.trim())], dir);
    assert.equal(installed.status, 0, installed.stderr);
    const ran = spawnSync(join(dir, 'node_modules/.bin/vorlen'), [], { input: 'aber si yano ay ves' });
    assert.equal(ran.stdout.toString(), 'haber si llano|yano ay ves');
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

// A real text: the fortunes-es collection, as the benchmarks use it, through
// the package's own data against vorlen-cli on data/ (VORLEN_CLI and
// VORLEN_VOCABULARY_FILE), with its defaults, in classic mode and with other
// options.
test("the vorlen command gives vorlen-cli's output byte for byte on a real text", (t) => {
  const cli = process.env.VORLEN_CLI;
  const vocabulary = process.env.VORLEN_VOCABULARY_FILE;
  const dir = '/usr/share/games/fortunes/es';
  if (!cli || !existsSync(cli)) assert.fail('VORLEN_CLI must name the native vorlen-cli');
  if (!vocabulary || !existsSync(vocabulary)) assert.fail('VORLEN_VOCABULARY_FILE must name data/spanall.txt');
  if (!existsSync(dir)) assert.fail(`${dir} is missing: install fortunes-es`);
  const text = Buffer.concat(readdirSync(dir).filter((f) => f.endsWith('.fortunes')).sort()
    .map((f) => readFileSync(`${dir}/${f}`)));
  for (const args of [[], ['--classic'], ['--change', '--no-caps-rule', '--bar-after-change']]) {
    const native = spawnSync(cli, ['--vocabulary', vocabulary, ...args], { input: text, maxBuffer: 1 << 28 });
    assert.equal(native.status, 0, native.stderr.toString());
    const ours = run(args, text);
    assert.equal(ours.status, 0, ours.stderr.toString());
    assert.ok(ours.stdout.equals(native.stdout), `outputs differ with ${args.join(' ') || 'no options'}`);
  }
  t.diagnostic(`${text.length} bytes compared`);
});

// A vocabulary named by path brings the files beside it, as in vorlen-cli:
// the context table puts back "más" and "está", the word ranks order "yano".
test('--vocabulary reads the word ranks and context table beside the file', () => {
  const cli = process.env.VORLEN_CLI;
  const vocabulary = process.env.VORLEN_VOCABULARY_FILE;
  const text = 'ella esta mas contenta que yo, aber si yano ay ves\n';
  const native = spawnSync(cli, ['--vocabulary', vocabulary], { input: text }).stdout.toString();
  assert.match(native, /está más/);
  assert.equal(run(['--vocabulary', vocabulary], text).stdout.toString(), native);
  const copy = mkdtempSync(join(tmpdir(), 'vorlen-alone-'));
  try {
    copyFileSync(vocabulary, join(copy, 'spanall.txt'));
    // Alone, it has nothing to put accents back by.
    const alone = run(['--vocabulary', join(copy, 'spanall.txt')], text);
    assert.equal(alone.status, 0, alone.stderr.toString());
    assert.match(alone.stdout.toString(), /esta mas .* yano\|llano/);
  } finally {
    rmSync(copy, { recursive: true, force: true });
  }
});
