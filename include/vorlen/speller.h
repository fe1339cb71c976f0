// The library's one class: a Speller opened on a vocabulary answers for single
// words and converts whole texts. All text is UTF-8.
//
//     vorlen::Speller speller("/usr/share/vorlen/spanall.txt");
//     speller.Convert("aber si yano ay ves").Text;   // "haber si yano|llano ay ves"
//     speller.Check("kasa").Candidates;              // {"casa", "caza"}
//
// A Speller is immutable once opened: every method is const and may be called
// from any number of threads at once (each call keeps its working state to
// itself; the vocabulary is shared read-only). Copies share the vocabulary.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <vorlen/error.h>
#include <vorlen/export.h>

namespace vorlen {

// How each word is converted. The defaults are those of the window.
struct ConversionOptions {
    // Match words without their accents and ñ (á = a, ñ = n).
    bool IgnoreDiacritics = false;
    // A capitalised word inside a sentence is taken for a name and left alone.
    bool KeepCapitalisedWords = true;
    // A changed word with a single candidate is followed by a bar ("haber|").
    bool BarAfterChange = false;
    // A word nothing explains is offered the words one typing error away.
    bool SimilarWordsWhenNotFound = true;
    // Words found as written still get all their spellings ("ves" -> "ves|vez").
    bool ChangeFoundWords = false;
    // Only the original rules, with exactly their original output.
    bool Classic = false;
    // Put back accents that the neighbouring words call for (más, está, él).
    bool ContextAccents = true;
    // Messages (errors, the end of a long conversion) in English, else Spanish.
    bool EnglishMessages = false;
    bool operator==(const ConversionOptions&) const = default;
};

// What became of a word.
enum class WordStatus {
    Found,        // standard Spanish as written
    Corrected,    // one spelling, not the one written ("aber" -> "haber")
    Alternatives, // several spellings to choose from ("ves|vez")
    NotFound,     // nothing explains it ("|kasx")
};

// The verdict on one word.
struct WordCheck {
    std::string Word; // as asked
    WordStatus Status = WordStatus::NotFound;
    // As a converted text shows it: "haber", "ves|vez", "|kasx", "casa|".
    std::string Output;
    // The spellings offered, in the order shown: one for Found and Corrected,
    // two or more for Alternatives, none for NotFound.
    std::vector<std::string> Candidates;
    // Vocabulary words one typing error away, for a word not found as written.
    std::vector<std::string> SimilarWords;
    // The vocabulary entry the first candidate is a form of ("ver" for "ves"),
    // empty when it is an entry itself or nothing explains the word.
    std::string Entry;
};

// A word of a text that the conversion changed or marked. Offsets count bytes
// of UTF-8; words that come out as written are not listed.
struct ConvertedWord {
    std::size_t InputOffset = 0;
    std::size_t InputLength = 0;
    std::size_t OutputOffset = 0;
    std::size_t OutputLength = 0;
    WordStatus Status = WordStatus::NotFound;
    std::vector<std::string> Candidates; // as in WordCheck
    // The accent was put back because of the neighbouring words (mas -> más).
    bool FromContext = false;
};

struct TextConversion {
    std::string Text; // in the output notation
    std::vector<ConvertedWord> Words;
    // False when the progress callback asked to stop: Text then holds what
    // was converted so far.
    bool Finished = true;
};

// Called now and then while a text is converted, with how many bytes of the
// input are done; returning false cancels the conversion.
using ProgressCallback = std::function<bool(std::size_t doneBytes, std::size_t totalBytes)>;

class VORLEN_API Speller {
  public:
    // Reads the vocabulary file (never writes anywhere). Throws vorlen::Error
    // when it is missing, unreadable or not a vocabulary.
    explicit Speller(const std::filesystem::path& vocabularyFile);

    // The vocabulary installed with the library (or $VORLEN_VOCABULARY).
    static std::filesystem::path InstalledVocabulary();

    // The verdict on one word (letters only; anything else is NotFound).
    // Throws vorlen::Error (InvalidText) when `word` is not UTF-8.
    WordCheck Check(std::string_view word, const ConversionOptions& options = {}) const;

    // Converts a whole text: words are converted, everything between them is
    // copied byte for byte. Throws vorlen::Error (InvalidText) when `text` is
    // not UTF-8.
    TextConversion Convert(std::string_view text, const ConversionOptions& options = {},
                           const ProgressCallback& progress = {}) const;

    // A line that helps to choose between alternatives: the entry the word is
    // a form of and a few synonyms ("ves": forma de «ver»: admirar, hallar...;
    // "vez": tiempo, turno, ocasión). Empty when nothing is known of it.
    std::string Explain(std::string_view word, bool english = false) const;

    // Warnings from reading the vocabulary (words left out), UTF-8.
    const std::vector<std::string>& Warnings() const;

    // The library's version, "X.Y.Z".
    static const char* Version();

    struct Impl;
    explicit Speller(std::shared_ptr<const Impl> impl);

  private:
    std::shared_ptr<const Impl> impl_;
};

} // namespace vorlen
