"""POST /v2/check and GET /v2/languages as the LanguageTool clients call them,
against the server the ctest fixture started."""
import json
import unittest

from vorlen_server import check, request, shared_server, utf16_length


def utf16_slice(text, offset, length):
    """What a JavaScript client reads at (offset, length) of `text`."""
    units = text.encode("utf-16-le")
    return units[2 * offset:2 * (offset + length)].decode("utf-16-le")


class CheckTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = shared_server()

    def matches(self, text, **fields):
        answer = check(self.server, text, **fields)
        self.assertEqual(answer.status, 200, answer.body)
        return answer.json()["matches"]

    def by_word(self, document, matches):
        return {utf16_slice(document, m["offset"], m["length"]): m for m in matches}

    def test_corrections_with_their_replacements_and_the_fields_clients_read(self):
        text = "aber si yano ay ves"
        found = self.by_word(text, self.matches(text))
        self.assertEqual([r["value"] for r in found["aber"]["replacements"]], ["haber"])
        self.assertEqual([r["value"] for r in found["yano"]["replacements"]], ["llano"])
        self.assertNotIn("ves", found, "a word found as written is not a mistake")
        for word, match in found.items():
            # LibreOffice's reader fails without shortMessage; TYPOS draws the red line.
            self.assertTrue(match["shortMessage"])
            self.assertTrue(match["message"])
            self.assertEqual(match["rule"]["category"]["id"], "TYPOS")
            self.assertEqual(match["rule"]["issueType"], "misspelling")
            context = match["context"]
            self.assertEqual(utf16_slice(context["text"], context["offset"], context["length"]),
                             word)
            self.assertIn(word, match["sentence"])

    def test_offsets_count_utf16_units_past_accents_emoji_and_other_scripts(self):
        text = "¿Él? 😀😀 «aber» 漢字 dijo: yano 👍🏽 ay kasa\r\nñandú aber."
        matches = self.matches(text)
        self.assertGreaterEqual(len(matches), 4)
        for match in matches:
            word = utf16_slice(text, match["offset"], match["length"])
            self.assertRegex(word, r"^\w+$", match)
            self.assertTrue(any(r["value"] != word for r in match["replacements"])
                            or not match["replacements"])
        self.assertEqual(sum(1 for m in matches
                             if utf16_slice(text, m["offset"], m["length"]) == "aber"), 2)

    def test_annotated_text_is_checked_without_markup_and_offsets_cover_the_document(self):
        parts = [{"markup": "<p class=\"kasa\">"}, {"text": "😀 aber "},
                 {"markup": "<b>", "interpretAs": ""}, {"text": "si yano"},
                 {"markup": "</b>"}, {"markup": "<br/>", "interpretAs": "\n"},
                 {"text": "ay "}, {"text": "ves aber"}, {"markup": "</p>"}]
        document = "".join(p.get("text", p.get("markup")) for p in parts)
        matches = self.matches(None, data=json.dumps({"annotation": parts}))
        words = [utf16_slice(document, m["offset"], m["length"]) for m in matches]
        self.assertEqual(words, ["aber", "yano", "aber"])

    def test_a_word_split_by_markup_is_one_match_spanning_the_markup(self):
        parts = [{"text": "si a"}, {"markup": "<i>"}, {"text": "ber"}, {"markup": "</i>"}]
        document = "".join(p.get("text", p.get("markup")) for p in parts)
        (match,) = self.matches(None, data=json.dumps({"annotation": parts}))
        self.assertEqual(utf16_slice(document, match["offset"], match["length"]), "a<i>ber")

    def test_spanish_in_every_spelling_of_its_code_and_nothing_else(self):
        for code in ["es", "es-ES", "ES-es", "es_MX", "es-AR", "auto"]:
            answer = check(self.server, "aber", language=code)
            self.assertEqual(answer.status, 200, code)
            self.assertEqual(len(answer.json()["matches"]), 1, code)
        for code in ["fr", "en-US", "", "esperanto", "es-"]:
            answer = check(self.server, "aber", language=code)
            self.assertEqual(answer.status, 400, code)
            self.assertIn("español", answer.json()["error"])

    def test_a_text_without_words_to_correct_has_no_matches(self):
        for text in ["", "casa", "12 + 3 = 15 ☺", "\n\n"]:
            self.assertEqual(self.matches(text), [], text)

    def test_a_word_nothing_explains_has_no_replacements(self):
        (match,) = self.matches("si xqwk")
        self.assertEqual(match["replacements"], [])
        self.assertEqual(match["rule"]["id"], "VORLEN_NOT_FOUND")

    def test_disabled_rules_leave_their_matches_out(self):
        text = "aber si yano"
        rules = {m["rule"]["id"] for m in self.matches(text)}
        self.assertEqual(len(rules), 2)
        kept = self.matches(text, disabledRules=sorted(rules)[0] + ",OTHER")
        self.assertEqual({m["rule"]["id"] for m in kept}, {sorted(rules)[1]})

    def test_a_long_text_full_of_mistakes_answers_a_bounded_list(self):
        answer = check(self.server, "aber " * 25000)
        self.assertEqual(answer.status, 200)
        result = answer.json()
        self.assertEqual(len(result["matches"]), 20000)
        self.assertTrue(result["warnings"]["incompleteResults"])


class LanguagesTest(unittest.TestCase):
    def test_spanish_variants_with_es_ES_as_LibreOffice_asks(self):
        answer = request(shared_server(), "/v2/languages")
        self.assertEqual(answer.status, 200)
        languages = answer.json()
        self.assertIn("es-ES", [language["longCode"] for language in languages])
        for language in languages:
            self.assertEqual(language["code"], "es")
            self.assertTrue(language["name"].startswith("Spanish"))


class BadCheckRequestsTest(unittest.TestCase):
    def test_each_is_a_400_that_says_what_is_wrong(self):
        server = shared_server()
        form = "application/x-www-form-urlencoded"
        cases = [
            (b"language=es", form, "text"),
            (b"text=aber", form, "language"),
            (b"text=aber%C3%28&language=es", form, "UTF-8"),
            (b"data=%7B%22annotation%22%3A&language=es", form, "JSON"),
            (b"data=%7B%22annotation%22%3A%5B%7B%22text%22%3A1%7D%5D%7D&language=es", form,
             "text"),
            (b'{"text": "aber", "language": "es"}', "application/json", "formulario"),
        ]
        for body, content_type, said in cases:
            answer = request(server, "/v2/check", body, content_type)
            self.assertEqual(answer.status, 400, body)
            error = answer.json()
            self.assertIn(said, error["error"] + error["errorEnglish"], body)


if __name__ == "__main__":
    unittest.main()
