"""POST /api/convert, the web page's endpoint, against the fixture's server:
the converted text, each word's spans in UTF-16 units, the options, the errors.
The converted text must be what vorlen-cli gives for the same text."""
import json
import os
import subprocess
import tempfile
import unittest

from vorlen_server import convert, request, shared_server

from test_languagetool_api import utf16_slice


class ConvertTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = shared_server()

    def converted(self, text, **options):
        answer = convert(self.server, text, **options)
        self.assertEqual(answer.status, 200, answer.body)
        self.assertTrue(answer.headers["Content-Type"].startswith("application/json"))
        return answer.json()

    def test_the_example_of_the_contract(self):
        result = self.converted("aber si yano ay ves", classic=True)
        self.assertEqual(result["text"], "haber si yano|llano ay ves")
        first, second = result["words"]
        self.assertEqual(first, {**first, "offset": 0, "length": 4, "outputOffset": 0,
                                 "outputLength": 5, "status": "corrected",
                                 "candidates": ["haber"], "fromContext": False})
        self.assertEqual(second, {**second, "offset": 8, "length": 4, "outputOffset": 9,
                                  "outputLength": 10, "status": "alternatives",
                                  "candidates": ["yano", "llano"]})

    def test_spans_in_utf16_units_point_at_the_words_in_input_and_output(self):
        text = "😀 ¿Él? «aber» 漢字 yano\r\n👍🏽 xqwk ñandú, kasa."
        result = self.converted(text)
        statuses = set()
        for word in result["words"]:
            written = utf16_slice(text, word["offset"], word["length"])
            shown = utf16_slice(result["text"], word["outputOffset"], word["outputLength"])
            statuses.add(word["status"])
            if word["status"] == "notFound":
                self.assertEqual(shown, "|" + written)
                self.assertEqual(word["candidates"], [])
            else:
                self.assertEqual(shown.strip("|").split("|"), word["candidates"])
        self.assertEqual(statuses, {"corrected", "alternatives", "notFound"})

    def test_options_change_the_conversion(self):
        text = "aber si ay ves"
        plain = self.converted(text)["text"]
        self.assertEqual(self.converted(text, barAfterChange=True)["text"],
                         plain.replace("haber", "haber|"))
        changed = self.converted(text, changeFoundWords=True)
        ves = [w["candidates"] for w in changed["words"] if w["offset"] == len("aber si ay ")]
        self.assertEqual(sorted(ves[0]), ["bes", "ves", "vez"])

    def test_the_same_text_as_vorlen_cli(self):
        text = ("Aber si yano ay ves. Kuando yego a kasa, me dijo ke bolbería "
                "mañana; no se si ba a aser frío. ¿Kién lo sabe?\n")
        with tempfile.TemporaryDirectory() as data:
            for classic in [False, True]:
                flags = ["--classic"] if classic else []
                cli = subprocess.run(
                    [os.environ["VORLEN_CLI"], "--vocabulary", os.environ["VORLEN_TEST_VOCABULARY"],
                     "--data-dir", data, *flags], input=text.encode(), capture_output=True,
                    check=True)
                self.assertEqual(self.converted(text, classic=classic)["text"],
                                 cli.stdout.decode(), classic)

    def test_bad_bodies_are_400_with_the_error_in_both_languages(self):
        cases = [
            (b'{"text": "aber si', "JSON"),
            (b"text=aber", "JSON"),
            (b'["aber"]', "text"),
            (b'{"text": 5}', "text"),
            (b'{"text": "aber \xff"}', "UTF-8"),
            (b'{"text": "aber \\ud800"}', "JSON"),
            (b'{"text": "aber", "options": {"classic": "yes"}}', "classic"),
            (b'{"text": "aber", "options": []}', "options"),
        ]
        for body, said in cases:
            answer = request(self.server, "/api/convert", body, "application/json")
            self.assertEqual(answer.status, 400, body)
            error = answer.json()
            self.assertIn(said, error["errorEnglish"], body)
            self.assertTrue(error["error"], body)


if __name__ == "__main__":
    unittest.main()
