// The similar-word search compares only the entries that its tables say could
// be one error away. Here its answers are checked against the search written
// plainly: every entry of the line compared in every pass, on random lines
// and words over a small alphabet (so that near misses abound), on lines
// damaged by hand and on entries around the length where the tables stop
// telling lengths apart.
#include "support/test_vocabulary.h"
#include "variants/similar_words.h"
#include "vocabulary/entry_index.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <utility>

namespace vorlen {
namespace {

// 1-based reading of a string, with -1 outside it.
int At(std::string_view s, std::size_t pos) {
    return pos >= 1 && pos <= s.size() ? static_cast<unsigned char>(s[pos - 1]) : -1;
}

// One pass over the whole line (read as if it ended with a bar): 1 forgives a
// letter left out, 2 a letter too many, 3 a wrong letter.
void PlainPass(std::string_view rawLine, std::string_view word, std::string_view extra, int pass,
               std::string& similar) {
    const std::string line =
        rawLine.ends_with('|') ? std::string(rawLine) : std::string(rawLine) + "|";
    const std::size_t n = word.size() + 1;
    for (std::size_t s = 3; s < line.size();) {
        const std::size_t close = line.find('|', s - 1) + 1;
        std::size_t i = s, j = 2, last = 0;
        int m = 0;
        for (;;) {
            const int e = At(line, i), w = At(word, j);
            if (!((e == 'o' && w == 'a' && j == word.size()) || e == w)) {
                if (++m == 2) break;
                if (pass != 2 && i == close) break;
                if (pass != 2) ++i;
                if (pass != 1) ++j;
                continue;
            }
            if (i == close) break;
            ++i, ++j;
            const bool bar = At(line, i) == '|';
            if (bar && (j == n || (At(word, j) == 's' && j == word.size()) ||
                        (At(word, j) == 'e' && At(word, j + 1) == 's' && j + 1 == word.size()))) {
                last = i - 1;
                break;
            }
            if (At(line, i) == 'o' && At(line, i + 1) == '|' && At(word, j) == 'a' &&
                At(word, j + 1) == 's' && j + 1 == word.size()) {
                last = i;
                break;
            }
            if (m == 0 && j == n && At(line, i + 1) == '|') {
                last = i;
                break;
            }
        }
        if (last != 0) {
            const std::string candidate = "|" + line.substr(s - 2, last - s + 2);
            if (extra.find(candidate) == std::string_view::npos &&
                (similar + "|").find(candidate + "|") == std::string::npos)
                similar += candidate;
        }
        s = close + 2;
    }
}

std::string PlainSimilar(const VocabularyStore& store, std::string_view word) {
    std::string similar;
    if (word.empty()) return similar;
    const int x = LineIndexOf(word[0]);
    if (x < 0) return similar;
    for (int pass = 1; pass <= 3; ++pass)
        PlainPass(store.VocabLines[static_cast<std::size_t>(x)], word, store.ExtraWordLine, pass,
                  similar);
    if (word.find('|') != std::string_view::npos) return similar;
    for (std::size_t k = 1; k < word.size(); ++k) {
        std::string framed = "|" + std::string(word) + "|";
        std::swap(framed[k], framed[k + 1]);
        const int y = LineIndexOf(framed[1]);
        if (y < 0) continue;
        std::string line = store.VocabLines[static_cast<std::size_t>(y)];
        if (!line.ends_with('|')) line += '|';
        const std::string barWord = framed.substr(0, framed.size() - 1);
        if (line.find(framed) != std::string::npos &&
            (similar + "|").find(barWord + "|") == std::string::npos)
            similar += barWord;
    }
    return similar;
}

std::string RandomText(std::mt19937& random, std::string_view alphabet, std::size_t shortest,
                       std::size_t longest) {
    std::string text(shortest + random() % (longest - shortest + 1), ' ');
    for (char& c : text)
        c = alphabet[random() % alphabet.size()];
    return text;
}

void ExpectSameAsPlain(const std::shared_ptr<const VocabularyStore>& store,
                       const std::string& word) {
    Engine engine;
    engine.Vocabulary = store;
    engine.SourceWord = word;
    engine.WordResult = "<none>";
    FindSimilarWords(engine);
    ASSERT_EQ(engine.SimilarWords, PlainSimilar(*store, word)) << test::U(word);
}

TEST(SimilarWordTables, AgreeWithComparingEveryEntry) {
    std::mt19937 random(11);
    const std::string letters = "caosex";
    for (int vocabulary = 0; vocabulary < 60; ++vocabulary) {
        auto store = std::make_shared<VocabularyStore>();
        for (const std::size_t k : {0u, 2u, 4u, 14u, 18u, 23u}) {
            std::string line = random() % 8 == 0 ? "" : "|";
            const std::size_t entries = random() % 40;
            for (std::size_t e = 0; e < entries; ++e) {
                line += RandomText(random, letters, 0, 7);
                line += random() % 30 == 0 ? "||" : "|";
            }
            if (random() % 8 == 0 && !line.empty()) line.pop_back(); // no closing bar
            store->VocabLines[k] = line;
        }
        store->ExtraWordLine = "|" + RandomText(random, letters, 1, 4) + "|";
        BuildVocabularyIndex(*store);
        for (int trial = 0; trial < 300; ++trial) {
            std::string word = RandomText(random, letters, 1, 9);
            if (random() % 50 == 0) word[random() % word.size()] = '|';
            if (random() % 10 == 0) word += random() % 2 == 0 ? "as" : "es";
            ExpectSameAsPlain(store, word);
        }
    }
}

TEST(SimilarWordTables, AgreeAroundTheLongestLengthTold) {
    std::mt19937 random(3);
    auto store = std::make_shared<VocabularyStore>();
    std::string line = "|";
    std::vector<std::string> entries;
    for (std::size_t length = 26; length <= 42; ++length) {
        for (int k = 0; k < 3; ++k) {
            std::string entry = "c" + RandomText(random, "ao", length - 1, length - 1);
            entries.push_back(entry);
            line += entry + "|";
        }
    }
    store->VocabLines[2] = line;
    BuildVocabularyIndex(*store);
    for (const auto& entry : entries) {
        std::string word = entry;
        ExpectSameAsPlain(store, word);
        word.erase(word.size() / 2, 1);
        ExpectSameAsPlain(store, word);
        word = entry + "s";
        ExpectSameAsPlain(store, word);
        word = entry;
        word.insert(5, "e");
        ExpectSameAsPlain(store, word);
        word = entry;
        word.back() = 'x';
        ExpectSameAsPlain(store, word);
    }
    for (int trial = 0; trial < 2000; ++trial)
        ExpectSameAsPlain(store, "c" + RandomText(random, "ao", 20, 45));
}

TEST(SimilarWordTables, AgreeOnAShippedSizedLine) {
    // The c line of the test vocabulary grown to many entries of all lengths.
    std::mt19937 random(5);
    test::TestVocabulary vocabulary;
    for (int k = 0; k < 8000; ++k)
        vocabulary.words.push_back("c" + RandomText(random, "aeiosnrt", 1, 14));
    const auto store = test::MakeEngine(vocabulary).Vocabulary;
    for (int trial = 0; trial < 200; ++trial) {
        std::string word = vocabulary.words[random() % vocabulary.words.size()];
        switch (random() % 4) {
        case 0:
            word.erase(1 + random() % (word.size() - 1), 1);
            break;
        case 1:
            word.insert(1 + random() % (word.size() - 1), 1, 'a');
            break;
        case 2:
            word[random() % word.size()] = 'o';
            break;
        default:
            word += "as";
        }
        ExpectSameAsPlain(store, word);
    }
}

} // namespace
} // namespace vorlen
