#include "support/test_vocabulary.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/lookup.h"
#include "vocabulary/vocabulary_file.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace vorlen::test {

std::string W(std::string_view utf8) {
    auto converted = Utf8ToCp1252(utf8);
    if (!converted) {
        std::fprintf(stderr, "test literal not representable in Windows-1252\n");
        std::abort();
    }
    return *converted;
}

std::string U(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}

std::vector<std::string> VocabularyFileLines(const TestVocabulary& vocabulary) {
    std::vector<std::string> lines(30);
    for (int k = 0; k < kVocabularyLineCount; ++k)
        lines[static_cast<std::size_t>(k)] = "|";
    for (const auto& utf8 : vocabulary.words) {
        const std::string word = W(utf8);
        const int line = LineIndexOf(word.empty() ? '?' : word[0]);
        if (line < 0) continue;
        lines[static_cast<std::size_t>(line)] += word + "|";
    }
    for (int k = 0; k < kVocabularyLineCount; ++k)
        if (lines[static_cast<std::size_t>(k)] == "|") lines[static_cast<std::size_t>(k)].clear();
    lines[27] = W(vocabulary.pairLine);
    std::string extra;
    for (const auto& utf8 : vocabulary.extraWords)
        extra += "|" + W(utf8);
    lines[28] = extra.empty() ? "" : extra + "|";
    return lines;
}

Engine MakeEngine(const TestVocabulary& vocabulary) {
    const auto lines = VocabularyFileLines(vocabulary);
    auto store = std::make_shared<VocabularyStore>();
    for (int k = 0; k < kVocabularyLineCount; ++k)
        store->VocabLines[static_cast<std::size_t>(k)] = lines[static_cast<std::size_t>(k)];
    store->PairLine = lines[27];
    store->ExtraWordLine = lines[28];
    store->EncliticHostLetters = W("aernoiáéídsz");
    ParseReplacementPairs(*store);
    BuildVocabularyIndex(*store);
    Engine engine;
    engine.Vocabulary = std::move(store);
    // These tests hold the original rules; the improvements test themselves
    // with Classic off.
    engine.Options.Classic = true;
    return engine;
}

Engine MakeEngine(std::initializer_list<std::string_view> words) {
    TestVocabulary vocabulary;
    for (auto w : words)
        vocabulary.words.emplace_back(w);
    return MakeEngine(vocabulary);
}

} // namespace vorlen::test
