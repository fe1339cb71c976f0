#!/usr/bin/env python3
"""Tests of generate_vocabulary.py and of the shipped spanall.txt.

Run: python3 -m unittest discover -s data -p 'test_*.py'

The expansion tests need unmunch (package hunspell-tools) and the checks of
the real dictionary need hunspell-es (make test installs both); where one is
missing, the tests that need it fail and name it.
"""

import os
import shutil
import tempfile
import unittest
from pathlib import Path

import generate_vocabulary as gv

HERE = Path(__file__).resolve().parent
SHIPPED = HERE / "spanall.txt"
HAVE_UNMUNCH = shutil.which("unmunch") is not None
HAVE_DICTIONARY = gv.DEFAULT_AFF.exists() and gv.DEFAULT_DIC.exists()


def needs(condition, reason):
    """Lets a test (or a class of tests) run only when `condition` holds, and
    fails it naming what is missing otherwise."""
    def decorate(test):
        if condition:
            return test
        if isinstance(test, type):
            def setUpClass(cls):
                raise AssertionError("cannot run: " + reason)
            test.setUpClass = classmethod(setUpClass)
            return test

        def fail(self):
            self.fail("cannot run: " + reason)
        return fail
    return decorate


def rules_of(text: str):
    """Parses an .aff fragment; returns its classes by flag."""
    classes = gv.parse_aff(text.strip().splitlines())
    return {flag: cls for (_, flag), cls in classes.items()}


def reasons(text: str, flag: str):
    """The verdict of classify_rule on each rule of one class, in order."""
    cls = rules_of(text)[flag]
    return [gv.classify_rule(r, cls, cls.rules[:i]) for i, r in enumerate(cls.rules)]


class PronounClassTest(unittest.TestCase):
    def test_classes_that_attach_pronouns_to_verbs(self):
        classes = rules_of(
            """
SFX À Y 4
SFX À 0 la r
SFX À 0 los r
SFX À r la r
SFX À r dlos r
SFX Ô Y 3
SFX Ô aer áela aer
SFX Ô cer zlo cer
SFX Ô ar émonos ar
"""
        )
        self.assertTrue(gv.is_pronoun_class(classes["À"]))  # cantarla, cántala, cantadlos
        self.assertTrue(gv.is_pronoun_class(classes["Ô"]))  # tráela, hazlo, cantémonos

    def test_classes_whose_affixes_only_end_like_a_pronoun(self):
        classes = rules_of(
            """
SFX T Y 2
SFX T r ble ar
SFX T er ible [^aeo]er
SFX N Y 2
SFX N a illa [bdlmnprt]a
SFX N o illo [bdlmnprt]o
SFX D Y 2
SFX D r do [aií]r
SFX D r dos [aií]r
"""
        )
        self.assertFalse(gv.is_pronoun_class(classes["T"]))  # amable: "le" after b
        self.assertFalse(gv.is_pronoun_class(classes["N"]))  # nouns, not infinitives
        self.assertFalse(gv.is_pronoun_class(classes["D"]))  # cantado: not all pronouns

    def test_one_ordinary_rule_keeps_the_class(self):
        classes = rules_of("SFX À Y 2\nSFX À 0 la r\nSFX À r ción r\n")
        self.assertFalse(gv.is_pronoun_class(classes["À"]))


class ConjugationRuleTest(unittest.TestCase):
    def test_enclitic_se_on_gerund_and_infinitive(self):
        verdicts = reasons(
            """
SFX R Y 5
SFX R ar ándose ar
SFX R ir yéndose [^gq]uir
SFX R 0 se [aeií]r
SFX R r se ar
SFX R r ndo ar
""",
            "R",
        )
        self.assertEqual(
            verdicts,
            ["gerund + pronoun", "gerund + pronoun", "infinitive + pronoun", None, None],
        )  # cantase and cantando stay

    def test_voseo_present_but_not_the_vosotros_present_in_is(self):
        verdicts = reasons(
            "SFX R Y 4\nSFX R ar ás ar\nSFX R er és er\nSFX R ir ís ir\nSFX R 0 ás [aei]r\n", "R"
        )
        # cantás, comés go; vivís (vosotros) and cantarás (future) stay.
        self.assertEqual(verdicts, ["voseo present", "voseo present", None, None])

    def test_present_stressed_on_the_ending_is_standard(self):
        text = """
SFX X Y 5
SFX X r o ver
SFX X er és [es]ver
SFX X er é [es]ver
SFX X er én [es]ver
SFX X er és [^v]er
"""
        # prevés, prevé stay (the class has prevén); tenés goes.
        self.assertEqual(reasons(text, "X"), [None, None, None, None, "voseo present"])

    def test_voseo_imperative(self):
        verdicts = reasons("SFX R Y 3\nSFX R ar á ar\nSFX R er é er\nSFX R ar é [^cguz]ar\n", "R")
        # cantá, comé go; canté (preterite of -ar) stays.
        self.assertEqual(verdicts, ["voseo imperative", "voseo imperative", None])

    def test_ir_imperative_goes_only_after_the_preterite_of_the_same_shape(self):
        text = """
SFX X Y 5
SFX X r 0 oner
SFX X ir í [^cn]ir
SFX X r 0 ír
SFX X ir í ir
SFX X r 0 ír
"""
        # pone is not a preterite of -ír verbs, so the first "r 0 ír" (oí) is.
        self.assertEqual(
            reasons(text, "X"), [None, None, None, "voseo imperative", "voseo imperative"]
        )

    def test_a_lone_ir_rule_is_the_preterite(self):
        self.assertEqual(reasons("SFX R Y 1\nSFX R ir í ir\n", "R"), [None])


class LatinAffTest(unittest.TestCase):
    TEXT = """SET UTF-8
FLAG UTF-8
PFX w Y 1
PFX w 0 ex\t .
SFX R Y 3
SFX R ar ás ar
SFX R r ndo ar
SFX R r do ar
SFX À Y 1
SFX À 0 la r
"""

    def test_removed_rules_and_classes_and_recounted_headers(self):
        lines = self.TEXT.splitlines()
        classes = gv.parse_aff(lines)
        out = gv.latin1_aff(lines, classes, gv.analyse(classes))
        self.assertEqual(
            out,
            [
                "SET ISO8859-1",
                "PFX w Y 1",
                "PFX w 0 ex .",  # the tab would end up inside the prefix
                "SFX R Y 2",
                "SFX R r ndo ar",
                "SFX R r do ar",
            ],
        )

    def test_unchanged_content_without_analysis(self):
        lines = self.TEXT.splitlines()
        out = gv.latin1_aff(lines, gv.parse_aff(lines), None)
        self.assertIn("SFX R ar ás ar", out)
        self.assertIn("SFX À 0 la r", out)


class FileLayoutTest(unittest.TestCase):
    def test_words_go_to_the_line_of_their_plain_small_initial(self):
        lines = gv.build_lines(
            {"árbol", "Ávila", "casa", "Díaz", "ñandú", "Ñuñoa", "über", "Über", "x1", "l'Hospitalet",
             "Ángel", "ümlaut", "a"}
        )
        self.assertEqual(lines[0], ["a", "Ángel", "árbol", "Ávila"])
        self.assertEqual(lines[2], ["casa"])
        self.assertEqual(lines[3], ["Díaz"])
        self.assertEqual(lines[26], ["ñandú", "Ñuñoa"])
        self.assertEqual(sum(len(words) for words in lines), 8)  # ü words and non-letters dropped

    def test_symbols_are_left_out_but_names_and_abbreviations_stay(self):
        lines = gv.build_lines({"I", "i", "Ya", "ya", "Fe", "fe", "Ud", "Dr", "CD", "Iano", "Yago", "y"})
        kept = sorted(word for line in lines for word in line)
        self.assertEqual(kept, ["CD", "Dr", "Iano", "Ud", "Yago", "fe", "i", "y", "ya"])

    def test_dictionary_order(self):
        words = ["cazo", "Casa", "cañón", "casá", "casa", "canción", "caso", "cánula", "cama"]
        self.assertEqual(
            sorted(words, key=gv.sort_key),
            ["cama", "canción", "cánula", "cañón", "casa", "Casa", "casá", "caso", "cazo"],
        )

    def test_render(self):
        lines = [[] for _ in range(gv.VOCABULARY_LINES)]
        lines[2] = ["casa", "caso"]
        lines[26] = ["ñu"]
        data = gv.render(lines, ["leidos", "cria", "cria"])
        text = data.decode("cp1252").split("\r\n")
        self.assertEqual(len(text), 31)  # 30 lines, each ended by CR LF
        self.assertEqual(text[-1], "")
        self.assertEqual(text[0], "")
        self.assertEqual(text[2], "|casa|caso|")
        self.assertEqual(text[26], "|ñu|")
        self.assertEqual(text[27:30], ["", "|cria|leidos|", ""])
        self.assertIn(b"|\xf1u|", data)  # Windows-1252, one byte per letter
        self.assertNotIn(b"\n", data.replace(b"\r\n", b""))

    def test_extra_word_candidates(self):
        lines = [[] for _ in range(gv.VOCABULARY_LINES)]
        lines[1] = ["biografía", "biografías"]
        lines[2] = ["canción", "crío", "cría", "camión", "camion"]
        lines[15] = ["pingüinó"]
        self.assertEqual(
            gv.extra_word_candidates(lines),
            {"biografia", "biografias", "cancion", "cria", "crio", "pingüino"},
        )  # camion is a word itself; ü stays ü


@needs(HAVE_UNMUNCH, "needs unmunch (hunspell-tools)")
class ExpansionTest(unittest.TestCase):
    AFF = """SET UTF-8
FLAG UTF-8
PFX h Y 1
PFX h 0 des .
SFX S Y 2
SFX S 0 s [aeiou]
SFX S ón ones ón
SFX A Y 1
SFX A r ción/S ar
SFX R Y 5
SFX R ar ás ar
SFX R ar á ar
SFX R r ndo ar
SFX R ar ándose ar
SFX R ar é ar
SFX À Y 2
SFX À 0 la r
SFX À 0 lo r
"""
    DIC = """8
activar/RAhÀ
mamar/R
mamá
activarla
activá
hola
Díaz
l'Hospitalet
"""

    def forms(self):
        with tempfile.TemporaryDirectory() as tmp:
            return gv.all_forms(
                "unmunch", self.AFF.splitlines(), self.DIC.splitlines(), Path(tmp)
            )

    def test_expansion(self):
        self.assertEqual(
            sorted(self.forms()),
            sorted(
                [
                    "activación", "activaciones", "activando", "activar", "activé",
                    "desactivación", "desactivaciones", "desactivando", "desactivar",
                    "desactivé", "Díaz", "hola", "l'Hospitalet", "mamá", "mamando",
                    "mamar", "mamé", "activá",
                ]
            ),
        )
        # activarla, listed bare, is also built by the pronoun class and goes;
        # mamá and activá, voseo shapes of -ar verbs, are kept as listed.


def find_extra_words_tool():
    for candidate in (
        os.environ.get("VORLEN_EXTRA_WORDS_TOOL"),
        HERE.parent / "build" / "tools" / "vorlen-extra-words",
    ):
        if candidate and Path(candidate).is_file():
            return str(candidate)
    return None


EXTRA_WORDS_TOOL = find_extra_words_tool()


@needs(EXTRA_WORDS_TOOL, "vorlen-extra-words not built (set VORLEN_EXTRA_WORDS_TOOL)")
class ExtraWordsToolTest(unittest.TestCase):
    def run_tool(self, lines, extra=()):
        with tempfile.TemporaryDirectory() as tmp:
            path = Path(tmp) / "spanall.txt"
            path.write_bytes(gv.render(lines, list(extra)))
            return gv.run_extra_words_tool(EXTRA_WORDS_TOOL, path, lines)

    def test_unaccented_spellings_the_analysis_accepts(self):
        lines = [[] for _ in range(gv.VOCABULARY_LINES)]
        # blanca reaches blanco (feminine); pingüinos reaches pingüino (plural),
        # which needs the ü kept; se is a word; cancion reaches nothing.
        lines[1] = ["blancá", "blanco"]
        lines[2] = ["canción"]
        lines[15] = ["pingüino", "pingüinós"]
        lines[18] = ["se", "sé"]
        self.assertEqual(self.run_tool(lines), ["blanca", "pingüinos"])
        # An extra word line already in the file does not hide them.
        self.assertEqual(self.run_tool(lines, ["blanca"]), ["blanca", "pingüinos"])


@needs(SHIPPED.exists(), "spanall.txt not generated")
class ShippedVocabularyTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = SHIPPED.read_bytes()
        cls.lines = cls.data.decode("cp1252").split("\r\n")
        cls.words = [set(line.split("|")) - {""} for line in cls.lines[: gv.VOCABULARY_LINES]]
        cls.all = set().union(*cls.words)

    def test_format(self):
        self.assertTrue(self.data.endswith(b"\r\n"))
        self.assertEqual(len(self.lines), gv.FILE_LINES + 1)
        self.assertNotIn(b"\n", self.data.replace(b"\r\n", b""))
        self.assertEqual(self.lines[27], "")
        self.assertEqual(self.lines[29], "")
        for index, line in enumerate(self.lines[: gv.VOCABULARY_LINES]):
            self.assertTrue(line.startswith("|") and line.endswith("|"), index)
            entries = line[1:-1].split("|")
            self.assertEqual(len(entries), len(set(entries)), f"line {index + 1} repeats a word")
            self.assertEqual(entries, sorted(entries, key=gv.sort_key), f"line {index + 1} order")
            for word in entries:
                self.assertTrue(word and set(word) <= gv.LETTERS, word)
                self.assertEqual(gv.vocabulary_line_of(word), index, word)

    def test_extra_words_are_plain_spellings_of_accented_words(self):
        extra = self.lines[28][1:-1].split("|") if self.lines[28] else []
        self.assertEqual(extra, sorted(set(extra), key=gv.sort_key))
        plain_of_accented = {w.translate(gv.PLAIN) for w in self.all}
        for word in extra:
            self.assertNotIn(word, self.all)
            self.assertIn(word, plain_of_accented)

    def test_common_words(self):
        for word in (
            "casa hablar hablen llano haber vez ves árbol canción canciones Díaz Juan está "
            "qué aquí canté comí viví vivís habláis sé dé salí mentí oí reí prevés prevé "
            "cantase mamá papá además jamás ojalá Ñuñoa excombatiente"
        ).split():
            self.assertIn(word, self.all)

    def test_no_enclitic_or_voseo_only_forms(self):
        for word in (
            "dímelo cómpralo vámonos cantarse cantándose hacerlo hazlo háganlo olerse "
            "casá cazá cantá cantás tenés comés comé tené poné decí vení sabés querés"
        ).split():
            self.assertNotIn(word, self.all)


@needs(HAVE_UNMUNCH and HAVE_DICTIONARY, "needs unmunch and hunspell-es")
class RealDictionaryTest(unittest.TestCase):
    def test_rules_left_out(self):
        lines = gv.DEFAULT_AFF.read_text(encoding="utf-8").splitlines()
        analysis = gv.analyse(gv.parse_aff(lines))
        # The 45 classes À..ä, ñ and ò..ú of the Spanish dictionary.
        self.assertEqual(len(analysis.pronoun_classes), 45)
        dropped = sorted(
            f"{rule.flag} {rule.strip} {rule.affix} {rule.cond}"
            for why, rule in analysis.dropped.values()
            if why.startswith("voseo")
        )
        self.assertEqual(
            dropped,
            sorted([
                "I ar ás ar", "I er és er", "R ar ás ar", "R ar á ar", "R er és er",
                "R er é er", "R ir í ir", "X er és [^v]er", "X er é er", "X ir í ir",
                "X r  ír",
            ]),
        )


if __name__ == "__main__":
    unittest.main()
