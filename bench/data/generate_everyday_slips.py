"""Writes bench/data/everyday-slips.tsv: words of running Spanish as a person
who writes by ear might spell them.

The words come from the fortunes-es text (Debian package fortunes-es), small
letters only and in the shipped vocabulary. Each chosen word gets one or two
of the slips that writing by ear makes:

    accent   an accent dropped (está -> esta)
    b/v      b for v or v for b (vaca -> baca)
    c/s/z    ce ci, s and z confused (hacer -> aser, cielo -> sielo)
    ll/y     ll for y or y for ll (calle -> caye)
    h        a silent h dropped (hacer -> acer)
    g/j      ge gi and je ji confused (gente -> jente)
    qu/k     qu or c before a, o, u written k (queso -> keso)

A misspelling that is itself a vocabulary word is left out (the right answer
would be undecidable), and so is a word that no slip changes. The choice is a
fixed random draw over the distinct words, every word at most once, so the
file is the same on every run. It is a held-out set: measure with it, never
tune rules or data on its words.

Output lines: misspelled TAB standard TAB slips ("b/v+h").

    python3 bench/data/generate_everyday_slips.py [--count N] [--vocabulary FILE]
"""

import argparse
import random
import re
import sys
from pathlib import Path

FORTUNES = Path("/usr/share/games/fortunes/es")
ACCENTS = str.maketrans("áéíóú", "aeiou")
WORD = re.compile(r"[a-zñáéíóúü]+", re.IGNORECASE)


def slip_options(word):
    """Every (kind, misspelling) one slip away from the word."""
    options = []

    def add(kind, pattern, repl):
        for m in re.finditer(pattern, word):
            options.append((kind, word[:m.start()] + m.expand(repl) + word[m.end():]))

    if word != word.translate(ACCENTS):
        for i, c in enumerate(word):
            if c in "áéíóú":
                options.append(("accent", word[:i] + c.translate(ACCENTS) + word[i + 1:]))
    add("b/v", "b", "v")
    add("b/v", "v", "b")
    add("c/s/z", "c(?=[eéií])", "s")
    add("c/s/z", "z", "s")
    add("c/s/z", "s(?=[aáoóuú])", "z")
    add("c/s/z", "s(?=[eéií])", "c")
    add("ll/y", "ll", "y")
    add("ll/y", "y(?=[aeiouáéíóú])", "ll")
    add("h", r"(?<![csp])h", "")
    add("g/j", "g(?=[eéií])", "j")
    add("g/j", "j(?=[eéií])", "g")
    add("qu/k", "qu(?=[eéií])", "k")
    add("qu/k", "c(?=[aáoóuú])", "k")
    return [(k, w) for k, w in options if w != word]


def pick(rng, options):
    """One slip: a kind drawn evenly among the kinds the word allows, then a
    place, so that common letters (c before a, o, u) do not crowd out the rest."""
    kinds = sorted({k for k, _ in options})
    kind = rng.choice(kinds)
    return rng.choice([o for o in options if o[0] == kind])


def read_vocabulary(path):
    words = set()
    with open(path, "rb") as f:
        for n, line in enumerate(f):
            if n >= 27:
                break
            words.update(w.lower() for w in line.decode("cp1252").strip().split("|") if w)
    return words


def fortune_words():
    words = set()
    for file in sorted(FORTUNES.glob("*.fortunes")):
        if file.is_symlink():
            continue
        words.update(WORD.findall(file.read_text(encoding="utf-8", errors="replace")))
    return sorted(w for w in words if w == w.lower() and len(w) >= 3)


def build(vocabulary, words, count, seed=20261207):
    rng = random.Random(seed)
    candidates = [w for w in words if w in vocabulary]
    rng.shuffle(candidates)
    rows = []
    for word in candidates:
        if len(rows) >= count:
            break
        options = slip_options(word)
        if not options:
            continue
        kind, slipped = pick(rng, options)
        kinds = [kind]
        if rng.random() < 0.4:
            more = [(k, w) for k, w in slip_options(slipped) if w != word]
            if more:
                kind2, slipped2 = pick(rng, more)
                slipped = slipped2
                kinds.append(kind2)
        if slipped.lower() in vocabulary or slipped == word:
            continue
        rows.append((slipped, word, "+".join(sorted(kinds))))
    return rows


def main(argv=None):
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--vocabulary", default=str(here.parent.parent / "data" / "spanall.txt"))
    parser.add_argument("--output", default=str(here / "everyday-slips.tsv"))
    args = parser.parse_args(argv)
    if not FORTUNES.is_dir():
        print("generate_everyday_slips: fortunes-es is not installed", file=sys.stderr)
        return 1
    rows = build(read_vocabulary(args.vocabulary), fortune_words(), args.count)
    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        for row in rows:
            out.write("\t".join(row) + "\n")
    print(f"{len(rows)} slips written to {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
