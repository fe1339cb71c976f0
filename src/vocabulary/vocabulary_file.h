// The vocabulary file: 30 lines of Windows-1252 text. Lines 1-27 hold the
// words beginning with a..z and ñ, each framed by bars; line 28 the
// replacement pairs ("key>value;" ...); line 29 the extra words, never
// accepted as forms nor offered as similar words; line 30 is carried along.
#pragma once

#include "engine/engine.h"
#include "vocabulary/vocabulary_error.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorlen {

// The lines of a vocabulary file as Windows-1252 strings, line ends removed.
// A file saved as UTF-8 is decoded; a word holding a character that
// Windows-1252 cannot hold is left out and reported in `warnings`.
struct VocabularyText {
    std::vector<std::string> lines;
    std::vector<std::string> warnings; // UTF-8, one per word left out
};

// The whole file; throws VocabularyError when it is missing or unreadable.
std::string ReadFileBytes(const std::filesystem::path& file);

// Throws VocabularyError when the file is missing or unreadable.
VocabularyText ReadVocabularyText(const std::filesystem::path& file);
// The same, refusing a file with too few lines or that is plainly not a
// vocabulary (VocabularyError TooFewLines, NotAVocabulary).
VocabularyText ReadCheckedVocabulary(const std::filesystem::path& file);
// The lines from the file's bytes.
VocabularyText ParseVocabularyText(std::string_view bytes);
// The same, refusing bytes as ReadCheckedVocabulary refuses a file; `name`
// stands for the file in errors.
VocabularyText ParseCheckedVocabulary(std::string_view bytes, const std::filesystem::path& name);

// Start-up: makes the data directory, copies the start-up source over the main
// file, builds the plain file when diacritics are ignored and it is missing,
// reads the letter lines, the pairs and the extra words. Returns the warnings.
// Throws VocabularyError; the store is then left as it was.
std::vector<std::string> LoadVocabulary(Engine& engine);

// The diacritics box changed: re-reads the letter lines and the pair line from the main or the
// plain file; the parsed pairs and the extra words keep what start-up gave.
std::vector<std::string> ReloadVocabulary(Engine& engine, bool ignoreDiacritics);

// á->a ... ü->u, ñ->n, and their capitals.
void DropDiacritics(std::string& line);

// The store that ignoring diacritics reads, made in memory: the letter lines
// without diacritics; the pairs and the extra words as in `store`.
std::shared_ptr<VocabularyStore> BuildPlainStore(const VocabularyStore& store);

// Writes the plain file (no diacritics: á->a ... ü->u, ñ->n) from the main one.
void BuildPlainVocabulary(const VocabularyPaths& paths);

// A store from the lines of a vocabulary file (at least 29 lines, else
// VocabularyError TooFewLines).
std::shared_ptr<VocabularyStore> BuildVocabularyStore(const VocabularyText& text);
// The same, taking the lines over instead of copying them.
std::shared_ptr<VocabularyStore> BuildVocabularyStore(VocabularyText&& text);

// Parses store.PairLine into ReplacementKeys/Values, Count and Last.
void ParseReplacementPairs(VocabularyStore& store);

// Builds the store's tables over VocabLines (vocabulary/entry_index.h) and the
// set of extra words; call it once every line of the store is in place.
void BuildVocabularyIndex(VocabularyStore& store);

// Writes lines as Windows-1252 with CR LF ends; throws VocabularyError.
void WriteVocabularyLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

} // namespace vorlen
