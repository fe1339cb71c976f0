#!/usr/bin/env node
// vorlen [OPTIONS] [FILE]: converts FILE (or standard input) to standard
// output, as vorlen-cli does, with the engine in WebAssembly.
import { readFileSync, statSync, writeSync } from 'node:fs';
import { setFlagsFromString } from 'node:v8';
import { Vorlen } from '../vorlen.mjs';

// A command converts once and ends: the engine is compiled straight to
// optimised code (V8's quick baseline compiler first would run most of a
// long text at half the speed before the optimised code is ready). The
// module compiles when the engine loads, below, so this still applies.
setFlagsFromString('--no-liftoff');

const USAGE = `Usage:
  vorlen [OPTIONS] [FILE]          convert FILE (or standard input) to standard output
  vorlen [OPTIONS] word WORD...    convert each word, one line each

Options:
  --vocabulary PATH     the vocabulary to use (plain or .gz; default: the package's own)
  --ignore-diacritics   use the vocabulary without diacritics
  --english             English messages
  --no-caps-rule        convert capitalised words inside a sentence too
  --bar-after-change    put a bar after a changed word that has one candidate
  --no-similar          do not offer similar words for a word not found
  --change              change words found in the vocabulary to all their spellings
  --classic             only the original rules, with their outputs unchanged
  --no-context          do not restore accents from the neighbouring words
  -h, --help            this text

Text in: UTF-8, or Windows-1252 when the bytes are not valid UTF-8; text out in the same
encoding. Exit status: 0 on success, 2 on an error (message on standard error).
`;

const SWITCHES = {
  '--ignore-diacritics': ['ignoreDiacritics', true],
  '--english': ['englishMessages', true],
  '--no-caps-rule': ['keepCapitalisedWords', false],
  '--bar-after-change': ['barAfterChange', true],
  '--no-similar': ['similarWordsWhenNotFound', false],
  '--change': ['changeFoundWords', true],
  '--classic': ['classic', true],
  '--no-context': ['contextAccents', false],
};

function fail(message) {
  process.stderr.write(`vorlen: ${message}\n`);
  process.exit(2);
}

function parse(argv) {
  const args = { options: {}, vocabulary: undefined, command: '', operands: [] };
  let optionsDone = false;
  for (let k = 0; k < argv.length; ++k) {
    const arg = argv[k];
    if (!optionsDone && !args.command && !args.operands.length && arg.startsWith('-')) {
      if (arg === '-h' || arg === '--help') return null;
      if (arg === '--') optionsDone = true;
      else if (arg === '--vocabulary') {
        if (k + 1 >= argv.length) fail(`${arg} needs a value`);
        args.vocabulary = argv[++k];
      } else if (arg in SWITCHES) {
        const [name, value] = SWITCHES[arg];
        args.options[name] = value;
      } else fail(`unknown option ${arg} (see --help)`);
      continue;
    }
    if (!args.command && !args.operands.length && arg === 'word') {
      args.command = 'word';
      continue;
    }
    args.operands.push(arg);
  }
  if (!args.command && args.operands.length > 1) fail('convert takes at most one file (see --help)');
  return args;
}

function writeAll(bytes) {
  for (let at = 0; at < bytes.length;) {
    try {
      at += writeSync(1, bytes, at, bytes.length - at);
    } catch (error) {
      if (error.code === 'EAGAIN') continue; // a pipe that is full for now
      if (error.code === 'EPIPE') process.exit(0);
      throw error;
    }
  }
}

const args = parse(process.argv.slice(2));
if (!args) {
  process.stdout.write(USAGE);
  process.exit(0);
}

let input;
if (!args.command) {
  const file = args.operands[0];
  try {
    if (file !== undefined && statSync(file).isDirectory()) fail(`cannot read ${file}: it is a directory`);
    input = readFileSync(file ?? 0);
  } catch (error) {
    fail(file === undefined ? 'cannot read standard input' : `cannot read ${file}: ${error.message}`);
  }
}

let vorlen;
try {
  vorlen = await Vorlen.load({ vocabulary: args.vocabulary });
} catch (error) {
  fail(error.message);
}

try {
  if (args.command === 'word') {
    const lines = args.operands.map((word) => (word ? vorlen.convertWord(word, args.options).output : ''));
    writeAll(Buffer.from(lines.map((line) => `${line}\n`).join('')));
  } else {
    writeAll(vorlen.convertBytes(input, args.options));
  }
} catch (error) {
  fail(error.message);
}
