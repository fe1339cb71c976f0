"""pyenchant over the Vorlen provider (run inside with_enchant_provider.sh)."""
import sys
import unittest

try:
    import enchant
    from enchant.checker import SpellChecker
except ImportError as error:  # a missing client is a failure, never a skip
    sys.exit(f"FAIL: pyenchant is missing (apt-get install python3-enchant): {error}")


class VorlenThroughPyenchant(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.broker = enchant.Broker()
        cls.broker.set_ordering("es", "vorlen")
        cls.dict = cls.broker.request_dict("es")

    def test_the_provider_answers_for_spanish(self):
        self.assertEqual(self.dict.provider.name, "vorlen")
        self.assertTrue(self.broker.dict_exists("es_MX"))
        self.assertFalse(self.broker.dict_exists("xx"))

    def test_words_and_their_spellings(self):
        self.assertTrue(self.dict.check("haber"))
        self.assertTrue(self.dict.check("ñandú"))
        self.assertFalse(self.dict.check("aber"))
        self.assertEqual(self.dict.suggest("aber")[0], "haber")
        self.assertLessEqual({"casa", "caza"}, set(self.dict.suggest("kasa")))
        self.assertIn("ñandú", self.dict.suggest("ñandu"))

    def test_odd_words_are_answered_not_crashed_on(self):
        for word in ["garçon", "x" * 5000, "año2024", "日本"]:
            self.assertFalse(self.dict.check(word), word)
            self.dict.suggest(word)

    def test_checker_over_a_sentence(self):
        checker = SpellChecker(self.dict)
        checker.set_text("El ñandú corre, aber si la kasa está lejos.")
        errors = [(error.word, error.wordpos) for error in checker]
        # Positions count characters, so they stay right after ñ and ú.
        self.assertEqual(errors, [("aber", 16), ("kasa", 27)])

    def test_a_second_dictionary_shares_the_vocabulary(self):
        other = self.broker.request_dict("es_AR")
        self.assertTrue(other.check("casa"))
        self.assertFalse(other.check("kasa"))


if __name__ == "__main__":
    unittest.main()
