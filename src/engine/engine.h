// The engine's whole state. Every operation of the engine is a free function
// over an Engine; several engines can run side by side (one per thread), each
// with its own vocabulary copy and per-word state. Strings hold Windows-1252
// bytes (see vocabulary/cp1252.h).
#pragma once

#include "vocabulary/cp1252.h"
#include "vocabulary/entry_index.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vorlen {

// The characters that make up words; everything else separates them.
inline constexpr std::string_view kLetterSet =
    "abcdefghijklmnopqrstuvwxyzñáéíóúüABCDEFGHIJKLMNOPQRSTUVWXYZÑÁÉÍÓÚÜ"_w;

inline constexpr int kVocabularyLineCount = 27; // a..z, then ñ
inline constexpr int kMaxReplacementPairs = 1001;

// The vocabulary in memory: the 27 letter lines as read, plus tables over them
// (vocabulary/entry_index.h): an index from each whole entry to its 1-based
// position (the first occurrence), so that a lookup costs one hash probe
// instead of a scan of the line, and the entries grouped by length and first
// letters for the similar-word search. The tables read the lines, so a store
// is never copied or moved: engines share one through a pointer to const, and
// a reload builds a new store.
struct VocabularyStore {
    VocabularyStore() = default;
    VocabularyStore(const VocabularyStore&) = delete;
    VocabularyStore& operator=(const VocabularyStore&) = delete;

    VocabularyLines VocabLines; // index 27 is never filled
    std::string PairLine;
    std::vector<std::string> ReplacementKeys;   // lower-cased, file order
    std::vector<std::string> ReplacementValues; // same indices as their keys
    int ReplacementCount = 0;
    int ReplacementLast = -1;
    std::string ExtraWordLine;
    // The words of ExtraWordLine: a bar-free word is one of them exactly when
    // "|" + word + "|" occurs in the line. Views into ExtraWordLine.
    std::unordered_set<std::string_view> ExtraWords;
    std::string EncliticHostLetters;
    EntryIndex Entries;
    EntryShapes Shapes;
};

// Where the vocabulary comes from and where its working copies live.
struct VocabularyPaths {
    std::filesystem::path DataDirectory; // holds spanall.txt and spanallnoac.txt
    std::filesystem::path StartupSource; // copied over DataDirectory/spanall.txt at start-up
    std::filesystem::path MainFile() const { return DataDirectory / "spanall.txt"; }
    std::filesystem::path PlainFile() const { return DataDirectory / "spanallnoac.txt"; }
};

// Option values read by the engine, set by the front end from its controls.
struct EngineOptions {
    // Words are matched against the vocabulary without accents (á=a, ñ=n);
    // ConvertWord copies it at each word.
    bool IgnoreDiacritics = false;
    // A capitalised word inside a sentence is taken for a name and left as written.
    bool CapsRule = true;
    // A changed word with a single candidate gets a bar after it.
    bool BarAfterChange = false;
    // A word not found is offered the vocabulary words one typing error away.
    bool SimilarOnMiss = true;
    // Words found as written are still given all their spellings ("ves|vez");
    // off, a word found is left alone.
    bool ChangeFoundWords = false;
    // Each word is converted in the input box as soon as it is typed.
    bool ImmediateMode = false;
    bool EnglishMessages = false;
    // Only the original rules, byte for byte as they always were: no stress
    // accents on verb forms with pronouns, no reordering by frequency, no
    // protected tokens or names, no accents restored from context.
    bool Classic = false;
    // Outside classic mode: accents restored where the neighbouring words call
    // for them (más, está, él) in running text.
    bool ContextAccents = true;
    bool operator==(const EngineOptions&) const = default;
};

// The working state of the respelling search. SegmentAlternatives holds one
// row per segment of the framed word, each row the segment's alternative
// spellings in column order (column 0 may be the empty spelling); the views
// point into the rule tables or into FramedWord, so they are only read during
// the search that filled them. The buffers keep their capacity from word to
// word, so building a candidate allocates nothing.
inline constexpr int kMaxSegmentAlternatives = 6;

struct RespellSegment {
    std::array<std::string_view, kMaxSegmentAlternatives> Alternatives{};
    int Count = 0;
};

struct RespellState {
    std::vector<RespellSegment> SegmentAlternatives;
    std::vector<int> SegmentChoice;
    int LastSegment = -1;
    int CarryPosition = 0;
    // The search budget: the length that every candidate built for the word,
    // run together between single bars ("|vaca|baca|"), would have.
    std::size_t TriedSpellingsLength = 0;
    long CandidateCount = 0; // candidates built for the current word
    std::string CandidateSpelling;
    std::string CasedSpelling; // the candidate with a capital, or in capitals
    std::string FramedWord;
    // Sees each candidate as it is built, for diagnosis; empty costs one test.
    std::function<void(std::string_view)> CandidateObserver;
};

// Words already converted by the text driver, with the per-word state that its
// output reads (see conversion/word_memo.h). A word's result depends only on
// the word, the options and the vocabulary, so the memo is emptied whenever
// the options or the vocabulary store differ from those it was filled with.
struct WordMemoEntry {
    std::string WorkWord;
    std::string SourceWord;
    std::string ReportWord;
    std::string WordResult;
    std::string NotFoundTag;
    std::string EncliticResult;
    std::string SimilarWords;
    bool AllCaps = false;
    bool InitialCap = false;
};

struct WordMemo {
    std::unordered_map<std::string, WordMemoEntry> Entries;
    EngineOptions Options;
    std::weak_ptr<const VocabularyStore> Vocabulary;
};

struct Engine {
    // Never null; shared read-only between engines that were copied from one another.
    std::shared_ptr<const VocabularyStore> Vocabulary = std::make_shared<VocabularyStore>();
    VocabularyPaths Paths;
    EngineOptions Options;

    // The diacritics setting in force (after the last reload or word).
    bool IgnoreDiacritics = false;

    // Text driver.
    std::string LetterSet{kLetterSet};
    std::string CurrentWord;
    std::string CurrentChar;
    bool SentenceStarted = false;

    // Word pipeline.
    std::string WorkWord;
    std::string SourceWord;
    std::string ReportWord;
    std::string WordResult;
    std::string NotFoundTag;
    std::string EncliticResult;
    std::string EncliticStem;
    std::string SimilarWords;
    bool AllCaps = false;
    bool InitialCap = false;

    // Inflection analysis: the key of the last attempt, or of the entry found.
    std::string FoundKey;

    // Phonetic respelling.
    RespellState Respell;

    // Conversion: results of the words converted so far.
    WordMemo Memo;
};

} // namespace vorlen
