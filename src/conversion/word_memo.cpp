#include "conversion/word_memo.h"

#include "conversion/word_pipeline.h"

namespace vorlen {

namespace {

// The memo belongs to one set of options and one vocabulary store; the weak
// pointer also tells a new store at the address of a freed one apart.
void KeepMemoCurrent(Engine& engine) {
    WordMemo& memo = engine.Memo;
    const auto filledWith = memo.Vocabulary.lock();
    if (filledWith == engine.Vocabulary && memo.Options == engine.Options) return;
    memo.Entries.clear();
    memo.Options = engine.Options;
    memo.Vocabulary = engine.Vocabulary;
}

void Restore(Engine& engine, const WordMemoEntry& entry) {
    engine.IgnoreDiacritics = engine.Options.IgnoreDiacritics;
    engine.WorkWord = entry.WorkWord;
    engine.SourceWord = entry.SourceWord;
    engine.ReportWord = entry.ReportWord;
    engine.WordResult = entry.WordResult;
    engine.NotFoundTag = entry.NotFoundTag;
    engine.EncliticResult = entry.EncliticResult;
    engine.SimilarWords = entry.SimilarWords;
    engine.AllCaps = entry.AllCaps;
    // A word in capitals leaves InitialCap as the word before set it.
    if (!entry.AllCaps) engine.InitialCap = entry.InitialCap;
}

WordMemoEntry Snapshot(const Engine& engine) {
    return {engine.WorkWord,     engine.SourceWord,  engine.ReportWord,
            engine.WordResult,   engine.NotFoundTag, engine.EncliticResult,
            engine.SimilarWords, engine.AllCaps,     engine.InitialCap};
}

} // namespace

void ConvertWordRemembered(Engine& engine) {
    if (!engine.SimilarWords.empty() || engine.Respell.CandidateObserver) {
        ConvertWord(engine);
        return;
    }
    KeepMemoCurrent(engine);
    auto& entries = engine.Memo.Entries;
    if (const auto it = entries.find(engine.CurrentWord); it != entries.end()) {
        Restore(engine, it->second);
        return;
    }
    ConvertWord(engine);
    if (entries.size() >= kWordMemoCapacity) entries.clear();
    entries.emplace(engine.CurrentWord, Snapshot(engine));
}

void ForgetConvertedWords(Engine& engine) {
    engine.Memo.Entries.clear();
}

} // namespace vorlen
