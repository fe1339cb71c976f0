#!/usr/bin/env python3
"""Tests of generate_word_lists.py and of the shipped known-names.txt and
loanwords.txt. The engine lower-cases a word before it looks it up in these
lists, so an entry with a capital, an accent on a name or a character the
text driver does not count as a letter would never match.

Run: cd data && python3 -m unittest -v test_word_lists
"""

import re
import unittest
from pathlib import Path

import generate_word_lists as gw

HERE = Path(__file__).resolve().parent


def shipped(name):
    return (HERE / name).read_text(encoding="utf-8").split("\n")


class PlainNameTest(unittest.TestCase):
    def test_single_words_of_spanish_letters_only(self):
        self.assertEqual(gw.plain_name(" Muñoz "), "muñoz")
        self.assertEqual(gw.plain_name("PAUL"), "paul")
        for entry in ["de la fuente", "llorenç", "o'donnell", "garcía-lópez", ""]:
            self.assertIsNone(gw.plain_name(entry), entry)


class ShippedListsTest(unittest.TestCase):
    def check_list(self, name, pattern):
        lines = shipped(name)
        self.assertEqual(lines[-1], "", f"{name} ends with a line end")
        words = lines[:-1]
        self.assertGreater(len(words), 1000)
        self.assertEqual(words, sorted(set(words)), f"{name}: sorted, each word once")
        bad = [w for w in words if not re.fullmatch(pattern, w)]
        self.assertEqual(bad, [], f"{name}: words the engine could never match")
        return set(words)

    def test_known_names(self):
        names = self.check_list("known-names.txt", r"[a-zñ]+")
        self.assertTrue({"paul", "thomas", "garcia", "muñoz"} <= names)

    def test_loanwords(self):
        loanwords = self.check_list("loanwords.txt", r"[a-z]{2,}")
        self.assertTrue({"email", "online", "proxy"} <= loanwords)
        # English words that read as misspelled Spanish ones stay out. (A
        # loanword that a later vocabulary holds is harmless: it is found as
        # written all the same; regenerate the list with the vocabulary.)
        self.assertEqual(loanwords & {"boy", "ace", "echo", "closet", "garage"}, set())


if __name__ == "__main__":
    unittest.main()
