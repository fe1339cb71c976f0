"""The Python module as a pipeline meets it: one Speller, words, texts, threads."""
import os
import threading
import unittest

import vorlen

VOCABULARY = os.environ["VORLEN_SHIPPED_VOCABULARY"]


class SpellerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.speller = vorlen.Speller(VOCABULARY)

    def test_converts_a_text(self):
        result = self.speller.convert("aber si yano ay ves", classic=True)
        self.assertEqual(str(result), "haber si yano|llano ay ves")
        self.assertEqual([w.status for w in result.words], ["corrected", "alternatives"])
        self.assertEqual(result.words[1].candidates, ["yano", "llano"])

    def test_checks_words(self):
        aber = self.speller.check("aber", classic=True)
        self.assertEqual((aber.status, aber.candidates), ("corrected", ["haber"]))
        self.assertEqual(self.speller.check("ñandú").status, "found")
        self.assertEqual(self.speller.check("xqwz").status, "not_found")

    def test_errors_are_python_exceptions(self):
        with self.assertRaises(vorlen.Error) as caught:
            vorlen.Speller("/nonexistent/spanall.txt")
        self.assertIn("/nonexistent/spanall.txt", str(caught.exception))
        with self.assertRaises(TypeError):
            self.speller.convert("casa", no_such_option=True)

    def test_threads_share_one_speller(self):
        text = "la kasa de mi ermano es grande i bonita. " * 50
        expected = str(self.speller.convert(text, classic=True))
        results = []

        def work():
            results.append(str(self.speller.convert(text, classic=True)))

        threads = [threading.Thread(target=work) for _ in range(4)]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        self.assertEqual(results, [expected] * 4)


if __name__ == "__main__":
    unittest.main()
