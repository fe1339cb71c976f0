// The public Speller over the engine. Each call builds an Engine of its own on
// the stack (per-word scratch state, the word memo) that points at the shared,
// read-only vocabulary store, so calls never see each other.
#include "api/speller_internal.h"
#include "api/word_outcome.h"
#include "context/context_load.h"
#include "context/context_table.h"
#include "conversion/text_driver.h"
#include "conversion/utf8_text.h"
#include "conversion/word_pipeline.h"
#include "explain/explain_word.h"
#include "inflection/inflection.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/explanations.h"
#include "vocabulary/lookup.h"
#include "vocabulary/paths.h"
#include "vocabulary/vocabulary_file.h"
#include "vocabulary/word_ranks.h"

#include <cstdlib>
#include <dlfcn.h>
#include <mutex>
#include <vorlen/speller.h>

#ifndef VORLEN_VERSION
#define VORLEN_VERSION "0.0.0"
#endif

namespace vorlen {

struct Speller::Impl {
    std::shared_ptr<const VocabularyStore> Accented;
    // Which words stand beside which, for accents by context (null without a
    // table: text is then converted word by word).
    std::shared_ptr<const ContextTable> Context;
    std::vector<std::string> Warnings;
    // The store without diacritics, made the first time a call asks for it.
    mutable std::once_flag PlainOnce;
    mutable std::shared_ptr<const VocabularyStore> Plain;

    const std::shared_ptr<const VocabularyStore>& Store(bool ignoreDiacritics) const {
        if (!ignoreDiacritics) return Accented;
        std::call_once(PlainOnce, [this] { Plain = BuildPlainStore(*Accented); });
        return Plain;
    }
};

namespace {

EngineOptions ToEngineOptions(const ConversionOptions& options) {
    EngineOptions engine;
    engine.IgnoreDiacritics = options.IgnoreDiacritics;
    engine.CapsRule = options.KeepCapitalisedWords;
    engine.BarAfterChange = options.BarAfterChange;
    engine.SimilarOnMiss = options.SimilarWordsWhenNotFound;
    engine.ChangeFoundWords = options.ChangeFoundWords;
    engine.Classic = options.Classic;
    engine.ContextAccents = options.ContextAccents;
    engine.EnglishMessages = options.EnglishMessages;
    return engine;
}

Engine EngineFor(const Speller::Impl& impl, const ConversionOptions& options) {
    Engine engine;
    engine.Vocabulary = impl.Store(options.IgnoreDiacritics);
    engine.Options = ToEngineOptions(options);
    engine.IgnoreDiacritics = options.IgnoreDiacritics;
    engine.Context = impl.Context;
    return engine;
}

void RequireUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = DecodeUtf8At(text, pos);
        if (!c.Valid) throw Error(ErrorCode::InvalidText, {}, static_cast<int>(pos));
        pos += c.Length;
    }
}

std::vector<std::string> SplitBarList(std::string_view cp1252) {
    std::vector<std::string> words;
    for (auto& word : OfferedSpellings(Cp1252ToUtf8(cp1252)))
        words.push_back(std::move(word));
    return words;
}

// The entry `spelling` (Windows-1252) is a form of, when it is not one itself.
std::string EntryOf(Engine& engine, const std::string& spelling) {
    engine.SourceWord = spelling;
    if (InflectionLookup(engine, spelling) != "Y") return {};
    std::string_view key = engine.FoundKey; // bar-framed: "|casita|"
    if (key.starts_with('|')) key.remove_prefix(1);
    if (key.ends_with('|')) key.remove_suffix(1);
    if (key == spelling || key == ToLower(spelling)) return {};
    return Cp1252ToUtf8(key);
}

} // namespace

Speller::Speller(const std::filesystem::path& vocabularyFile) {
    VocabularyText text = ReadCheckedVocabulary(vocabularyFile);
    auto impl = std::make_shared<Impl>();
    impl->Warnings = std::move(text.warnings);
    auto store = BuildVocabularyStore(std::move(text)); // its lines move into the store
    store->Ranks = ReadWordRanksBeside(vocabularyFile);
    store->Explanations = ReadExplanationsBeside(vocabularyFile);
    impl->Accented = std::move(store);
    // The context table lies beside the vocabulary (data/, share/vorlen/).
    Engine loader;
    loader.Paths.StartupSource = vocabularyFile;
    for (auto& warning : LoadContextAccents(loader))
        impl->Warnings.push_back(std::move(warning));
    impl->Context = std::move(loader.Context);
    impl_ = std::move(impl);
}

Speller SpellerFromData(SpellerData data) {
    const std::filesystem::path name = "spanall.txt";
    VocabularyText text = ParseCheckedVocabulary(data.Vocabulary, name);
    // The file's bytes go before the store is built, and its lines move into
    // the store: at most two copies of the vocabulary in memory at once.
    std::string().swap(data.Vocabulary);
    std::vector<std::string> warnings = std::move(text.warnings);
    auto impl = std::make_shared<Speller::Impl>();
    auto store = BuildVocabularyStore(std::move(text));
    if (data.WordRanks) store->Ranks = ParseWordRanks(std::move(*data.WordRanks));
    if (data.Explanations) store->Explanations = ParseExplanations(std::move(*data.Explanations));
    impl->Accented = std::move(store);
    impl->Warnings = std::move(warnings);
    const std::string table = kContextTableFile;
    ContextTableLoad load = data.ContextTable ? ParseContextTable(*data.ContextTable, table)
                                              : ContextTableLoad{nullptr, table + ": not given"};
    if (!load.Table)
        impl->Warnings.push_back(load.Error + "; accents are not restored from context");
    impl->Context = std::move(load.Table);
    return Speller(std::move(impl));
}

Speller::Speller(std::shared_ptr<const Impl> impl) : impl_(std::move(impl)) {}

Speller SpellerOverStore(std::shared_ptr<const VocabularyStore> store,
                         std::shared_ptr<const ContextTable> context) {
    auto impl = std::make_shared<Speller::Impl>();
    impl->Accented = std::move(store);
    impl->Context = std::move(context);
    return Speller(std::move(impl));
}

// share/vorlen/spanall.txt in the prefix that holds `file` (a library in
// lib/ or lib/<multiarch>/, a program in bin/), empty when there is none.
static std::filesystem::path VocabularyInPrefixOf(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path dir = file.parent_path();
    for (int up = 0; up < 3 && !dir.empty(); ++up, dir = dir.parent_path()) {
        const auto candidate = dir / "share/vorlen/spanall.txt";
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
        if (dir == dir.root_path()) break;
    }
    return {};
}

std::filesystem::path Speller::InstalledVocabulary() {
    if (const char* env = std::getenv("VORLEN_VOCABULARY"); env != nullptr && *env != '\0')
        return env;
    // The library's own prefix first: a Python module or a program built
    // against an installed library finds the vocabulary installed beside it.
    Dl_info self{};
    if (dladdr(reinterpret_cast<void*>(&VocabularyInPrefixOf), &self) != 0 &&
        self.dli_fname != nullptr) {
        std::error_code ec;
        const auto library = std::filesystem::canonical(self.dli_fname, ec);
        if (!ec)
            if (auto found = VocabularyInPrefixOf(library); !found.empty()) return found;
    }
    if (auto found = VocabularyInPrefixOf(CurrentProgramFile()); !found.empty()) return found;
#ifdef VORLEN_INSTALLED_DATA_DIR
    std::error_code ec;
    const std::filesystem::path installed =
        std::filesystem::path(VORLEN_INSTALLED_DATA_DIR) / "spanall.txt";
    if (std::filesystem::is_regular_file(installed, ec)) return installed;
#endif
    PathOptions options;
    return FindStartupVocabulary(options);
}

WordCheck Speller::Check(std::string_view word, const ConversionOptions& options) const {
    RequireUtf8(word);
    WordCheck check;
    check.Word = std::string(word);
    const auto cp1252 = Utf8ToCp1252(word);
    const bool letters =
        cp1252 && !cp1252->empty() && cp1252->find_first_not_of(kLetterSet) == std::string::npos;
    if (!letters) {
        check.Output = "|" + check.Word;
        return check;
    }
    Engine engine = EngineFor(*impl_, options);
    engine.CurrentWord = *cp1252;
    ConvertWord(engine);
    check.SimilarWords = SplitBarList(engine.SimilarWords);
    ToOutputForm(engine);
    MarkNotFoundOrChanged(engine);
    check.Output = Cp1252ToUtf8(engine.WordResult);
    check.Status = StatusOf(check.Word, check.Output);
    check.Candidates = OfferedSpellings(check.Output);
    if (check.Status == WordStatus::NotFound) check.Candidates.clear();
    if (!check.Candidates.empty())
        if (auto first = Utf8ToCp1252(check.Candidates.front()))
            check.Entry = EntryOf(engine, *first);
    return check;
}

TextConversion Speller::Convert(std::string_view text, const ConversionOptions& options,
                                const ProgressCallback& progress) const {
    RequireUtf8(text);
    Engine engine = EngineFor(*impl_, options);
    ConversionDetail detail;
    vorlen::ConversionProgress pieces;
    if (progress)
        pieces = [&](std::string_view) { return progress(detail.InputDone, text.size()); };
    ConversionResult converted = ConvertText(engine, text, pieces, &detail);
    TextConversion result;
    result.Text = std::move(converted.Text);
    result.Finished = converted.Finished;
    result.Words.reserve(detail.ChangedWords.size());
    auto restore = converted.ContextRestores.begin();
    for (const WordSpan& span : detail.ChangedWords) {
        ConvertedWord word;
        word.InputOffset = span.InputOffset;
        word.InputLength = span.InputLength;
        word.OutputOffset = span.OutputOffset;
        word.OutputLength = span.OutputLength;
        const std::string_view written = text.substr(span.InputOffset, span.InputLength);
        const std::string_view output =
            std::string_view(result.Text).substr(span.OutputOffset, span.OutputLength);
        word.Status = StatusOf(written, output);
        while (restore != converted.ContextRestores.end() &&
               restore->InputOffset < span.InputOffset)
            ++restore;
        word.FromContext =
            restore != converted.ContextRestores.end() && restore->InputOffset == span.InputOffset;
        if (word.Status != WordStatus::NotFound) word.Candidates = OfferedSpellings(output);
        result.Words.push_back(std::move(word));
    }
    return result;
}

std::string Speller::Explain(std::string_view word, bool english) const {
    RequireUtf8(word);
    const auto cp1252 = Utf8ToCp1252(word);
    if (!cp1252) return {};
    Engine engine;
    engine.Vocabulary = impl_->Accented;
    engine.Options.EnglishMessages = english;
    return Cp1252ToUtf8(ExplainWord(engine, *cp1252));
}

const std::vector<std::string>& Speller::Warnings() const {
    return impl_->Warnings;
}

const char* Speller::Version() {
    return VORLEN_VERSION;
}

} // namespace vorlen
