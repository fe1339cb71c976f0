// bench_quality: how well the conversion corrects real misspellings, and how
// much of correct running text it leaves alone. Default options, shipped
// vocabulary.
//
//   bench_quality [--changes N] [--classic]
//
// --classic measures the original rules only (EngineOptions::Classic).
//
// Misspellings (bench/data/misspellings-dev.tsv): each misspelled word goes
// through the word pipeline; its candidates are the words the output offers
// (the list, or the similar words offered for a word not found). Printed: the
// share whose first candidate is the standard spelling, the share whose
// candidates include it, the mean number of candidates; overall and per kind.
//
// Misspellings in running text: each misspelled word as a text of its own, as
// written and capitalised (the start of a sentence), through the text driver
// with its rules for tokens, names and loanwords; a word the driver leaves as
// written offers only itself.
//
// Running text (fortunes-es): the whole text converted; the share of its words
// that come out exactly as written, and the N most frequent changes. The same
// for a second text, never tuned on: the Spanish messages of some Debian
// programs (the msgstr of their translations, read with msgunfmt), each
// message a text of its own, printf directives left out.
//
// --classic measures with the original rules only.
#include "bench_support.h"
#include "conversion/text_driver.h"
#include "conversion/word_pipeline.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

struct Tally {
    int words = 0;
    int first = 0;
    int anywhere = 0;
    int unchanged = 0;
    long candidates = 0;
};

std::vector<std::string> SplitBars(std::string_view list) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : std::string(list) + "|") {
        if (c != '|') {
            part.push_back(c);
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    return parts;
}

// The spellings the output offers for one word, as ConvertWord left it.
std::vector<std::string> Candidates(const vorlen::Engine& engine) {
    if (!engine.SimilarWords.empty()) return SplitBars(engine.SimilarWords);
    if (engine.WordResult == "<none>") return {};
    return SplitBars(engine.WordResult);
}

void PrintTally(const char* name, const Tally& t) {
    const double n = t.words > 0 ? t.words : 1;
    std::printf("  %-12s %5d words  first %5.1f%%  among candidates %5.1f%%  "
                "left as written %5.1f%%  candidates %.2f\n",
                name, t.words, 100.0 * t.first / n, 100.0 * t.anywhere / n, 100.0 * t.unchanged / n,
                static_cast<double>(t.candidates) / n);
}

void MeasureMisspellingsInText(vorlen::Engine& engine) {
    std::printf("misspellings as texts of one word (text driver)\n");
    for (const bool capitalised : {false, true}) {
        Tally tally;
        int keptByDriver = 0;
        for (const auto& m : bench::ReadMisspellings()) {
            std::string written = m.Written;
            if (capitalised) written[0] = vorlen::ToUpperByte(written[0]);
            const std::string utf8 = vorlen::Cp1252ToUtf8(written);
            const bool kept = vorlen::ConvertText(engine, utf8).Text == utf8;
            engine.CurrentWord = written;
            engine.SimilarWords.clear();
            vorlen::ConvertWord(engine);
            auto candidates = Candidates(engine);
            if (kept) {
                keptByDriver += !candidates.empty() && candidates != std::vector{written};
                candidates = {written};
            }
            const std::string standard = vorlen::ToLower(m.Standard);
            ++tally.words;
            tally.first += !candidates.empty() && vorlen::ToLower(candidates.front()) == standard;
            bool anywhere = false;
            for (const auto& c : candidates)
                anywhere = anywhere || vorlen::ToLower(c) == standard;
            tally.anywhere += anywhere;
            tally.unchanged += candidates.size() == 1 && candidates.front() == written;
            tally.candidates += static_cast<long>(candidates.size());
        }
        PrintTally(capitalised ? "capitalised" : "as written", tally);
        std::printf("  %-12s %5d words left as written by the driver, given candidates by the word "
                    "pipeline\n",
                    "", keptByDriver);
    }
}

void MeasureMisspellings(vorlen::Engine& engine) {
    std::map<std::string, Tally> byKind;
    Tally all;
    int repeated = 0; // lists that name a spelling twice
    for (const auto& m : bench::ReadMisspellings()) {
        engine.CurrentWord = m.Written;
        engine.SimilarWords.clear();
        vorlen::ConvertWord(engine);
        const auto candidates = Candidates(engine);
        repeated +=
            std::set<std::string>(candidates.begin(), candidates.end()).size() != candidates.size();
        const bool first = !candidates.empty() && candidates.front() == m.Standard;
        bool anywhere = false;
        for (const auto& c : candidates)
            anywhere = anywhere || c == m.Standard;
        const bool unchanged = candidates.size() == 1 && candidates.front() == m.Written;
        for (Tally* t : {&all, &byKind[m.Kind]}) {
            ++t->words;
            t->first += first;
            t->anywhere += anywhere;
            t->unchanged += unchanged;
            t->candidates += static_cast<long>(candidates.size());
        }
    }
    std::printf("misspellings (%s)\n", VORLEN_BENCH_DATA_DIR "/misspellings-dev.tsv");
    PrintTally("all", all);
    for (const auto& [kind, tally] : byKind)
        PrintTally(kind.c_str(), tally);
    std::printf("  lists naming a spelling twice: %d\n", repeated);
}

// Input and output share every character that is neither a letter nor a bar,
// so cutting both there pairs each word with its output form.
std::vector<std::string_view> CutAtSeparators(std::string_view utf8) {
    const vorlen::LetterTable letters(vorlen::kLetterSet);
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const vorlen::Utf8Char c = vorlen::DecodeUtf8At(utf8, pos);
        const bool inWord = letters.LetterByte(c) >= 0 || (c.Valid && c.CodePoint == '|');
        if (!inWord) {
            if (pos > start) pieces.push_back(utf8.substr(start, pos - start));
            start = pos + c.Length;
        }
        pos += c.Length;
    }
    if (start < utf8.size()) pieces.push_back(utf8.substr(start));
    return pieces;
}

// The Spanish messages of these programs' translations, if installed.
constexpr std::array<const char*, 9> kMessageDomains = {
    "apt", "bash", "coreutils", "diffutils", "dpkg", "findutils", "grep", "sed", "tar"};

// A C string literal's body as msgunfmt writes it, unescaped.
std::string Unescape(std::string_view quoted) {
    std::string text;
    for (std::size_t k = 0; k < quoted.size(); ++k) {
        if (quoted[k] != '\\' || k + 1 == quoted.size()) {
            text.push_back(quoted[k]);
            continue;
        }
        const char c = quoted[++k];
        text.push_back(c == 'n' ? '\n' : c == 't' ? '\t' : c);
    }
    return text;
}

// Without its printf directives (%s, %d, %1$s, %-10lu): they are no text.
std::string WithoutDirectives(const std::string& message) {
    static const std::regex directive(
        R"(%([0-9]+\$)?[-+ #0']*([0-9]+|\*)?(\.([0-9]+|\*))?[hlLqjzt]*[a-zA-Z%])");
    return std::regex_replace(message, directive, " ");
}

std::vector<std::string> ReadMessages(std::string& domainsRead) {
    std::vector<std::string> messages;
    for (const char* domain : kMessageDomains) {
        const std::string file = std::string("/usr/share/locale/es/LC_MESSAGES/") + domain + ".mo";
        if (!std::filesystem::exists(file)) continue;
        FILE* pipe = ::popen(("msgunfmt --no-wrap " + file + " 2>/dev/null").c_str(), "r");
        if (pipe == nullptr) continue;
        std::string po;
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            po.append(buffer, n);
        if (::pclose(pipe) != 0) continue;
        domainsRead += (domainsRead.empty() ? "" : " ") + std::string(domain);
        std::istringstream lines(po);
        std::string message;
        bool inMessage = false;
        const auto finish = [&] {
            if (inMessage && !message.empty()) messages.push_back(WithoutDirectives(message));
            message.clear();
            inMessage = false;
        };
        for (std::string line; std::getline(lines, line);) {
            const bool isString = line.starts_with("msgstr");
            if (isString) finish();
            inMessage = inMessage || isString;
            const auto open = line.find('"');
            if (!line.starts_with(isString ? "msgstr" : "\"")) {
                finish();
            } else if (inMessage && open != std::string::npos && line.back() == '"') {
                message +=
                    Unescape(std::string_view(line).substr(open + 1, line.size() - open - 2));
            }
        }
        finish();
    }
    // The header of each file (Project-Id-Version: ...) is no message.
    std::erase_if(messages, [](const std::string& m) {
        return m.find("Content-Type:") != std::string::npos;
    });
    return messages;
}

void MeasureRunningText(vorlen::Engine& engine, const std::string& name,
                        const std::vector<std::string>& texts, int changesShown) {
    std::vector<std::string_view> before;
    std::vector<std::string_view> after;
    std::vector<std::string> converted;
    converted.reserve(texts.size());
    for (const auto& text : texts) {
        converted.push_back(vorlen::ConvertText(engine, text).Text);
        const auto in = CutAtSeparators(text);
        const auto out = CutAtSeparators(converted.back());
        if (in.size() != out.size()) {
            std::printf("%s: the output does not pair with the input\n", name.c_str());
            return;
        }
        before.insert(before.end(), in.begin(), in.end());
        after.insert(after.end(), out.begin(), out.end());
    }
    long words = 0;
    long unchanged = 0;
    long notFound = 0;
    long lists = 0;
    long repeated = 0; // lists that name a spelling twice
    std::map<std::pair<std::string, std::string>, int> changes;
    for (std::size_t k = 0; k < before.size(); ++k) {
        if (before[k].find('|') != std::string_view::npos) continue; // a bar in the text itself
        ++words;
        if (before[k] == after[k]) {
            ++unchanged;
            continue;
        }
        if (after[k].starts_with('|'))
            ++notFound;
        else if (after[k].find('|') != std::string_view::npos)
            ++lists;
        const auto items = SplitBars(after[k]);
        repeated += std::set<std::string>(items.begin(), items.end()).size() != items.size();
        ++changes[{std::string(before[k]), std::string(after[k])}];
    }
    const double n = words > 0 ? static_cast<double>(words) : 1.0;
    std::printf("%s, %ld words\n", name.c_str(), words);
    std::printf("  left as written %5.1f%%  marked not found %5.1f%%  given alternatives %5.1f%%  "
                "changed to one word %5.1f%%\n",
                100.0 * unchanged / n, 100.0 * notFound / n, 100.0 * lists / n,
                100.0 * (words - unchanged - notFound - lists) / n);
    std::printf("  lists naming a spelling twice: %ld\n", repeated);
    std::vector<std::pair<int, std::pair<std::string, std::string>>> ranked;
    for (const auto& [change, count] : changes)
        ranked.emplace_back(count, change);
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    if (changesShown > 0) std::printf("  most frequent changes:\n");
    for (int k = 0; k < changesShown && k < static_cast<int>(ranked.size()); ++k)
        std::printf("  %6d  %s -> %s\n", ranked[static_cast<std::size_t>(k)].first,
                    ranked[static_cast<std::size_t>(k)].second.first.c_str(),
                    ranked[static_cast<std::size_t>(k)].second.second.c_str());
}

} // namespace

int main(int argc, char** argv) {
    int changesShown = 25;
    bool classic = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--changes" && k + 1 < argc) {
            changesShown = std::atoi(argv[++k]);
        } else if (arg == "--classic") {
            classic = true;
        } else {
            std::fprintf(stderr, "usage: bench_quality [--changes N] [--classic]\n");
            return 2;
        }
    }
    vorlen::Engine engine;
    try {
        engine = bench::LoadShippedEngine();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_quality: cannot load the vocabulary: %s\n", e.what());
        return 2;
    }
    engine.Options.Classic = classic;
    std::printf("%s mode\n", classic ? "classic" : "default");
    MeasureMisspellings(engine);
    MeasureMisspellingsInText(engine);
    const std::string fortunes = bench::ReadFortunes();
    if (fortunes.empty())
        std::printf("running text: none (apt-get install fortunes-es)\n");
    else
        MeasureRunningText(engine, "running text (fortunes-es)", {fortunes}, changesShown);
    std::string domains;
    const auto messages = ReadMessages(domains);
    if (messages.empty())
        std::printf("program messages: none (apt-get install gettext)\n");
    else
        MeasureRunningText(engine, "program messages (" + domains + ")", messages, changesShown);
    return 0;
}
