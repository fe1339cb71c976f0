"""The context model of accents, as the engine computes it (src/context/).

Shared by the table generator and its tests: the ambiguous groups derived from
the vocabulary, the tokens a text is cut into, the counts, and the score that
chooses between the members of a group.
"""

import collections
import math
import sys

# The letters of words, as in the engine (Windows-1252 letters).
LETTERS = set("abcdefghijklmnopqrstuvwxyzñáéíóúüABCDEFGHIJKLMNOPQRSTUVWXYZÑÁÉÍÓÚÜ")
_PLAIN = str.maketrans("áéíóúüÁÉÍÓÚÜ", "aeiouuAEIOUU")
ACCENTED_VOWELS = "áéíóú"

# Accents current rules dropped or made optional: never proposed, and read in
# old texts as the plain spelling.
OPTIONAL_ACCENTS = {
    "éste", "ésta", "éstos", "éstas", "ése", "ésa", "ésos", "ésas",
    "aquél", "aquélla", "aquéllos", "aquéllas", "sólo", "ésto", "éso", "aquéllo",
}
NEVER_AMBIGUOUS = {"solo"}

# Marks of the text around words: a sentence edge, a phrase edge, the opening
# signs of questions and exclamations, a number.
EDGE, PHRASE, QUESTION, EXCLAMATION, NUMBER = ".", ",", "¿", "¡", "0"
_MARKS = {".": EDGE, "?": EDGE, "!": EDGE, "…": EDGE, ",": PHRASE, ";": PHRASE, ":": PHRASE,
          "¿": QUESTION, "¡": EXCLAMATION}

FEATURES = ("L1", "R1", "L2", "R2")
# The back-off of a nearer neighbour without a row: its last three letters
# where they were counted often enough (-ndo gerunds, -aba past tenses), else
# its last two, a rough class of word (-ro, -do, -ar: nouns, participles,
# infinitives), else every such neighbour.
SUFFIX_FEATURES = {"L1": "L1S", "R1": "R1S"}
SUFFIX_LENGTH = 2
LONG_SUFFIX_FEATURES = {"L1": "L1S3", "R1": "R1S3"}
LONG_SUFFIX_LENGTH = 3
MIN_SUFFIX_COUNT = 5
# Each side is a chain: the second word refines the estimate of the first.
CHAINS = (("L1", "L2"), ("R1", "R2"))
ALPHA = 2.0           # weight of the back-off estimate in a smoothed row
POOL_MIN_LENGTH = 5   # verb endings are pooled for spellings this long or longer
POOL_SHRINK = 50.0    # a group seen this often heeds its pooled ending half as much
DEFAULT_MARGIN = 3.0  # log units a restored accent must win by
MARGINS = (2.0, 3.0, 4.0)  # the margins the report measures
TARGET_FALSE_ALARMS = 0.0009  # of the unaccented words of the groups, on each kind of tuning text
MIN_OWN_MARGIN_CASES = 20  # cases a group needs to get a margin of its own
OFF = 99.0            # the margin of a group switched off: no score wins by it
# Margins set by hand over the tuned ones, where the folds' false alarms are
# not what a writer would meet. The subjunctive esté is rare (476 of 10 130
# este/esté counted) and its cue often lies beyond the two words each side
# that the model reads (que este libro esté en casa). Priced like every group,
# the folds give it 5, which restores 27 of the 476. At 1.5 they restore 223 for 19 false alarms more,
# and 8 of those 19 are the sources' own dropped accents (que el sistema de
# archivos este desmontado, en caso de que ninguno este presente, tal vez se
# este muriendo); most of the rest are the pronoun the older editions write
# éste (miróle éste en los ojos). Held out: 22 of 55 restored with 1 false
# alarm in 1 135, against 1 with none at 5.
SET_MARGINS = {"este": 1.5}
PRUNE_GAIN = 0.4     # rows that move an estimate less than this are not shipped
USE_MARKS = True      # off only to measure what the marks of the text add


def plain(word):
    return word.lower().translate(_PLAIN)


def tokens(text):
    """Lower-cased, accent-free words and marks; a sentence edge at each end."""
    out = [EDGE]
    word = []
    for ch in text:
        if ch in LETTERS:
            word.append(ch)
            continue
        if word:
            out.append("".join(word))
            word = []
        mark = _MARKS.get(ch) if USE_MARKS else None
        if mark is None and USE_MARKS and ch in "0123456789":
            mark = NUMBER
        if mark is not None and out[-1] != mark:
            out.append(mark)
    if word:
        out.append("".join(word))
    if out[-1] != EDGE:
        out.append(EDGE)
    return out


def suffix(token, length=SUFFIX_LENGTH):
    """The class of a neighbour for the back-off: its last letters."""
    return token[-length:]


def plain_words(text):
    return [plain(t) for t in tokens(text) if t[0] in LETTERS]


def ambiguous_groups(vocabulary_path):
    """plain spelling -> its members, the plain one first, then the accented ones."""
    words = set()
    with open(vocabulary_path, "rb") as f:
        for number, line in enumerate(f.read().split(b"\r\n")[:27]):
            for w in line.decode("cp1252").split("|"):
                if w and w == w.lower():
                    words.add(w)
    groups = collections.defaultdict(list)
    for w in sorted(words):
        p = plain(w)
        if w == p or p not in words or len(p) < 2 or p in NEVER_AMBIGUOUS:
            continue
        if w in OPTIONAL_ACCENTS or "ü" in w:
            continue
        groups[p].append(w)
    return {p: [p] + sorted(members) for p, members in groups.items()}


def final_accent(word):
    """The ending of a word stressed on a written last-syllable vowel: habló -> ó,
    hablarán -> án; None otherwise."""
    for i in range(len(word) - 1, -1, -1):
        if word[i] in "aeiouáéíóú":
            if word[i] in ACCENTED_VOWELS:
                return word[i:]
            return None
    return None


def pool_of(members):
    """The pooled verb ending of a group and its final-stressed member, or None."""
    if len(members[0]) < POOL_MIN_LENGTH:
        return None
    for m in members[1:]:
        ending = final_accent(m)
        if ending:
            return "*" + ending, m
    return None


def label_of(written, members):
    """Which member a written word is: the member itself, or the plain one for an
    optional accent (ésta, sólo); None for a spelling outside the group."""
    w = written.lower()
    if w in members:
        return w
    if w in OPTIONAL_ACCENTS:
        return members[0]
    return None


def contexts(text, groups):
    """(plain, written, context features) for each word of a group in a text."""
    raw = tokens(text)
    toks = [plain(t) if t[0] in LETTERS else t for t in raw]
    for i in range(1, len(toks) - 1):
        members = groups.get(toks[i])
        if members is None:
            continue
        yield toks[i], raw[i], feature_values(toks, i)


def labelled_contexts(passages, groups):
    """(plain, member written, context features) for each word of a group in
    the passages whose spelling is a member (an optional accent counts as the
    plain one)."""
    for text in passages:
        for p, written, values in contexts(text, groups):
            label = label_of(written, groups[p])
            if label is not None:
                yield p, label, values


def feature_values(toks, i):
    """The context of toks[i]; it never reaches across a sentence edge."""
    def at(j):
        step = 1 if j > i else -1
        for k in range(i + step, j + step, step):
            if not 0 <= k < len(toks) or toks[k] == EDGE:
                return EDGE
        return toks[j]
    return {
        "L1": at(i - 1), "R1": at(i + 1),
        "L2": at(i - 2) + " " + at(i - 1), "R2": at(i + 1) + " " + at(i + 2),
    }


class Table:
    def __init__(self, groups):
        self.groups = groups
        self.totals = {}                      # plain -> counts per member
        self.rows = {}                        # (plain, feature, value) -> counts per member
        self.pool_totals = {}                 # pool -> [plain count, accented count]
        self.pool_rows = {}                   # (pool, feature, value) -> [plain, accented]
        self.margins = {}                     # plain or pool -> margin
        # (plain or pool, "L1"/"R1") -> the counts beside neighbours without a
        # row of their own: the totals less every row kept (see fill_other)
        self.other = {}
        self.features = set(FEATURES)
        self.use_pool = True
        self.default_margin = DEFAULT_MARGIN

    # -- counting
    def add(self, p, written, values):
        members = self.groups[p]
        label = label_of(written, members)
        if label is None:
            return
        k = members.index(label)
        self.totals.setdefault(p, [0] * len(members))[k] += 1
        for f, v in values.items():
            self.rows.setdefault((p, f, v), [0] * len(members))[k] += 1
        pool = pool_of(members)
        if pool and label in (p, pool[1]):
            c = 0 if label == p else 1
            self.pool_totals.setdefault(pool[0], [0, 0])[c] += 1
            for f, v in values.items():
                self.pool_rows.setdefault((pool[0], f, v), [0, 0])[c] += 1

    # -- scoring
    def _prior(self, counts):
        n = sum(counts)
        return [(c + 0.5) / (n + 0.5 * len(counts)) for c in counts]

    def _row(self, rows, key, f, v):
        """The counts beside neighbour v; for a nearer neighbour without a
        row, those beside the words of its longer ending, else of its shorter
        one, else beside all such words."""
        row = rows.get((key, f, v))
        if row is None and f in SUFFIX_FEATURES:
            row = (rows.get((key, LONG_SUFFIX_FEATURES[f], suffix(v, LONG_SUFFIX_LENGTH)))
                   or rows.get((key, SUFFIX_FEATURES[f], suffix(v))) or self.other.get((key, f)))
        return row

    def scores(self, p, values):
        """(members, score of each) for the plain spelling p, or (None, None)."""
        members = self.groups[p]
        totals = self.totals.get(p)
        pool = pool_of(members) if self.use_pool else None
        if totals is None:
            # A group the counts never met is judged by its pooled ending alone.
            if pool is None or pool[0] not in self.pool_totals:
                return None, None
            members = [p, pool[1]]
            totals = list(self.pool_totals[pool[0]])
        prior = self._prior(totals)
        score = [math.log(x) for x in prior]
        pool_prior = self._prior(self.pool_totals[pool[0]]) if pool and pool[0] in self.pool_totals else None
        # The pooled ending speaks the louder the less the group has been seen.
        pool_weight = POOL_SHRINK / (POOL_SHRINK + sum(self.totals.get(p, ())))
        for chain in CHAINS:
            est = prior
            for f in chain:
                if f not in self.features:
                    continue
                v = values[f]
                back = est
                if pool_prior is not None:
                    q = self._row(self.pool_rows, pool[0], f, v)
                    if q is not None:
                        n = sum(q)
                        ratio = [1.0] * len(members)
                        for c, k in ((0, 0), (1, members.index(pool[1]))):
                            ratio[k] = (((q[c] + ALPHA * pool_prior[c]) / (n + ALPHA)) / pool_prior[c]
                                        ) ** pool_weight
                        back = [x * y for x, y in zip(back, ratio)]
                        t = sum(back)
                        back = [x / t for x in back]
                row = self._row(self.rows, p, f, v)
                if row is None:
                    est = back
                else:
                    n = sum(row)
                    est = [(r + ALPHA * x) / (n + ALPHA) for r, x in zip(row, back)]
            for k in range(len(members)):
                score[k] += math.log(est[k]) - math.log(prior[k])
        return members, score

    def margin(self, p):
        members = self.groups[p]
        if p in self.margins:
            return self.margins[p]
        pool = pool_of(members)
        if p not in self.totals and pool and pool[0] in self.margins:
            return self.margins[pool[0]]
        return self.default_margin

    def choose(self, p, values, margin=None):
        """The member to write for the plain spelling p in this context."""
        members, score = self.scores(p, values)
        if score is None:
            return p
        best = max(range(len(score)), key=lambda k: score[k])
        m = self.margin(p) if margin is None else margin
        if best != 0 and score[best] - score[0] >= m:
            return members[best]
        return p

    # -- margins per group, tuned on text the counts never saw
    def key_of(self, p):
        """The key a group's margin is kept under: its own, or its pooled
        ending's for a verb form the counts never met."""
        return p if p in self.totals else pool_of(self.groups[p])[0]

    def leads(self, by_kind, seen=None, keys=None):
        """Adds to `seen` (key -> cases) how this table scores every word of
        the groups in text it never counted (kind -> passages): (kind, plain
        written?, best member right?, lead of the best over the plain one).
        `keys` names the key of each plain spelling (Table.key_of of the
        shipped table) when this table is one of its folds."""
        seen = collections.defaultdict(list) if seen is None else seen
        keys = keys or self
        for kind, passages in by_kind.items():
            for p, label, values in labelled_contexts(passages, self.groups):
                members, score = self.scores(p, values)
                if score is None or (p not in keys.totals and pool_of(self.groups[p]) is None):
                    continue
                best = max(range(len(score)), key=lambda k: score[k])
                seen[keys.key_of(p)].append((kind, label == members[0], members[best] == label,
                                             score[best] - score[0] if best else -1.0))
        return seen

    def tune_margins(self, seen, grid=(1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 7.0, 10.0, OFF),
                     target=TARGET_FALSE_ALARMS, min_cases=MIN_OWN_MARGIN_CASES):
        """Margins chosen on the leads of text the counts never saw (see
        leads(): each fold of the training text scored by the counts of the
        other folds) so that false alarms stay within `target` of the
        unaccented words of each kind.

        Each group with `min_cases` cases or more gets its own margin, the
        groups with fewer share the default one (a verb form the counts
        never met shares its pooled ending's). For a price of `cost`
        restores per false alarm, every such margin is the one on the grid
        that gains most restores less cost times its false alarms; OFF
        switches a group off where no margin pays. The cheapest price whose
        false alarms stay within the target on every kind is kept, and
        SET_MARGINS over it."""
        shared = [c for cases in seen.values() if len(cases) < min_cases for c in cases]
        own = {key: cases for key, cases in seen.items() if len(cases) >= min_cases}
        plain_words = collections.Counter(c[0] for cases in seen.values() for c in cases if c[1])

        def outcome(cases, m):
            """(restored, false alarms per kind) at margin m."""
            restored = sum(1 for _, plain, right, lead in cases if not plain and right and lead >= m)
            alarms = collections.Counter(kind for kind, plain, _, lead in cases if plain and lead >= m)
            return restored, alarms

        def best_margin(cases, cost):
            outcomes = {m: outcome(cases, m) for m in grid}
            return max(grid, key=lambda m: (outcomes[m][0] - cost * sum(outcomes[m][1].values()), m))

        accented = sum(1 for cases in seen.values() for c in cases if not c[1])
        for cost in (round(5 * 1.1 ** i, 1) for i in range(52)):  # 5 to 700
            default = best_margin(shared, cost)
            margins = {key: best_margin(cases, cost) for key, cases in own.items()}
            restored, alarms = outcome(shared, default)
            for key, cases in own.items():
                r, a = outcome(cases, margins[key])
                restored += r
                alarms += a
            rates = {kind: alarms[kind] / max(n, 1) for kind, n in plain_words.items()}
            print(f"tuning, {cost} restores per false alarm: restored {restored}/{accented}, "
                  "false alarms " + ", ".join(f"{k} {100 * r:.3f} %" for k, r in sorted(rates.items())),
                  file=sys.stderr)
            self.default_margin = default
            self.margins = {key: m for key, m in margins.items() if m != default}
            if max(rates.values()) <= target:
                break
        self.margins.update(SET_MARGINS)

    # -- the shipped table
    def prune(self, min_word=4, min_pair=10, min_gain=PRUNE_GAIN):
        """Drops the rows seen too seldom to trust and those that move their
        estimate by less than min_gain (natural-log units) from what the
        chain would give without them."""
        def smooth(row, back):
            n = sum(row)
            return [(r + ALPHA * b) / (n + ALPHA) for r, b in zip(row, back)]

        def gain(est, back):
            return max(abs(math.log(e) - math.log(b)) for e, b in zip(est, back))

        def prune_rows(rows, totals):
            kept = {}
            for (p, f, v), row in rows.items():
                if f not in self.features:
                    continue
                if sum(row) < (min_word if f in ("L1", "R1") else min_pair):
                    continue
                back = self._prior(totals[p])
                if f in ("L2", "R2"):
                    near = v.split(" ")[1] if f == "L2" else v.split(" ")[0]
                    first = rows.get((p, "L1" if f == "L2" else "R1", near))
                    if first is not None:
                        back = smooth(first, back)
                if gain(smooth(row, back), back) >= min_gain:
                    kept[(p, f, v)] = row
            return kept

        self.rows = prune_rows(self.rows, self.totals)
        self.pool_rows = prune_rows(self.pool_rows, self.pool_totals)

    def count_suffixes(self, passages):
        """Counts, for the nearer neighbours left without a row by prune(), the
        members beside each ending: the longer endings first, then the shorter
        ones of the neighbours no longer ending took; keeps the endings seen
        MIN_SUFFIX_COUNT times or more whose counts move the estimate from the
        other such neighbours' by PRUNE_GAIN."""
        cases = list(labelled_contexts(passages, self.groups))
        self._count_endings(cases, LONG_SUFFIX_FEATURES, LONG_SUFFIX_LENGTH)
        self._count_endings(cases, SUFFIX_FEATURES, SUFFIX_LENGTH)

    def _count_endings(self, cases, features, length):
        def taken(rows, key, f, v):
            """Whether the neighbour has a row of its own or of its longer ending."""
            return ((key, f, v) in rows or
                    (key, LONG_SUFFIX_FEATURES[f], suffix(v, LONG_SUFFIX_LENGTH)) in rows)

        new_rows, new_pool = {}, {}
        for p, label, values in cases:
            members = self.groups[p]
            k = members.index(label)
            pool = pool_of(members)
            for f, sf in features.items():
                v = values[f]
                if not taken(self.rows, p, f, v):
                    new_rows.setdefault((p, sf, suffix(v, length)), [0] * len(members))[k] += 1
                if pool and label in (p, pool[1]) and not taken(self.pool_rows, pool[0], f, v):
                    new_pool.setdefault((pool[0], sf, suffix(v, length)),
                                        [0, 0])[0 if label == p else 1] += 1
        self.fill_other()

        def smooth(row, back):
            n = sum(row)
            return [(r + ALPHA * b) / (n + ALPHA) for r, b in zip(row, back)]

        nearer = {sf: f for f, sf in features.items()}
        for found, rows, totals in ((new_rows, self.rows, self.totals),
                                    (new_pool, self.pool_rows, self.pool_totals)):
            for (p, sf, v), row in found.items():
                if sum(row) < MIN_SUFFIX_COUNT:
                    continue
                prior = self._prior(totals[p])
                other = self.other.get((p, nearer[sf]))
                back = smooth(other, prior) if other else prior
                est = smooth(row, prior)
                if max(abs(math.log(e) - math.log(b)) for e, b in zip(est, back)) >= PRUNE_GAIN:
                    rows[(p, sf, v)] = row

    def fill_other(self):
        """The back-off of a neighbour without a row: what the members did
        beside all such neighbours, the totals less the rows kept. A word
        rarely seen beside the group (a noun before `este`) behaves like the
        other rare neighbours, not like the group's commonest ones (`de
        este`). Only the nearer word on each side: the second word refines
        the first's estimate, and a missing one leaves it."""
        self.other = {}
        for totals, rows in ((self.totals, self.rows), (self.pool_totals, self.pool_rows)):
            left = {(p, f): list(t) for p, t in totals.items() for f in ("L1", "R1")}
            for (p, f, v), row in rows.items():
                f = {"L1S": "L1", "R1S": "R1", "L1S3": "L1", "R1S3": "R1"}.get(f, f)
                if (p, f) in left:
                    left[(p, f)] = [a - b for a, b in zip(left[(p, f)], row)]
            self.other.update({k: v for k, v in left.items() if sum(v) > 0})

    def write(self, path):
        """Text, UTF-8. A group line '@plain' lists members:total and the margin;
        the rows under it are 'feature value count...' in member order."""
        by_group = collections.defaultdict(list)
        for (p, f, v), row in self.rows.items():
            by_group[p].append((f, v, row))
        for (p, f, v), row in self.pool_rows.items():
            by_group[p].append((f, v, row))
        with open(path, "w", encoding="utf-8", newline="\n") as out:
            out.write("vorlen-context 1\n")
            out.write(f"margin {self.default_margin:g}\n")
            for pool, totals in sorted(self.pool_totals.items()):
                out.write(f"@{pool} {self.margins.get(pool, self.default_margin):g} "
                          f"{totals[0]} {totals[1]}\n")
                for f, v, row in sorted(by_group[pool]):
                    out.write(f"{f} {v.replace(' ', '_')} {' '.join(map(str, row))}\n")
            for p, totals in sorted(self.totals.items()):
                members = self.groups[p]
                margin = self.margins.get(p, self.default_margin)
                out.write(f"@{' '.join(members)} {margin:g} {' '.join(map(str, totals))}\n")
                if margin >= OFF:
                    continue  # a group switched off needs no rows
                for f, v, row in sorted(by_group[p]):
                    out.write(f"{f} {v.replace(' ', '_')} {' '.join(map(str, row))}\n")


def count_table(groups, passages):
    table = Table(groups)
    for text in passages:
        for p, written, values in contexts(text, groups):
            table.add(p, written, values)
    return table


def build_table(groups, passages):
    """The counts of the passages, pruned, with the back-off by ending; the
    margins are still the default one."""
    table = count_table(groups, passages)
    table.prune()
    table.count_suffixes(passages)
    table.fill_other()
    return table


def evaluate(table, passages, margin=None):
    """Per plain spelling: [accented seen, restored, plain seen, false alarms]."""
    stats = collections.defaultdict(lambda: [0, 0, 0, 0])
    for p, label, values in labelled_contexts(passages, table.groups):
        chosen = table.choose(p, values, margin)
        s = stats[p]
        if label != p:
            s[0] += 1
            s[1] += chosen == label
        else:
            s[2] += 1
            s[3] += chosen != p
    return stats


def summary(stats):
    a = sum(s[0] for s in stats.values())
    r = sum(s[1] for s in stats.values())
    n = sum(s[2] for s in stats.values())
    f = sum(s[3] for s in stats.values())
    return a, r, n, f


def report(table, groups, train, tests):
    global USE_MARKS

    def line(name, stats):
        a, r, n, f = summary(stats)
        return (f"{name:40} restored {r:6}/{a:6} = {100 * r / max(a, 1):5.1f} %   "
                f"false alarms {f:5}/{n:7} = {100 * f / max(n, 1):5.2f} %")

    USE_MARKS = False
    bare = count_table(groups, train)
    bare.features, bare.use_pool = {"L1", "R1"}, False
    bare.prune()
    USE_MARKS = True
    both = set(FEATURES)
    steps = [
        ("previous/next word, no marks", bare, {"L1", "R1"}, False, False, False),
        ("+ marks: edges, ¿ ¡ , as words", table, {"L1", "R1"}, False, False, True),
        ("+ second word of context", table, both, False, False, True),
        ("+ verb endings pooled", table, both, True, False, True),
        ("+ margins per group", table, both, True, True, True),
    ]
    tuned = table.margins
    for kind, passages in tests.items():
        print(f"\n== {kind}")
        for name, t, feats, pool, per_group, marks in steps:
            USE_MARKS = marks
            t.features, t.use_pool = feats, pool
            t.margins = tuned if per_group else {}
            if per_group:
                print(line(name, evaluate(t, passages)))
                continue
            for m in MARGINS:
                print(line(f"{name} @{m:g}", evaluate(t, passages, m)))
    USE_MARKS = True
    table.features, table.use_pool, table.margins = both, True, tuned
    print("\n== commonest groups (all held-out text but fortunes-es)")
    stats = collections.defaultdict(lambda: [0, 0, 0, 0])
    for kind, passages in tests.items():
        if kind == "fortunes-es":
            continue
        for p, s in evaluate(table, passages).items():
            for i in range(4):
                stats[p][i] += s[i]
    for p, s in sorted(stats.items(), key=lambda kv: -(kv[1][0] + kv[1][2]))[:20]:
        print(f"{'/'.join(groups[p]):28} accented {s[1]:5}/{s[0]:5}  false alarms {s[3]:4}/{s[2]:6}")


def read_table(path, groups):
    """A table as written by Table.write, for probing the shipped counts."""
    table = Table(groups)
    with open(path, encoding="utf-8") as f:
        f.readline()
        key = None
        for line in f:
            fields = line.split()
            if fields[0] == "margin":
                table.default_margin = float(fields[1])
            elif fields[0].startswith("@"):
                words = [x for x in fields if not x[0].isdigit()]
                numbers = fields[len(words):]
                key = words[0][1:]
                counts = [int(x) for x in numbers[1:]]
                (table.pool_totals if key.startswith("*") else table.totals)[key] = counts
                table.margins[key] = float(numbers[0])
            else:
                rows = table.pool_rows if key.startswith("*") else table.rows
                rows[(key, fields[0], fields[1].replace("_", " "))] = [int(x) for x in fields[2:]]
    table.fill_other()
    return table


def report_final(table, tests):
    """The shipped table's figures on each held-out text, per margin."""
    for kind, passages in tests.items():
        for margin in (None,) + MARGINS:
            a, r, n, f = summary(evaluate(table, passages, margin))
            name = "margins per group" if margin is None else f"every group at {margin:g}"
            print(f"{kind:12} {name:22} restored {r:6}/{a:6} = {100 * r / max(a, 1):5.1f} %   "
                  f"false alarms {f:5}/{n:7} = {100 * f / max(n, 1):5.2f} %")
