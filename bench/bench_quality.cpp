// bench_quality: how well the conversion corrects real misspellings, and how
// much of correct running text it leaves alone. Shipped vocabulary, default
// options and classic mode side by side.
//
//   bench_quality [--changes N]
//
// Misspellings: bench/data/misspellings-dev.tsv (Wikipedia's common
// misspellings, the development set) and bench/data/everyday-slips.tsv
// (words of the fortunes-es text with by-ear slips, held out: see its
// generator). Each misspelled word goes through the word pipeline; its
// candidates are the words the output offers (the list, or the similar words
// offered for a word not found). Printed: the share whose first candidate is
// the standard spelling, the share whose candidates include it, the mean
// number of candidates; overall and per kind.
//
// Correct running text: the fortunes-es text, and a second text never tuned on,
// the Spanish messages of some Debian programs (the msgstr of their
// translations, read with msgunfmt, printf directives left out). Each converted
// whole; the share of its words that come out exactly as written, lists that
// name a spelling twice, and the N most frequent changes of the default mode.
#include "bench_support.h"
#include "conversion/text_driver.h"
#include "conversion/word_pipeline.h"

#include <algorithm>
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

// Runs one measurement under the default options and then in classic mode,
// leaving the engine's options as they were.
template <typename Measure>
auto InBothModes(vorlen::Engine& engine, Measure measure) {
    const vorlen::EngineOptions saved = engine.Options;
    engine.Options.Classic = false;
    auto current = measure(engine);
    engine.Options.Classic = true;
    auto classic = measure(engine);
    engine.Options = saved;
    return std::pair{std::move(current), std::move(classic)};
}

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

void PrintTally(const Tally& t) {
    const double n = t.words > 0 ? t.words : 1;
    std::printf("first %5.1f%%  among %5.1f%%  as written %5.1f%%  candidates %4.2f",
                100.0 * t.first / n, 100.0 * t.anywhere / n, 100.0 * t.unchanged / n,
                static_cast<double>(t.candidates) / n);
}

struct MisspellingTallies {
    Tally all;
    std::map<std::string, Tally> byKind;
};

MisspellingTallies MeasureMisspellings(vorlen::Engine& engine,
                                       const std::vector<bench::Misspelling>& list) {
    MisspellingTallies tallies;
    for (const auto& m : list) {
        engine.CurrentWord = m.Written;
        engine.SimilarWords.clear();
        vorlen::ConvertWord(engine);
        const auto candidates = Candidates(engine);
        const bool first = !candidates.empty() && candidates.front() == m.Standard;
        bool anywhere = false;
        for (const auto& c : candidates)
            anywhere = anywhere || c == m.Standard;
        const bool unchanged = candidates.size() == 1 && candidates.front() == m.Written;
        for (Tally* t : {&tallies.all, &tallies.byKind[m.Kind]}) {
            ++t->words;
            t->first += first;
            t->anywhere += anywhere;
            t->unchanged += unchanged;
            t->candidates += static_cast<long>(candidates.size());
        }
    }
    return tallies;
}

// One set of misspellings under the default options and in classic mode, a
// line for each; kinds with fewer than `minKind` words are not shown alone.
void CompareMisspellings(vorlen::Engine& engine, const char* fileName, int minKind) {
    const auto list = bench::ReadMisspellings(fileName);
    std::printf("misspellings (%s, %zu words)\n", fileName, list.size());
    if (list.empty()) return;
    const auto [current, classic] =
        InBothModes(engine, [&](vorlen::Engine& e) { return MeasureMisspellings(e, list); });
    const auto print = [](const std::string& kind, const Tally& now, const Tally& before) {
        std::printf("  %-14s %4d  default: ", kind.c_str(), now.words);
        PrintTally(now);
        std::printf("\n  %-14s %4s  classic: ", "", "");
        PrintTally(before);
        std::printf("\n");
    };
    print("all", current.all, classic.all);
    for (const auto& [kind, tally] : current.byKind)
        if (tally.words >= minKind) print(kind, tally, classic.byKind.at(kind));
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

struct TextFigures {
    long words = 0;
    long unchanged = 0;
    long notFound = 0;
    long lists = 0;
    long repeated = 0; // lists that name a spelling twice
    std::map<std::pair<std::string, std::string>, int> changes;
};

// The texts converted whole, each word paired with its output form; a text
// whose output does not pair with it is left out and said so.
TextFigures MeasureTexts(vorlen::Engine& engine, const std::vector<std::string>& texts) {
    TextFigures f;
    for (const std::string& text : texts) {
        const std::string converted = vorlen::ConvertText(engine, text).Text;
        const auto before = CutAtSeparators(text);
        const auto after = CutAtSeparators(converted);
        if (before.size() != after.size()) {
            std::printf("  a text whose output does not pair with it is left out\n");
            continue;
        }
        for (std::size_t k = 0; k < before.size(); ++k) {
            if (before[k].find('|') != std::string_view::npos) continue; // a bar in the text
            ++f.words;
            if (before[k] == after[k]) {
                ++f.unchanged;
                continue;
            }
            if (after[k].starts_with('|'))
                ++f.notFound;
            else if (after[k].find('|') != std::string_view::npos)
                ++f.lists;
            const auto items = SplitBars(after[k]);
            f.repeated += std::set<std::string>(items.begin(), items.end()).size() != items.size();
            ++f.changes[{std::string(before[k]), std::string(after[k])}];
        }
    }
    return f;
}

void PrintTextFigures(const char* mode, const TextFigures& f) {
    const double n = f.words > 0 ? static_cast<double>(f.words) : 1.0;
    std::printf("  %-8s left as written %5.1f%%  marked not found %5.1f%%  given alternatives "
                "%5.1f%%  changed to one word %5.1f%%  lists naming a spelling twice %ld\n",
                mode, 100.0 * f.unchanged / n, 100.0 * f.notFound / n, 100.0 * f.lists / n,
                100.0 * (f.words - f.unchanged - f.notFound - f.lists) / n, f.repeated);
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

// Correct running text: what share of its words comes out as written, default
// and classic, and the commonest changes of the default mode.
void MeasureRunningText(vorlen::Engine& engine, const std::string& name,
                        const std::vector<std::string>& texts, int changesShown) {
    const auto [current, classic] =
        InBothModes(engine, [&](vorlen::Engine& e) { return MeasureTexts(e, texts); });
    std::printf("%s, %ld words\n", name.c_str(), current.words);
    PrintTextFigures("default:", current);
    PrintTextFigures("classic:", classic);
    std::vector<std::pair<int, std::pair<std::string, std::string>>> ranked;
    for (const auto& [change, count] : current.changes)
        ranked.emplace_back(count, change);
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    if (changesShown > 0) std::printf("  most frequent changes (default):\n");
    for (int k = 0; k < changesShown && k < static_cast<int>(ranked.size()); ++k)
        std::printf("  %6d  %s -> %s\n", ranked[static_cast<std::size_t>(k)].first,
                    ranked[static_cast<std::size_t>(k)].second.first.c_str(),
                    ranked[static_cast<std::size_t>(k)].second.second.c_str());
}

} // namespace

int main(int argc, char** argv) {
    int changesShown = 25;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--changes" && k + 1 < argc) {
            changesShown = std::atoi(argv[++k]);
        } else {
            std::fprintf(stderr, "usage: bench_quality [--changes N]\n");
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
    CompareMisspellings(engine, "misspellings-dev.tsv", 1);
    CompareMisspellings(engine, "everyday-slips.tsv", 25);
    const std::string fortunes = bench::ReadFortunes();
    if (fortunes.empty())
        std::printf("running text: none (apt-get install fortunes-es)\n");
    else
        MeasureRunningText(engine, "running text (fortunes-es)", {fortunes}, changesShown);
    // A second correct text, never tuned on.
    std::string domains;
    const auto messages = ReadMessages(domains);
    if (messages.empty())
        std::printf("program messages: none (apt-get install gettext)\n");
    else
        MeasureRunningText(engine, "program messages (" + domains + ")", messages, changesShown);
    return 0;
}
