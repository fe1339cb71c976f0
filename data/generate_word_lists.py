#!/usr/bin/env python3
"""Generate data/known-names.txt and data/loanwords.txt.

known-names.txt: the first names and surnames of the npm package
@zxcvbn-ts/language-es-es (src/firstnames.json, src/lastnames.json), one a
line, in small letters, as the package writes them: without accents (ñ
kept). Entries of several words (de la fuente) or with letters Spanish does
not write (llorenç) are left out.

loanwords.txt: words of other languages that Spanish text uses as they are
(software, email, proxy). Candidates are the words of the same package's
frequency lists (src/commonWords.json from subtitles, src/wikipedia.json),
written in the letters a-z only. A candidate is kept when

  * the vocabulary (spanall.txt) does not hold it: Spanish words need no list;
  * the English dictionary of hunspell-en-us accepts it (`hunspell -d en_US
    -G`), which leaves out names and the misspellings that any frequency list
    gathers;
  * no Spanish word sounds like it: the engine's sound-alike search, run by
    `vorlen-cli word` in classic mode, finds nothing for it. An English word
    that reads as a misspelled Spanish one (boy for voy, ace for hace, echo
    for hecho, closet for clóset) stays out, so that writing by ear is still
    corrected.

Usage (from the repository root, with a built vorlen-cli):

    python3 data/generate_word_lists.py --cli build/src/cli/vorlen-cli

--tarball names a copy of the package fetched before with `npm pack`.
Needs npm, hunspell and hunspell-en-us.
"""

import argparse
import json
import os
import re
import subprocess
import sys
import tempfile
import unicodedata
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from npm_package import PackageError, read_package_files  # noqa: E402

PACKAGE = "@zxcvbn-ts/language-es-es"
VERSION = "4.1.2"
NAME_FILES = ["src/firstnames.json", "src/lastnames.json"]
FREQUENCY_FILES = ["src/commonWords.json", "src/wikipedia.json"]

DATA = Path(__file__).resolve().parent
NAME_LETTERS = re.compile(r"[a-zñ]+")
LOANWORD_LETTERS = re.compile(r"[a-z]{2,}")


def plain_name(name):
    """Small letters; None when not one word of the letters a-z and ñ."""
    name = unicodedata.normalize("NFC", name.strip().lower())
    return name if NAME_LETTERS.fullmatch(name) else None


def known_names(files):
    names = set()
    for member in NAME_FILES:
        for entry in json.loads(files[member].decode("utf-8")):
            name = plain_name(entry)
            if name:
                names.add(name)
    return sorted(names)


def vocabulary_words(path):
    """The words of lines 1-27 of spanall.txt, in small letters."""
    lines = path.read_bytes().decode("cp1252").split("\r\n")
    words = set()
    for line in lines[:27]:
        words.update(w.lower() for w in line.split("|") if w)
    return words


def frequency_candidates(files, vocabulary):
    seen = set()
    for member in FREQUENCY_FILES:
        for word in json.loads(files[member].decode("utf-8")):
            if word in seen or not LOANWORD_LETTERS.fullmatch(word) or word in vocabulary:
                continue
            seen.add(word)
            yield word


def english_words(words):
    """The words that hunspell's en_US dictionary accepts."""
    try:
        result = subprocess.run(["hunspell", "-d", "en_US", "-G"], input="\n".join(words),
                                capture_output=True, text=True, check=True)
    except FileNotFoundError as e:
        raise SystemExit("generate_word_lists: hunspell is not installed "
                         "(apt-get install hunspell hunspell-en-us)") from e
    accepted = set(result.stdout.split())
    if not accepted:
        raise SystemExit("generate_word_lists: hunspell accepted no word: is hunspell-en-us "
                         "installed?")
    return [w for w in words if w in accepted]


def without_spanish_sound(words, cli, vocabulary_file):
    """The words for which the sound-alike search finds no Spanish word."""
    kept = []
    with tempfile.TemporaryDirectory(prefix="vorlen-lists-") as data_dir:
        for start in range(0, len(words), 500):
            chunk = words[start:start + 500]
            result = subprocess.run(
                [str(cli), "--classic", "--no-similar", "--vocabulary", str(vocabulary_file),
                 "--data-dir", data_dir, "word", *chunk],
                capture_output=True, text=True, check=True)
            outputs = result.stdout.split("\n")
            if len(outputs) < len(chunk):
                raise SystemExit("generate_word_lists: vorlen-cli gave fewer lines than words")
            kept.extend(w for w, out in zip(chunk, outputs) if out == "|" + w)
    return kept


def write_list(path, words):
    path.write_text("".join(w + "\n" for w in words), encoding="utf-8")
    print(f"{path.name}: {len(words)} words")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", required=True, help="a built vorlen-cli")
    parser.add_argument("--vocabulary", default=str(DATA / "spanall.txt"))
    parser.add_argument("--tarball", help=f"{PACKAGE} {VERSION} fetched with npm pack")
    parser.add_argument("--output-dir", default=str(DATA))
    args = parser.parse_args(argv)

    try:
        files = read_package_files(PACKAGE, VERSION, NAME_FILES + FREQUENCY_FILES, args.tarball)
    except PackageError as e:
        raise SystemExit(f"generate_word_lists: {e}") from e
    output = Path(args.output_dir)
    write_list(output / "known-names.txt", known_names(files))

    vocabulary_file = Path(args.vocabulary)
    candidates = list(frequency_candidates(files, vocabulary_words(vocabulary_file)))
    english = english_words(candidates)
    loanwords = without_spanish_sound(english, Path(args.cli), vocabulary_file)
    print(f"loanword candidates: {len(candidates)} not in the vocabulary, "
          f"{len(english)} English")
    write_list(output / "loanwords.txt", sorted(loanwords))
    return 0


if __name__ == "__main__":
    sys.exit(main())
