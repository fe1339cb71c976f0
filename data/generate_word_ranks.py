"""Writes data/word-ranks.txt: Spanish words from the most common down.

The engine orders the alternatives it offers ("vez|ves") by how common each
word is. The ranks come from two ranked word lists of the npm package
@zxcvbn-ts/language-es-es, fetched at an exact version with `npm pack`
(see npm_package.py):

* src/commonWords.json, from the OpenSubtitles 2024 corpus via OPUS
  (ODC-BY): the words of everyday speech;
* src/wikipedia.json, from Spanish Wikipedia: the words of written prose.

A word's rank is the better of its two positions, so the lists are merged
by interleaving: the commonest words of speech and of prose come first
alike. Words are lower-cased; a word with any character outside the
engine's letters (a-z, ñ, á é í ó ú, ü) is dropped, and so are words of
one letter other than the Spanish words a, e, o, u, y.

The file is Windows-1252, one word a line, CR LF ends, the commonest first;
the line number is the rank.

    python3 data/generate_word_ranks.py [--tarball FILE] [--output FILE]
"""

import argparse
import json
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from npm_package import PackageError, read_package_files  # noqa: E402

PACKAGE = "@zxcvbn-ts/language-es-es"
VERSION = "4.1.2"
LISTS = ("src/commonWords.json", "src/wikipedia.json")
LETTERS = set("abcdefghijklmnopqrstuvwxyzñáéíóúü")
ONE_LETTER_WORDS = set("aeouy")


def keep(word):
    if not word or any(c not in LETTERS for c in word):
        return False
    return len(word) > 1 or word in ONE_LETTER_WORDS


def merge_ranks(lists):
    """Every kept word once, ordered by its best position in any list; a tie
    keeps the order of the lists."""
    best = {}
    for order, words in enumerate(lists):
        for position, word in enumerate(words):
            word = word.lower()
            if not keep(word):
                continue
            key = (position, order)
            if word not in best or key < best[word]:
                best[word] = key
    return sorted(best, key=lambda w: best[w])


def main(argv=None):
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--tarball", help="the package tarball, already fetched with npm pack")
    parser.add_argument("--output", default=str(here / "word-ranks.txt"))
    args = parser.parse_args(argv)
    try:
        files = read_package_files(PACKAGE, VERSION, LISTS, args.tarball)
    except PackageError as e:
        print(f"generate_word_ranks: {e}", file=sys.stderr)
        return 1
    lists = [json.loads(files[name].decode("utf-8")) for name in LISTS]
    ranked = merge_ranks(lists)
    with open(args.output, "wb") as out:
        out.write("".join(w + "\r\n" for w in ranked).encode("cp1252"))
    print(f"{len(ranked)} words ranked ({', '.join(f'{len(l)} in {n}' for l, n in zip(lists, LISTS))})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
