#!/usr/bin/env python3
"""Builds data/spanall.txt, the vocabulary Vorlen ships, from Debian's Spanish
hunspell dictionary (package hunspell-es), expanded with unmunch (package
hunspell-tools).

The vocabulary holds every form the dictionary generates and every stem it
lists, with two groups of forms left out on purpose:

* verb forms with attached (enclitic) pronouns: dímelo, cómpralo, vámonos,
  dándole, hacerlo, cantarse. The engine recognises those itself by cutting
  the pronouns off and looking the verb form up; listing them would only add
  half a million entries that compete with real words in the respelling
  search.
* forms that exist only in voseo: the present tenés, comés, cantás and the
  imperative tené, comé, cantá. Written by ear, "kasa" must give casa|caza,
  not casa|caza|casá|cazá.

Both groups are removed by affix rule, not by word: the generator reads the
.aff file, decides for each suffix class and each rule whether it builds such
forms (the analysis is explained at PRONOUN_CLASS and at classify_rule below),
writes a copy of the dictionary without them and expands that copy. A word
that some other rule or the word list itself also produces is therefore kept
(comí, viví, vivís, canté, está, sé).

The output has 30 lines of Windows-1252 text ended by CR LF: lines 1 to 26
hold the words beginning with a to z (an accented vowel counts as its plain
vowel, a capital as its small letter), line 27 those beginning with ñ, each
line written "|word|word|...|". Line 28 (replacement pairs) and line 30 are
empty. Line 29 lists the extra words: unaccented spellings that the engine's
inflection analysis would otherwise accept although the vocabulary has the
word only with its accent (see extra_word_candidates below); the tool
vorlen-extra-words, which links the engine, finds them.

Everything is sorted explicitly (dictionary order, see sort_key), so the same
dictionary gives a byte-identical file.

Usage:
    data/generate_vocabulary.py [--extra-words-tool build/tools/vorlen-extra-words]
"""

from __future__ import annotations

import argparse
import dataclasses
import os
import re
import subprocess
import sys
import tempfile
from collections import Counter
from pathlib import Path

HERE = Path(__file__).resolve().parent
DEFAULT_AFF = Path("/usr/share/hunspell/es_ES.aff")
DEFAULT_DIC = Path("/usr/share/hunspell/es_ES.dic")
DEFAULT_OUTPUT = HERE / "spanall.txt"

# The characters a vocabulary word may consist of; forms holding anything else
# (digits, dots, apostrophes, hyphens, letters of other languages) are dropped.
LETTERS = frozenset("abcdefghijklmnopqrstuvwxyzñáéíóúüABCDEFGHIJKLMNOPQRSTUVWXYZÑÁÉÍÓÚÜ")

# First letter of a word -> its vocabulary line (0 = a ... 25 = z, 26 = ñ).
# Accented vowels share the line of the plain vowel. A word beginning with ü
# has no line: the engine never looks such a key up.
LINE_OF_INITIAL = {chr(ord("a") + i): i for i in range(26)}
LINE_OF_INITIAL.update({"á": 0, "é": 4, "í": 8, "ó": 14, "ú": 20, "ñ": 26})

VOCABULARY_LINES = 27
FILE_LINES = 30
EXTRA_WORD_LINE = 29  # 1-based

PLAIN = str.maketrans("áéíóú", "aeiou")

# ---------------------------------------------------------------------------
# Sorting: Spanish dictionary order, fixed in code (no locale involved).
# First by the letters with accents and case ignored (ñ is its own letter
# between n and o, ü counts as u), then unaccented before accented, then small
# before capital, then by bytes.

_ALPHABET = "abcdefghijklmnñopqrstuvwxyz"
_BASE = {c: _ALPHABET.index(c) for c in _ALPHABET}
_BASE.update({"á": _BASE["a"], "é": _BASE["e"], "í": _BASE["i"], "ó": _BASE["o"]})
_BASE.update({"ú": _BASE["u"], "ü": _BASE["u"]})
_MARK = {"á": 1, "é": 1, "í": 1, "ó": 1, "ú": 1, "ü": 2}


def sort_key(word: str) -> tuple:
    lower = word.lower()
    return (
        tuple(_BASE[c] for c in lower),
        tuple(_MARK.get(c, 0) for c in lower),
        tuple(c.isupper() for c in word),
        word.encode("cp1252"),
    )


# ---------------------------------------------------------------------------
# Reading the .aff file


@dataclasses.dataclass(frozen=True)
class Rule:
    kind: str  # "SFX" or "PFX"
    flag: str  # the class it belongs to
    strip: str  # "" for "0"
    affix: str  # without continuation flags
    cont: str  # continuation flags ("S" in "ción/S"), "" if none
    cond: str
    line: int  # 1-based line number in the .aff, for the report


@dataclasses.dataclass
class AffixClass:
    kind: str
    flag: str
    cross: str  # "Y" or "N"
    header_line: int
    rules: list[Rule]


def parse_aff(lines: list[str]) -> dict[tuple[str, str], AffixClass]:
    classes: dict[tuple[str, str], AffixClass] = {}
    for number, text in enumerate(lines, 1):
        fields = text.split()
        if len(fields) < 4 or fields[0] not in ("SFX", "PFX"):
            continue
        key = (fields[0], fields[1])
        if key not in classes:
            # Header: SFX flag cross_product count
            classes[key] = AffixClass(fields[0], fields[1], fields[2], number, [])
            continue
        affix, _, cont = fields[3].partition("/")
        strip = "" if fields[2] == "0" else fields[2]
        affix = "" if affix == "0" else affix
        cond = fields[4] if len(fields) > 4 else "."
        classes[key].rules.append(Rule(fields[0], fields[1], strip, affix, cont, cond, number))
    return classes


# ---------------------------------------------------------------------------
# Which rules build the forms we leave out

# The enclitic pronouns; a verb takes one or two of them (dame, dámelo).
PRONOUN = r"(?:me|te|se|nos|os|le|les|lo|la|los|las)"
# A pronoun attached to a verb follows the r of an infinitive, the o of a
# gerund, the last letter of an imperative or subjunctive (cántalo, cantadlo,
# cántenlo, hazlo, sallo, ponlo) or the "mo" of cantémonos: a vowel or one of
# r d n z l, never another consonant (amable).
ENCLITIC_ENDING = re.compile(r"[aeiouáéíóúrdnzl]" + PRONOUN + r"{1,2}$")
ONLY_PRONOUNS = re.compile(r"^" + PRONOUN + r"{1,2}$")
GERUND_WITH_PRONOUN = re.compile(r"ndo" + PRONOUN + r"{1,2}$")  # dándole, haciéndose

STRESSED = {"a": "á", "e": "é", "i": "í"}


def is_pronoun_class(cls: AffixClass) -> bool:
    """A suffix class that only attaches pronouns to verbs.

    The dictionary keeps the verb + pronoun forms in classes of their own
    (flags À to ú and ñ): every rule of such a class applies to an infinitive
    (its condition ends in r: "ar", "[^aeo]er", "egar") and every affix ends
    in a pronoun: À (cantarla, cantarlo), Á (cantarme, cantaros), Ä
    (cantándola), Ì (cántala, cantadla), ø (cántense, cantémonos), ô
    (cántate, cantaos). The pronoun must follow what a verb form ends in
    (ENCLITIC_ENDING) unless the affix is nothing but pronouns ("0 la r":
    the stem's r comes before it), which keeps out the adjectives in -ble of class T
    ("r ble ar": amable ends in "le" after a b). No other class of ordinary
    inflection or derivation passes both tests: the participles (D) end in
    do/da/dos/das, the nouns in ción, dura, miento, and the classes whose
    affixes may end like a pronoun ("illo", "illa") apply to nouns, not
    infinitives.
    """
    if cls.kind != "SFX" or not cls.rules:
        return False
    return all(
        r.cond.endswith("r") and (ONLY_PRONOUNS.match(r.affix) or ENCLITIC_ENDING.search(r.affix))
        for r in cls.rules
    )


def classify_rule(rule: Rule, cls: AffixClass, earlier: list[Rule]) -> str | None:
    """Why a rule of a conjugation class is left out, or None to keep it.

    `earlier` holds the rules of the same class that come before this one.

    Enclitic forms inside the conjugation classes (R, X): besides the
    pronoun classes, the classes that conjugate a verb also add "se" to
    two forms:
      * the gerund: "ar ándose ar" (cantándose), "er iéndose [^aeoñ]er",
        "er yéndose [aeo]er", "r éndose [^lñu]ir" and so on: the affix ends
        in "ndo" + pronoun;
      * the infinitive: "0 se [aeií]r" (cantarse, comerse, reírse): nothing is
        stripped and the affix is only a pronoun.
      "r se ar" (cantase, the imperfect subjunctive) strips the r and is an
      ordinary form: it is kept.

    Voseo forms: the conjugation classes (R regular verbs, I and X irregular
    ones) also build the voseo present and imperative. Their shape is the
    infinitive without its r, with the last vowel stressed:
      * present "ar ás ar" (cantás, despertás), "er és er" (comés, conocés),
        "er és [^v]er" (tenés, ponés, sabés): strip ar/er, affix á/é + s;
      * imperative "ar á ar" (cantá), "er é er" (comé, tené, poné), "ir í ir"
        (viví, decí, vení), "r 0 ír" (oí, reí): strip ar/er/ir, affix á/é/í,
        or strip the r of -ír.
    Kept although they have that shape:
      * "ir ís ir": vivís, decís, sentís are also the standard vosotros
        present, so no -ís rule is voseo-only;
      * verbs whose standard present is stressed on the ending (prever:
        prevés, prevé, prevén, with the condition "[es]ver"): the class then
        also has the third person plural with the same strip and condition
        ("er én [es]ver"), which voseo lacks; such a rule is standard;
      * the -ir/-ír imperative is spelled like the preterite first person
        (viví, salí, mentí, oí). Each class lists its tenses in order, the
        preterite block before the imperative block, so the first rule of a
        given strip and affix is the preterite (R "ir í ir" at the preterite,
        X "ir í [^cn]ir", X "r 0 ír") and only a later rule of the same strip
        and affix is the voseo imperative (R's second "ir í ir"; X "ir í ir",
        which also reaches decir, venir, conducir, whose preterite is dije,
        vine, conduje).
    """
    if rule.kind != "SFX" or not rule.cond.endswith("r"):
        return None
    # Enclitic pronouns.
    if GERUND_WITH_PRONOUN.search(rule.affix):
        return "gerund + pronoun"
    if rule.strip == "" and ONLY_PRONOUNS.match(rule.affix):
        return "infinitive + pronoun"
    # Voseo present: cantás, comés.
    if rule.strip in ("ar", "er") and rule.affix == STRESSED[rule.strip[0]] + "s":
        third_plural = STRESSED[rule.strip[0]] + "n"
        if any(
            r.strip == rule.strip and r.affix == third_plural and r.cond == rule.cond
            for r in cls.rules
        ):
            return None  # prevés: standard present stressed on the ending
        return "voseo present"
    # Voseo imperative: cantá, comé, viví, oí.
    imperative = (rule.strip in ("ar", "er", "ir") and rule.affix == STRESSED[rule.strip[0]]) or (
        rule.strip == "r" and rule.affix == "" and rule.cond.endswith("ír")
    )
    if imperative:
        if rule.strip in ("ar", "er"):
            third_plural = rule.affix + "n"
            if any(
                r.strip == rule.strip and r.affix == third_plural and r.cond == rule.cond
                for r in cls.rules
            ):
                return None  # prevé: standard third person singular
            return "voseo imperative"
        # -ir, -ír: the first rule of this shape for verbs of this ending is
        # the preterite.
        ending = rule.cond[-2:]
        if any(
            r.strip == rule.strip and r.affix == rule.affix and r.cond.endswith(ending)
            for r in earlier
        ):
            return "voseo imperative"
        return None
    return None


@dataclasses.dataclass
class Analysis:
    pronoun_classes: list[str]
    dropped: dict[int, tuple[str, Rule]]  # .aff line -> (reason, rule), in kept classes

    def ar_voseo_only(self) -> "Analysis":
        """Only the voseo rules of -ar verbs (cantás, cantá)."""
        return Analysis(
            [],
            {
                line: (why, rule)
                for line, (why, rule) in self.dropped.items()
                if why.startswith("voseo") and rule.strip.endswith("ar")
            },
        )


def analyse(classes: dict[tuple[str, str], AffixClass]) -> Analysis:
    pronoun_classes = [c.flag for c in classes.values() if is_pronoun_class(c)]
    dropped: dict[int, tuple[str, Rule]] = {}
    for cls in classes.values():
        if cls.flag in pronoun_classes and cls.kind == "SFX":
            continue
        for i, rule in enumerate(cls.rules):
            reason = classify_rule(rule, cls, cls.rules[:i])
            if reason:
                dropped[rule.line] = (reason, rule)
    return Analysis(pronoun_classes, dropped)


# ---------------------------------------------------------------------------
# Writing the reduced dictionary and expanding it

# The dictionary is written in ISO-8859-1 for unmunch: every letter and every
# flag of es_ES is a Latin-1 character, so each flag becomes one byte, string
# lengths and conditions count characters, and the default one-character
# flags apply. (unmunch works on bytes and would count UTF-8 bytes.)
UNMUNCH_ENCODING = "latin-1"


def latin1_aff(lines: list[str], classes, analysis: Analysis | None) -> list[str]:
    """The .aff in ISO-8859-1 terms; without the removed classes and rules
    when `analysis` is given, unchanged in content otherwise."""
    removed_classes = {("SFX", f) for f in analysis.pronoun_classes} if analysis else set()
    dropped = analysis.dropped if analysis else {}
    kept_counts = Counter()
    for key, cls in classes.items():
        if key not in removed_classes:
            kept_counts[key] = sum(1 for r in cls.rules if r.line not in dropped)
    out = []
    for number, text in enumerate(lines, 1):
        fields = text.split()
        if fields[:2] == ["SET", "UTF-8"]:
            out.append("SET ISO8859-1")
            continue
        if fields[:1] == ["FLAG"]:
            continue  # back to the default: one character per flag
        if len(fields) >= 4 and fields[0] in ("SFX", "PFX"):
            key = (fields[0], fields[1])
            if key in removed_classes or number in dropped:
                continue
            if classes[key].header_line == number:
                out.append(f"{fields[0]} {fields[1]} {fields[2]} {kept_counts[key]}")
                continue
            # One space between fields: unmunch splits on spaces only and
            # would read the tab in "PFX w 0 ex<TAB> ." into the prefix.
            out.append(" ".join(fields))
            continue
        out.append(text)
    return out


def dic_entries(lines: list[str]) -> tuple[list[str], list[str]]:
    """The entries of the .dic: those with flags ("cantar/RED...") and the
    bare words. Entries that cannot be written in Latin-1 (one, with an
    invisible left-to-right mark) are left out; they would fail the letter
    test anyway."""
    flagged, bare = [], []
    for text in lines[1:]:  # the first line is the entry count
        text = text.strip()
        if not text:
            continue
        try:
            text.encode(UNMUNCH_ENCODING)
        except UnicodeEncodeError:
            continue
        (flagged if "/" in text else bare).append(text)
    return flagged, bare


def without_flags(entries: list[str], removed: set[str]) -> list[str]:
    out = []
    for text in entries:
        word, _, flags = text.partition("/")
        flags = "".join(f for f in flags if f not in removed)
        out.append(word + "/" + flags if flags else word)
    return out


def run_unmunch(unmunch: str, entries: list[str], aff_path: Path, work: Path) -> list[str]:
    dic_path = work / "round.dic"
    text = "".join(e + "\n" for e in [str(len(entries))] + entries)
    dic_path.write_bytes(text.encode(UNMUNCH_ENCODING))
    env = dict(os.environ, LC_ALL="C")
    result = subprocess.run(
        [unmunch, str(dic_path), str(aff_path)], capture_output=True, env=env, check=True
    )
    return result.stdout.decode(UNMUNCH_ENCODING).splitlines()


def expand(unmunch: str, aff_lines: list[str], entries: list[str], work: Path) -> set[str]:
    """Every form of the given entries, stems included.

    unmunch applies prefixes, suffixes and their cross products, but not the
    continuation classes of an affix (SFX A "r ción/S ar": abdicación, then
    S gives abdicaciones). It prints such a form with its continuation
    flags ("abdicación/S"); those are expanded again as entries of their own
    until no flags remain.
    """
    aff_path = work / "expand.aff"
    aff_path.write_bytes("".join(a + "\n" for a in aff_lines).encode(UNMUNCH_ENCODING))
    forms: set[str] = set()
    pending = entries
    for _ in range(5):
        again = set()
        for line in run_unmunch(unmunch, pending, aff_path, work):
            word, slash, flags = line.partition("/")
            if slash:
                again.add(word + "/" + flags.rstrip("|"))  # unmunch adds a bar after the flags
            elif word:
                forms.add(word)
        if not again:
            return forms
        pending = sorted(again)
    raise RuntimeError("continuation classes nested more than five deep")


def all_forms(unmunch: str, aff_lines: list[str], dic_lines: list[str], work: Path) -> set[str]:
    return forms_and_removed(unmunch, aff_lines, dic_lines, work)[0]


def forms_and_removed(
    unmunch: str, aff_lines: list[str], dic_lines: list[str], work: Path
) -> tuple[set[str], set[str]]:
    """The dictionary's forms without the enclitic and voseo-only ones, and
    the forms left out (those only the removed rules build).

    The word list also carries some of these forms as bare entries, beside
    the verb whose flags build them: dímelo and hazlo next to decir/X...Ï and
    hacer/X...Ô, the pronominal infinitives olerse and erguirse, the voseo
    imperatives tené, poné, vení, hacé, decí and their compounds next to
    tener/X..., poner/X.... A bare entry is dropped when the removed rules
    build it from some verb and the kept rules do not: it is one of the
    removed forms listed a second time.

    The voseo rules of -ar verbs are left out of that test: their forms, in
    stressed -á and -ás, coincide with words of other kinds that the list
    holds bare (mamá and papá, voseo imperatives of mamar and papar; además,
    jamás, ojalá, ajá). Bare entries that no removed rule builds stay (dame,
    dándole: dar has no flags).
    """
    classes = parse_aff(aff_lines)
    analysis = analyse(classes)
    flagged, bare = dic_entries(dic_lines)
    kept = expand(
        unmunch,
        latin1_aff(aff_lines, classes, analysis),
        without_flags(flagged, set(analysis.pronoun_classes)),
        work,
    )
    with_removed = expand(
        unmunch, latin1_aff(aff_lines, classes, analysis.ar_voseo_only()), flagged, work
    )
    removed = with_removed - kept
    return kept | {word for word in bare if word not in removed}, removed


# ---------------------------------------------------------------------------
# Words from a plain word list


ATTACHED_PRONOUNS = ("me", "te", "se", "nos", "os", "lo", "la", "le", "los", "las", "les")
STRESS_PLAIN = str.maketrans("áéíóú", "aeiou")


def read_word_list(path: Path) -> list[str]:
    return [w.strip() for w in path.read_text(encoding="utf-8").splitlines() if w.strip()]


def added_words(
    words: list[str], forms: set[str], removed: set[str], left_out: set[str]
) -> set[str]:
    """The words of a plain word list (Debian's wspanish) that the dictionary
    lacks, in any casing, kept to what the vocabulary may hold: not a form
    the affix analysis leaves out on purpose (enclitic and voseo-only forms),
    not a verb form with attached pronouns whose verb form is already there
    (traslucirse: trasluci + se, with or without its written accent), and not
    one of `left_out` (the words the quality benchmark showed harmful, listed
    in data/added-words-left-out.txt with the reason)."""
    lower = {w.lower() for w in forms}
    plain = {w.translate(STRESS_PLAIN) for w in lower}
    added = set()
    for word in words:
        if not set(word) <= LETTERS or word.lower() in lower or word in removed:
            continue
        if word in left_out or word.lower() in left_out or with_pronouns(word, plain):
            continue
        added.add(word)
    return added


def with_pronouns(word: str, plain_forms: set[str]) -> bool:
    """True when the word is a form of the vocabulary with one or two attached
    pronouns (dámelo: da + me + lo; traslucirse: traslucir + se), compared
    without written accents, which the pronouns move."""
    for first in ATTACHED_PRONOUNS:
        for second in ("",) + ATTACHED_PRONOUNS:
            tail = first + second
            host = word[: -len(tail)]
            if word.endswith(tail) and len(host) >= 2 and host.translate(STRESS_PLAIN) in plain_forms:
                return True
    return False


def sound_alikes(cli: str, vocabulary: Path, words: set[str]) -> set[str]:
    """The words for which the engine's sound-alike search (vorlen-cli
    respell, original rules) finds some spelling in `vocabulary`.

    An added word that sounds like a word already there (acia like hacia,
    biben like viven, carcaza like carcasa: old or variant spellings) would
    be found as written when someone misspells the common word, which then
    is no longer offered. Measured on the benchmark's misspellings these were
    the only losses of the added list; words that sound like nothing there
    (dermatología, omnívoro) are the ones worth adding."""
    ordered = sorted(words)
    found: set[str] = set()
    with tempfile.TemporaryDirectory(prefix="vorlen-sound-alikes-") as tmp:
        for start in range(0, len(ordered), 2000):
            batch = ordered[start:start + 2000]
            result = subprocess.run(
                [cli, "--classic", "--vocabulary", str(vocabulary), "--data-dir", tmp,
                 "respell", *batch], capture_output=True, check=True)
            lines = result.stdout.decode("utf-8").split("\n")
            found.update(w for w, line in zip(batch, lines) if line.strip())
    return found


def read_left_out(path: Path | None) -> set[str]:
    """One word a line; text after # is a comment."""
    if path is None or not path.exists():
        return set()
    words = set()
    for line in path.read_text(encoding="utf-8").splitlines():
        word = line.split("#", 1)[0].strip()
        if word:
            words.add(word)
    return words


# ---------------------------------------------------------------------------
# The vocabulary file


def vocabulary_line_of(word: str) -> int | None:
    return LINE_OF_INITIAL.get(word[0].lower())


def is_symbol(word: str, forms: set[str]) -> bool:
    """A capital letter alone (C, I, N: chemical symbols, letter names) or a
    capitalised two-letter entry that repeats a small word (Fe, No, Ya): these are
    symbols and abbreviations, not the words a person writes, and as stems they
    let the inflection rules take "Iano" for a form of "I" and "Yano" for one of
    "Ya", so that "yano" came out as yano|llano|iano. A capital at the start of a
    sentence needs no entry of its own. Measured on the misspellings and the
    running text: no change to any figure."""
    if not word[0].isupper():
        return False
    return len(word) == 1 or (len(word) == 2 and word.lower() in forms)


def build_lines(forms: set[str]) -> list[list[str]]:
    lines: list[list[str]] = [[] for _ in range(VOCABULARY_LINES)]
    for word in forms:
        if not word or not set(word) <= LETTERS or is_symbol(word, forms):
            continue
        index = vocabulary_line_of(word)
        if index is not None:
            lines[index].append(word)
    return [sorted(set(words), key=sort_key) for words in lines]


def bar_list(words: list[str]) -> str:
    return "|" + "".join(w + "|" for w in words) if words else ""


def render(lines: list[list[str]], extra_words: list[str]) -> bytes:
    text = [bar_list(words) for words in lines]
    text += ["", bar_list(sorted(set(extra_words), key=sort_key)), ""]
    assert len(text) == FILE_LINES
    return "".join(t + "\r\n" for t in text).encode("cp1252")


def read_vocabulary(path: Path) -> list[str]:
    """The lines of a vocabulary file, decoded, without their CR LF."""
    return path.read_bytes().decode("cp1252").split("\r\n")[:FILE_LINES]


# ---------------------------------------------------------------------------
# Extra words (line 29)


def extra_word_candidates(lines: list[list[str]]) -> set[str]:
    """Unaccented spellings of accented vocabulary words that are not words.

    For biografías the engine's inflection analysis reaches biografiar and
    would accept "biografias" as a form; for cría, criar; for creyó, creer.
    Only á é í ó ú are made plain: ü and ñ are letters of their own here.
    vorlen-extra-words builds the same candidates itself and asks the engine
    about each; this set checks its answers.
    """
    known = {w for words in lines for w in words}
    candidates = set()
    for words in lines:
        for word in words:
            plain = word.translate(PLAIN)
            if plain != word and plain not in known:
                candidates.add(plain)
    return candidates


def run_extra_words_tool(tool: str, vocabulary: Path, lines: list[list[str]]) -> list[str]:
    """The extra words: the candidates that the inflection analysis accepts.

    vorlen-extra-words loads `vocabulary` (lines 1 to 27, with line 29
    emptied) and prints the accepted candidates one per line in
    Windows-1252.
    """
    result = subprocess.run([tool, str(vocabulary)], stdout=subprocess.PIPE, check=True)
    accepted = result.stdout.decode("cp1252").split()
    unexpected = set(accepted) - extra_word_candidates(lines)
    if unexpected:
        raise RuntimeError(f"{tool} answered words that are not candidates: {sorted(unexpected)[:5]}")
    return accepted


# ---------------------------------------------------------------------------


def dictionary_version() -> str:
    try:
        out = subprocess.run(
            ["dpkg-query", "-W", "-f=${Version}", "hunspell-es"],
            capture_output=True,
            text=True,
            check=True,
        )
        return out.stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def describe(classes, analysis: Analysis) -> str:
    report = ["Pronoun classes removed: " + " ".join(analysis.pronoun_classes)]
    by_line = {r.line: r for c in classes.values() for r in c.rules}
    for line, (reason, r) in sorted(analysis.dropped.items()):
        report.append(
            f"  line {line}: SFX {r.flag} {r.strip or '0'} {r.affix or '0'} {r.cond}  ({reason})"
        )
    return "\n".join(report)


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--aff", type=Path, default=DEFAULT_AFF)
    parser.add_argument("--dic", type=Path, default=DEFAULT_DIC)
    parser.add_argument("--unmunch", default="unmunch")
    parser.add_argument("--output", type=Path, default=DEFAULT_OUTPUT)
    parser.add_argument(
        "--extra-words-tool",
        help="path of vorlen-extra-words; without it line 29 is left empty",
    )
    parser.add_argument("--show-rules", action="store_true", help="list the rules left out")
    parser.add_argument(
        "--added-words",
        type=Path,
        help="a word list (Debian wspanish: /usr/share/dict/spanish) whose missing words are added",
    )
    parser.add_argument(
        "--sound-alike-tool",
        help="path of vorlen-cli: added words that sound like a word already there are left out",
    )
    parser.add_argument(
        "--left-out",
        type=Path,
        default=Path(__file__).resolve().parent / "added-words-left-out.txt",
        help="words of the added list never added",
    )
    args = parser.parse_args(argv)

    aff_lines = args.aff.read_text(encoding="utf-8").splitlines()
    dic_lines = args.dic.read_text(encoding="utf-8").splitlines()
    if args.show_rules:
        classes = parse_aff(aff_lines)
        print(describe(classes, analyse(classes)))

    with tempfile.TemporaryDirectory(prefix="vorlen-vocabulary-") as tmp:
        work = Path(tmp)
        forms, removed = forms_and_removed(args.unmunch, aff_lines, dic_lines, work)
        added: set[str] = set()
        if args.added_words:
            added = added_words(
                read_word_list(args.added_words), forms, removed, read_left_out(args.left_out)
            )
        if added and args.sound_alike_tool:
            args.output.write_bytes(render(build_lines(forms), []))
            added -= sound_alikes(args.sound_alike_tool, args.output, added)
        lines = build_lines(forms | added)
        args.output.write_bytes(render(lines, []))
        extra: list[str] = []
        if args.extra_words_tool:
            extra = run_extra_words_tool(args.extra_words_tool, args.output, lines)
            args.output.write_bytes(render(lines, extra))

    total = sum(len(words) for words in lines)
    print(
        f"hunspell-es {dictionary_version()}: {total} words ({len(added)} from the added list), "
        f"{len(extra)} extra words"
    )
    for index, words in enumerate(lines):
        letter = "ñ" if index == 26 else chr(ord("a") + index)
        print(f"  {letter}: {len(words)}")
    print(f"{args.output}: {args.output.stat().st_size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
