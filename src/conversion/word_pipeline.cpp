// One word, end to end. The respelling search lists the standard spellings
// that sound like the word; a short report says whether the word itself was
// among them; a word that nothing explains is tried again as a verb form with
// attached pronouns (cómpralo -> compra + lo), and the pronouns are put back
// on what the search finds for the verb form. The report then becomes the
// bar-framed candidate list that the result rules correct.
#include "conversion/word_pipeline.h"

#include "conversion/result_text.h"
#include "phonetics/respell.h"
#include "variants/enclitics.h"
#include "vocabulary/lookup.h"

#include <array>
#include <string_view>
#include <utility>

namespace vorlen {

namespace {

constexpr std::string_view kFoundReport = "Original word found. ";
constexpr std::string_view kNotFoundReport = "Original word NOT found. ";
constexpr std::string_view kAllSpellings = "All spellings found: ";
constexpr std::string_view kNone = "<none>";

// Each accented letter with the plain letter the respelling of a verb form
// leaves in its place.
constexpr std::array<std::pair<char, char>, 6> kAccentTransfers = {{
    {"á"_w[0], 'a'},
    {"é"_w[0], 'e'},
    {"í"_w[0], 'i'},
    {"ó"_w[0], 'o'},
    {"ú"_w[0], 'u'},
    {"ü"_w[0], 'u'},
}};

void Respell(Engine& engine, const std::string& word) {
    if (engine.IgnoreDiacritics)
        PhoneticRespell(engine, word);
    else
        PhoneticRespellAccented(engine, word);
}

// A word of one capital letter (the article "A", the conjunction "Y", an
// initial) is classed as capitalised rather than written in capitals.
void ClassifyCasing(Engine& engine) {
    const std::string& word = engine.SourceWord;
    engine.AllCaps = (word.size() > 1 && word == ToUpper(word)) ? 1 : 0;
    if (!engine.AllCaps)
        engine.InitialCap = (!word.empty() && word[0] == ToUpperByte(word[0])) ? 1 : 0;
}

// The accents of the word as written, put back on the respelled verb form:
// for each accented letter, its position in the word is shifted by `offset`
// into the report and tried at the three positions around it (1-based, in the
// order given); the first that holds the plain letter takes the accent. A
// position outside the report is passed over.
void TransferAccents(Engine& engine, long long offset, const std::array<int, 3>& tries) {
    std::string& report = engine.WordResult;
    for (const auto& [accented, plain] : kAccentTransfers) {
        const auto found = engine.SourceWord.find(accented);
        if (found == std::string::npos) continue;
        const long long p = static_cast<long long>(found) + 1;
        for (int delta : tries) {
            const long long position = p + offset + delta;
            if (position < 1 || position > static_cast<long long>(report.size())) continue;
            char& c = report[static_cast<std::size_t>(position - 1)];
            if (c != plain) continue;
            c = accented;
            break;
        }
    }
}

void CollapseDoubleSpaces(std::string& text) {
    std::size_t pos = 0;
    while ((pos = text.find("  ", pos)) != std::string::npos)
        text.erase(pos, 1);
}

// The pronouns split off (the tail of the word as written, beyond the verb
// form) go back on the last candidate of the report and on the one before it
// when there is one; earlier candidates stay as respelled. With one candidate
// nothing is left between the ":" and it.
//
// A first-plural imperative loses its final s before "nos" and "se"
// (vamos + nos -> vámonos, demos + selo -> démoselo), so the verb form was
// looked up with the s put back. Its spellings then give that s up again and
// take the whole pronoun ending: vamos -> vamo + nos, not vamos + os.
void ReattachPronounEnding(Engine& engine) {
    const std::string& stem = engine.EncliticStem;
    const std::string plainWord = FoldForLookup(engine.ReportWord, true);
    const bool restoredS = !stem.empty() && stem.back() == 's' && !plainWord.starts_with(stem) &&
                           plainWord.starts_with(std::string_view(stem).substr(0, stem.size() - 1));
    const std::size_t kept = restoredS ? stem.size() - 1 : stem.size();
    const std::string ending =
        engine.ReportWord.size() > kept ? engine.ReportWord.substr(kept) : std::string();
    const auto withEnding = [&](std::string candidate) {
        if (restoredS && candidate.ends_with('s')) candidate.pop_back();
        return candidate + ending;
    };

    std::string& report = engine.WordResult;
    std::string body = report;
    if (!body.empty() && body.back() == ' ') body.pop_back();
    const auto lastSpace = body.rfind(' ');
    if (lastSpace == std::string::npos) {
        report = body + ending;
        return;
    }
    const std::string last = body.substr(lastSpace + 1);
    // Walk back over the candidate before the last, up to a ":" or a space.
    std::size_t k = lastSpace;
    while (k > 0 && body[k - 1] != ':' && body[k - 1] != ' ')
        --k;
    if (k == 0 || body[k - 1] == ':') {
        report = body.substr(0, k) + withEnding(last);
        return;
    }
    const std::string before = body.substr(k, lastSpace - k);
    report = body.substr(0, k) + withEnding(before) + " " + withEnding(last);
}

// Respells the verb form left by the enclitic analysis and writes the
// pronouns back on its spellings.
void RespellEncliticStem(Engine& engine) {
    engine.EncliticStem = FoldForLookup(engine.EncliticStem, true);
    Respell(engine, std::string(engine.EncliticStem));
    ComposeWordReport(engine);

    std::string& report = engine.WordResult;
    if (FoldForLookup(engine.WorkWord, engine.IgnoreDiacritics) == engine.EncliticStem ||
        report.ends_with(kNone))
        return;
    const auto length = [](const std::string& s) { return static_cast<long long>(s.size()); };
    TransferAccents(engine, length(report) - length(engine.EncliticStem), {-1, 0, -2});
    CollapseDoubleSpaces(report);
    ReattachPronounEnding(engine);
    TransferAccents(engine,
                    length(report) - length(engine.EncliticStem) - length(engine.SourceWord),
                    {-5, -6, -4});
    // The word as written is among the spellings found: report it as found
    // ("Original word NOT found. " loses its "NOT ").
    if (Contains(report, "NOT found") && Contains(report, " " + engine.SourceWord) &&
        report.size() >= 18)
        report.erase(14, 4);
}

// Steps taken when the search found nothing (or, when words are to be
// changed, did not find the word itself).
void TryEnclitics(Engine& engine) {
    engine.ReportWord = engine.SourceWord;
    engine.EncliticResult = CheckEnclitics(engine, engine.ReportWord);
    if (engine.EncliticResult == "Y") {
        engine.WordResult = " ";
        ComposeWordReport(engine);
        return;
    }
    RespellEncliticStem(engine);
}

// "Original word found. All spellings found: casa caza" -> "|casa|caza|".
void ReportToList(Engine& engine) {
    std::string& result = engine.WordResult;
    engine.NotFoundTag = Contains(result, "NOT") ? "NF:" : "";
    const auto colon = result.find(':');
    result = colon == std::string::npos ? std::string() : result.substr(colon + 1);
    if (!result.empty() && result.front() == ' ') result.erase(0, 1);
    for (char& c : result)
        if (c == ' ') c = '|';
    if (result.empty() || (result.back() != '>' && result.back() != '|')) result.push_back('|');
    if (result.front() != '<' && result.front() != '|') result.insert(result.begin(), '|');
    // A word that is in the vocabulary is left exactly as written.
    if (engine.NotFoundTag.empty() && !engine.Options.ChangeFoundWords)
        result = "|" + engine.SourceWord + "|";
}

} // namespace

void ComposeWordReport(Engine& engine) {
    if (!engine.IgnoreDiacritics) engine.ReportWord = engine.SourceWord;
    std::string& result = engine.WordResult;
    const bool found = Contains(result, " " + ToLower(engine.ReportWord) + " ") ||
                       Contains(result, " " + engine.ReportWord + " ") ||
                       engine.EncliticResult == "Y";
    if (found) {
        if (result == " ") result = engine.ReportWord;
        result = std::string(kFoundReport) + std::string(kAllSpellings) + result;
    } else {
        if (result == " ") result = kNone;
        result = std::string(kNotFoundReport) + std::string(kAllSpellings) + result;
    }
}

void ConvertWord(Engine& engine) {
    engine.IgnoreDiacritics = engine.Options.IgnoreDiacritics;
    engine.EncliticResult.clear();
    engine.WorkWord = engine.CurrentWord;
    engine.ReportWord = engine.CurrentWord;
    engine.SourceWord = engine.CurrentWord;
    ClassifyCasing(engine);

    Respell(engine, std::string(engine.WorkWord));
    ComposeWordReport(engine);

    const bool notFound = engine.WordResult.starts_with("Original word NOT");
    if ((notFound && engine.Options.ChangeFoundWords) || Contains(engine.WordResult, kNone))
        TryEnclitics(engine);

    ReportToList(engine);
    ApplyResultRules(engine);
}

} // namespace vorlen
