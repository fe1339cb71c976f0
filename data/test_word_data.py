#!/usr/bin/env python3
"""Tests of the generators of word-ranks.txt and explanations.txt, of the
words added to the vocabulary from a word list, and of the shipped files.

Run: cd data && python3 -m unittest -v test_word_data
"""

import sys
import unittest
from pathlib import Path

import generate_explanations as ge
import generate_vocabulary as gv
import generate_word_ranks as gr
import npm_package

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "bench" / "data"))
import generate_everyday_slips as gs  # noqa: E402


def shipped_vocabulary():
    lines = (HERE / "spanall.txt").read_bytes().decode("cp1252").split("\r\n")
    return set().union(*(set(line.split("|")) - {""} for line in lines[:27]))


class WordRanksTest(unittest.TestCase):
    def test_lists_interleave_by_best_position(self):
        speech = ["que", "de", "vez", "Casa", "co2", "x", "ves"]
        prose = ["de", "la", "ciudad", "vez"]
        self.assertEqual(
            gr.merge_ranks([speech, prose]),
            ["que", "de", "la", "vez", "ciudad", "casa", "ves"],
        )

    def test_words_outside_the_engine_letters_and_lone_letters_go(self):
        self.assertEqual([w for w in ["y", "o", "b", "café", "naïve", "co2", "pingüino"]
                          if gr.keep(w)], ["y", "o", "café", "pingüino"])

    def test_tarball_name_is_that_of_npm_pack(self):
        self.assertEqual(npm_package.tarball_name("@zxcvbn-ts/language-es-es", "4.1.2"),
                         "zxcvbn-ts-language-es-es-4.1.2.tgz")
        self.assertEqual(npm_package.tarball_name("left-pad", "1.3.0"), "left-pad-1.3.0.tgz")


class AddedWordsTest(unittest.TestCase):
    def test_only_missing_words_the_vocabulary_may_hold(self):
        forms = {"casa", "Díaz", "traslucir", "traslució", "dar", "da"}
        removed = {"tenés"}
        words = ["casa", "díaz", "dermatología", "tenés", "traslucirse", "trasluciose",
                 "dame", "dámelo", "co-autor", "zorronglón", "acia"]
        self.assertEqual(
            gv.added_words(words, forms, removed, left_out={"zorronglón"}),
            {"dermatología", "acia"},
        )


class ExplanationsTest(unittest.TestCase):
    THESAURUS = "\n".join([
        "ISO8859-1",
        "vez|2", "-|tiempo|ocasión|oportunidad|momento", "-|turno|sucesión",
        "ababol|2", "(f.)|ababa|amapola", "(m.)|necio (fig.)|amapola|ababol",
        "a bocajarro|1", "-|a quemarropa",
        "Dios|1", "-|Creador",
    ])

    def test_first_synonym_of_each_sense_first_notes_dropped_each_once(self):
        synonyms = ge.parse_thesaurus(self.THESAURUS, {"vez", "ababol", "Dios"})
        self.assertEqual(synonyms["vez"], ["tiempo", "turno", "ocasión", "sucesión"])
        self.assertEqual(synonyms["ababol"], ["ababa", "necio", "amapola"])
        self.assertNotIn("Dios", synonyms)        # capitalised headwords are names
        self.assertNotIn("a bocajarro", synonyms)  # not a vocabulary word


class EverydaySlipsTest(unittest.TestCase):
    def test_the_slips_of_writing_by_ear(self):
        options = set(gs.slip_options("hacía"))
        self.assertIn(("accent", "hacia"), options)
        self.assertIn(("h", "acía"), options)
        self.assertIn(("c/s/z", "hasía"), options)
        self.assertEqual({w for k, w in gs.slip_options("queso") if k == "qu/k"}, {"keso"})
        self.assertIn(("g/j", "jente"), gs.slip_options("gente"))
        self.assertIn(("ll/y", "caye"), gs.slip_options("calle"))
        # The h of ch, sh and ph is not silent.
        self.assertNotIn("h", {k for k, _ in gs.slip_options("mucho")})


class ShippedWordDataTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.vocabulary = shipped_vocabulary()

    def test_ranks_file(self):
        data = (HERE / "word-ranks.txt").read_bytes()
        self.assertTrue(data.endswith(b"\r\n"))
        words = data.decode("cp1252").split("\r\n")[:-1]
        self.assertEqual(len(words), len(set(words)))
        self.assertTrue(all(gr.keep(w) for w in words))
        self.assertLess(words.index("vez"), words.index("ves"))
        self.assertLess(words.index("casa"), words.index("caza"))

    def test_explanations_name_vocabulary_words(self):
        lines = (HERE / "explanations.txt").read_bytes().decode("cp1252").split("\r\n")[:-1]
        explained = {}
        for line in lines:
            word, entries, synonyms = line.split("\t")
            self.assertTrue(word in self.vocabulary, word)
            self.assertTrue(entries or synonyms, word)
            for entry in filter(None, entries.split(",")):
                self.assertTrue(entry in self.vocabulary, f"{word}: {entry}")
            explained[word] = (entries, synonyms)
        self.assertEqual(explained["ves"][0], "ver")
        self.assertEqual(explained["hablé"][0], "hablar")
        self.assertTrue(explained["vez"][1].startswith("tiempo|turno|ocasión"))

    def test_words_added_from_the_word_list(self):
        for word in "dermatología dermatólogo omnívoro".split():
            self.assertTrue(word in self.vocabulary, word)
        # Old spellings that sound like a common word stay out.
        for word in "acia biben carcaza escazas vasten".split():
            self.assertFalse(word in self.vocabulary, word)


if __name__ == "__main__":
    unittest.main()
