#!/usr/bin/env python3
"""Builds data/context-accents.txt, the counts behind accents restored from context.

Some accents leave another valid word when they are dropped: mas/más, esta/está,
el/él, hablo/habló, publico/público/publicó. The groups of such spellings are
derived from the vocabulary (data/spanall.txt); running text then says which
member stands beside which words. This script reads licensed running text
(Debian documentation packages, downloaded and unpacked, never installed, and
the novels collection named in data/README.md), counts the neighbours of every
member, and writes the table the engine loads (src/context/).

    python3 data/generate_context_table.py [--work DIR] [--novels DIR]

The packages are fetched with `apt-get download` into DIR/debs and unpacked
with `dpkg-deb -x`. Any passage sharing a run of 8 words with the fortunes-es
text (the test text of `make quality`) is cut; one tenth of the passages is
held out as test text, the rest is counted. The margins are tuned on that rest
in folds, each scored by the counts of the others. `--evaluate` prints the
restored and false-alarm figures of each model step on the held-out text.
"""

import argparse
import collections
import glob
import gzip
import html.parser
import math
import os
import pickle
import re
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import context_model as cm  # noqa: E402

PACKAGES = [
    "sword-text-sparv", "manpages-es", "debian-reference-es", "maint-guide-es",
    "aptitude-doc-es", "debian-edu-doc-es", "libreoffice-help-es", "kicad-doc-es",
    "lilypond-doc-html-es",
]
FORTUNES_DIR = "/usr/share/games/fortunes/es"
RUN_LENGTH = 8  # a passage sharing this many words in a row with fortunes-es is cut
FOLDS = 5       # the training text is scored in folds, each by the counts of the others


# ---------------------------------------------------------------- sources

class _HtmlText(html.parser.HTMLParser):
    """The running text of an HTML page, one passage per block element."""
    BLOCKS = {"p", "div", "li", "h1", "h2", "h3", "h4", "h5", "h6", "td", "th", "br",
              "tr", "dd", "dt", "title", "blockquote", "table", "ul", "ol", "section"}
    SKIPPED = {"script", "style", "pre", "code", "tt", "kbd", "samp", "var"}
    # Inline code stands in a sentence as a name does: it leaves a number
    # mark, not a gap that would join its neighbours or end the sentence
    # early ("coinciden con <code>x</code>." is no "con.").
    INLINE_CODE = {"code", "tt", "kbd", "samp", "var"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.passages, self.current, self.skip = [], [], 0

    def handle_starttag(self, tag, attrs):
        if tag in self.INLINE_CODE and not self.skip:
            self.current.append(" 0 ")
        if tag in self.SKIPPED:
            self.skip += 1
        if tag in self.BLOCKS:
            self._end()

    def handle_endtag(self, tag):
        if tag in self.SKIPPED and self.skip:
            self.skip -= 1
        if tag in self.BLOCKS:
            self._end()

    def handle_data(self, data):
        if not self.skip:
            self.current.append(data)

    def _end(self):
        text = " ".join("".join(self.current).split())
        if text:
            self.passages.append(text)
        self.current = []


def html_passages(path):
    with open(path, "rb") as f:
        raw = f.read()
    parser = _HtmlText()
    parser.feed(raw.decode("utf-8", "replace"))
    parser._end()
    return parser.passages


_GROFF_ESCAPE = re.compile(r"\\(f\[[^]]*\]|f.|\(..|\[[^]]*\]|\*.|s[-+]?\d|.)")
_TEXT_MACROS = {"B", "I", "BR", "BI", "IB", "IR", "RB", "RI", "SM", "SB", "SH", "SS"}


def manpage_passages(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rb") as f:
        lines = f.read().decode("utf-8", "replace").splitlines()
    passages, current, in_example = [], [], False
    for line in lines:
        if line.startswith((".", "'")):
            parts = line[1:].split(None, 1)
            macro = parts[0] if parts else ""
            if macro in ("nf", "EX"):
                in_example = True
            elif macro in ("fi", "EE"):
                in_example = False
            if macro in _TEXT_MACROS and len(parts) > 1:
                if macro in ("SH", "SS"):
                    passages.append(" ".join(current))
                    current = []
                current.append(parts[1].replace('"', " "))
            elif macro in _TEXT_MACROS and macro not in ("SH", "SS"):
                pass  # a font for the next line, which goes on the sentence
            else:
                passages.append(" ".join(current))
                current = []
            continue
        if in_example:
            continue
        if not line.strip():
            passages.append(" ".join(current))
            current = []
            continue
        current.append(line)
    passages.append(" ".join(current))
    return [_GROFF_ESCAPE.sub(" ", p) for p in passages if p.strip()]


def sword_passages(module_dir):
    """The verses of a zText module: blocks of zlib text, verses located by the index."""
    passages = []
    for testament in ("ot", "nt"):
        with open(os.path.join(module_dir, testament + ".bzs"), "rb") as f:
            blocks = [struct.unpack("<III", f.read(12)) for _ in range(os.path.getsize(f.name) // 12)]
        with open(os.path.join(module_dir, testament + ".bzz"), "rb") as f:
            data = f.read()
        texts = [zlib.decompress(data[off:off + size]) for off, size, _ in blocks]
        with open(os.path.join(module_dir, testament + ".bzv"), "rb") as f:
            index = f.read()
        for pos in range(0, len(index) - 9, 10):
            block, start, size = struct.unpack("<IIH", index[pos:pos + 10])
            if size == 0 or block >= len(texts):
                continue
            verse = texts[block][start:start + size].decode("utf-8", "replace")
            verse = re.sub(r"<note.*?</note>", " ", verse, flags=re.S)
            verse = re.sub(r"<[^>]*>", " ", verse)
            passages.append(" ".join(verse.split()))
    return passages


def novel_passages(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    # Paragraphs are separated by lines of white space; inside one, emphasised
    # words stand on lines of their own.
    return [" ".join(p.split()) for p in re.split(r"\n[ \t]*\n", text) if p.strip()]


def download_packages(work):
    debs = os.path.join(work, "debs")
    os.makedirs(debs, exist_ok=True)
    missing = [p for p in PACKAGES if not glob.glob(os.path.join(debs, p + "_*.deb"))]
    if missing:
        subprocess.run(["apt-get", "download", *missing], cwd=debs, check=True)
    roots = {}
    for package in PACKAGES:
        deb = sorted(glob.glob(os.path.join(debs, package + "_*.deb")))[-1]
        root = os.path.join(work, "unpacked", package)
        if not os.path.isdir(os.path.join(root, "usr")):
            os.makedirs(root, exist_ok=True)
            subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
        roots[package] = root
    return roots


def package_passages(package, root):
    if package == "sword-text-sparv":
        return sword_passages(glob.glob(os.path.join(root, "usr/share/sword/modules/texts/ztext/*"))[0])
    if package == "manpages-es":
        files = sorted(glob.glob(os.path.join(root, "usr/share/man/es/man*/*")))
        return [p for f in files for p in manpage_passages(f)]
    files = sorted(f for f in glob.glob(os.path.join(root, "usr/share/**/*.htm*"), recursive=True)
                   if os.path.isfile(f))
    return [p for f in files for p in html_passages(f)]


# ---------------------------------------------------------------- fortunes filter

def fortunes_runs():
    runs = set()
    for passage in read_fortunes_text():
        words = cm.plain_words(passage)
        for i in range(len(words) - RUN_LENGTH + 1):
            runs.add(hash(tuple(words[i:i + RUN_LENGTH])))
    return runs


def shares_run(passage, runs):
    words = cm.plain_words(passage)
    return any(hash(tuple(words[i:i + RUN_LENGTH])) in runs
               for i in range(len(words) - RUN_LENGTH + 1))


def read_fortunes_text():
    """The passages of the fortunes-es text, as the benchmarks read it."""
    texts = []
    for path in sorted(glob.glob(os.path.join(FORTUNES_DIR, "*.fortunes"))):
        if os.path.islink(path):
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            texts.append(f.read())
    return [p for t in texts for p in t.split("\n%\n")]


# ---------------------------------------------------------------- main

def slice_of(passage):
    """0 for held-out test text, else training."""
    return zlib.crc32(passage.encode("utf-8")) % 10


def fold_of(passage):
    """The fold of a training passage, for tuning the margins."""
    return zlib.crc32(passage.encode("utf-8")) // 10 % FOLDS


def collect(args):
    roots = download_packages(args.work)
    kinds = {}  # kind -> list of passages
    for package, root in roots.items():
        kinds.setdefault("manuals" if package != "sword-text-sparv" else "bible", []).extend(
            package_passages(package, root))
    for path in sorted(glob.glob(os.path.join(args.novels, "*", "*.txt"))):
        kinds.setdefault("novels", []).extend(novel_passages(path))
    runs = fortunes_runs()
    split = {"train": {}, "test": {}}
    cut = 0
    for kind, passages in kinds.items():
        for passage in passages:
            if shares_run(passage, runs):
                cut += 1
                continue
            if slice_of(passage) == 0:
                split["test"].setdefault(kind, []).append(passage)
            else:
                split["train"].setdefault(kind, []).append(passage)
    print(f"passages cut for sharing {RUN_LENGTH} words with fortunes-es: {cut}", file=sys.stderr)
    for kind, passages in kinds.items():
        print(f"{kind}: {len(passages)} passages, {sum(len(cm.plain_words(p)) for p in passages)} words",
              file=sys.stderr)
    return split


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--work", default="/tmp/vorlen-context-sources")
    parser.add_argument("--novels", default="/work/shared/data/novels-es")
    parser.add_argument("--vocabulary", default=os.path.join(HERE, "spanall.txt"))
    parser.add_argument("--output", default=os.path.join(HERE, "context-accents.txt"))
    parser.add_argument("--evaluate", action="store_true",
                        help="print the figures of each step of the model (slow)")
    parser.add_argument("--evaluate-table", action="store_true",
                        help="print the figures of the table written, per margin")
    args = parser.parse_args()

    groups = cm.ambiguous_groups(args.vocabulary)
    print(f"groups from the vocabulary: {len(groups)}", file=sys.stderr)
    cache = os.path.join(args.work, "passages.pickle")
    split = None
    if os.path.exists(cache):
        with open(cache, "rb") as f:
            split = pickle.load(f)
        if not isinstance(split.get("train"), dict) or "tune" in split:  # an older cache
            split = None
    if split is None:
        split = collect(args)
        with open(cache, "wb") as f:
            pickle.dump(split, f)
    train = [p for passages in split["train"].values() for p in passages]
    table = cm.build_table(groups, train)
    # The margins are chosen on leads of text the counts never saw: each
    # fold of the training text scored by the counts of the others. A tenth
    # set aside for tuning was too little for the groups' own margins: they
    # fitted its few false alarms and missed the next text's.
    seen = collections.defaultdict(list)
    for fold in range(FOLDS):
        def in_fold(passage):
            return fold_of(passage) == fold
        counted = cm.build_table(groups, [p for p in train if not in_fold(p)])
        counted.leads({kind: [p for p in passages if in_fold(p)]
                       for kind, passages in split["train"].items()}, seen, keys=table)
        print(f"fold {fold + 1} of {FOLDS} scored", file=sys.stderr)
    table.tune_margins(seen)
    table.write(args.output)
    print(f"wrote {args.output}: {os.path.getsize(args.output)} bytes", file=sys.stderr)
    tests = dict(split["test"])
    tests["fortunes-es"] = read_fortunes_text()
    if args.evaluate_table:
        cm.report_final(table, tests)
    if args.evaluate:
        cm.report(table, groups, train, tests)


if __name__ == "__main__":
    main()
