"""Writes data/explanations.txt: for the vocabulary's words, the entries each
is a form of and a few words of like meaning, shown to a person choosing
between alternatives (`ves`: de «ver»; `vez`: tiempo, ocasión, turno).

* Entries: the stems the Spanish hunspell dictionary (Debian hunspell-es)
  gives for the word with `hunspell -s` (casas: casa, casar; hablé: hablar),
  other than the word itself and present in the vocabulary. Irregular verb
  forms stand in that dictionary as bare words without a stem (ves, dijo,
  fui); for those the engine's own inflection analysis is asked, through
  `vorlen-cli inflect`, on the vocabulary without them, and an infinitive it
  leads back to is kept (ves: ver).
* Synonyms: Debian mythes-es, the thesaurus th_es_ES_v2.dat (LGPL-2.1): up
  to four, the first of each sense first (vez: tiempo, turno, ocasión, ...),
  without the notes in brackets, each once. A form without synonyms of its
  own is explained through its entry at run time, so synonyms are written
  for thesaurus headwords only.

Only small-letter words with something to say get a line, and entries are
written for the words a person meets (those of data/word-ranks.txt and the
irregular forms), which keeps the file small: the rare forms of the
vocabulary (half a million) would multiply it by ten. A line is
`word TAB entry,entry TAB synonym|synonym`, Windows-1252, CR LF.

    python3 data/generate_explanations.py --cli build/src/cli/vorlen-cli
"""

import argparse
import re
import subprocess
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
THESAURUS = Path("/usr/share/mythes/th_es_ES_v2.dat")
DIC = Path("/usr/share/hunspell/es_ES.dic")
MAX_SYNONYMS = 4
MAX_ENTRIES = 2
INFINITIVE = re.compile(r"(ar|er|ir|ír)$")


def read_vocabulary_lines(path):
    with open(path, "rb") as f:
        return [line.rstrip(b"\r\n").decode("cp1252") for line in f]


def vocabulary_words(lines):
    words = []
    for line in lines[:27]:
        words.extend(w for w in line.split("|") if w)
    return words


def parse_thesaurus(text, vocabulary):
    """headword -> synonyms, for headwords that are small-letter vocabulary words."""
    lines = text.splitlines()
    synonyms = {}
    k = 1  # line 0 names the encoding
    while k < len(lines):
        head, _, count = lines[k].partition("|")
        k += 1
        senses = []
        for _ in range(int(count) if count.isdigit() else 0):
            if k >= len(lines):
                break
            senses.append([clean(s) for s in lines[k].split("|")[1:]])
            k += 1
        if head not in vocabulary or head != head.lower():
            continue
        chosen = []
        for rank in range(max((len(s) for s in senses), default=0)):
            for sense in senses:
                if rank < len(sense) and sense[rank] and sense[rank] != head \
                        and sense[rank] not in chosen:
                    chosen.append(sense[rank])
        if chosen:
            synonyms.setdefault(head, chosen[:MAX_SYNONYMS])
    return synonyms


def clean(synonym):
    synonym = re.sub(r"\s*\([^)]*\)", "", synonym).strip()
    return synonym if synonym and "|" not in synonym and "\t" not in synonym else ""


def hunspell_stems(words):
    """word -> stems other than itself, in hunspell's order."""
    result = subprocess.run(
        ["hunspell", "-d", "es_ES", "-s", "-i", "utf-8"],
        input="\n".join(words) + "\n", capture_output=True, text=True, check=True)
    stems = {}
    for line in result.stdout.splitlines():
        parts = line.split(" ")
        if len(parts) == 2 and parts[0] != parts[1]:
            stems.setdefault(parts[0], [])
            if parts[1] not in stems[parts[0]]:
                stems[parts[0]].append(parts[1])
    return stems


def bare_dictionary_words():
    bare = set()
    for line in DIC.read_text(encoding="utf-8").splitlines()[1:]:
        if "/" not in line and line.strip():
            bare.add(line.strip())
    return bare


def engine_entries(cli, lines, words):
    """word -> the infinitive the engine's inflection analysis finds for it on
    the vocabulary without `words`."""
    removed = set(words)
    reduced = ["|" + "".join(w + "|" for w in line.split("|") if w and w not in removed)
               if k < 27 and line else line for k, line in enumerate(lines)]
    with tempfile.TemporaryDirectory(prefix="vorlen-explain-") as tmp:
        vocabulary = Path(tmp) / "spanall.txt"
        vocabulary.write_bytes(("\r\n".join(reduced) + "\r\n").encode("cp1252"))
        ordered = sorted(words)
        out = subprocess.run(
            [cli, "--classic", "--vocabulary", str(vocabulary), "--data-dir", str(Path(tmp) / "d"),
             "inflect", *ordered], capture_output=True, text=True, check=True).stdout.splitlines()
    found = {}
    for word, answer in zip(ordered, out):
        if answer.startswith("Y |"):
            entry = answer[3:].strip("|")
            if INFINITIVE.search(entry) and entry != word:
                found[word] = entry
    return found


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--vocabulary", type=Path, default=HERE / "spanall.txt")
    parser.add_argument("--output", type=Path, default=HERE / "explanations.txt")
    parser.add_argument("--ranks", type=Path, default=HERE / "word-ranks.txt")
    parser.add_argument("--cli", required=True, help="path of vorlen-cli")
    args = parser.parse_args(argv)
    for needed, package in ((THESAURUS, "mythes-es"), (DIC, "hunspell-es")):
        if not needed.exists():
            print(f"generate_explanations: {needed} missing (apt-get install {package})",
                  file=sys.stderr)
            return 1

    lines = read_vocabulary_lines(args.vocabulary)
    words = [w for w in vocabulary_words(lines) if w == w.lower()]
    vocabulary = set(words)
    synonyms = parse_thesaurus(THESAURUS.read_text(encoding="latin-1"), vocabulary)
    stems = hunspell_stems(words)
    entries = {w: [s for s in stems.get(w, []) if s in vocabulary and len(s) > 2][:MAX_ENTRIES]
               for w in words}
    unexplained = [w for w in bare_dictionary_words() & vocabulary if not entries.get(w)]
    irregular = engine_entries(args.cli, lines, unexplained)
    met = set(args.ranks.read_bytes().decode("cp1252").split()) | set(irregular)
    entries = {w: e for w, e in entries.items() if w in met}
    for word, entry in irregular.items():
        entries[word] = [entry]

    count = 0
    with open(args.output, "wb") as out:
        for word in sorted(vocabulary):
            if not entries.get(word) and word not in synonyms:
                continue
            line = f"{word}\t{','.join(entries.get(word, []))}\t{'|'.join(synonyms.get(word, []))}"
            out.write((line + "\r\n").encode("cp1252", errors="replace"))
            count += 1
    print(f"{count} words explained ({len(synonyms)} with synonyms), "
          f"{args.output.stat().st_size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
