// vorlen-cli: converts Spanish written by ear, for batch work and diagnosis.
#include "cli/commands.h"
#include "context/context_load.h"
#include "pipe/run_pipe.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/paths.h"
#include "vocabulary/vocabulary_file.h"

#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage = R"(Usage:
  vorlen-cli [OPTIONS] [FILE]              convert FILE (or standard input) to standard output
  vorlen-cli [OPTIONS] word WORD...        convert each word, one line each
  vorlen-cli [OPTIONS] inflect WORD...     Y <entry key> when a word is a form of an entry, else N
  vorlen-cli [OPTIONS] respell WORD...     the spellings the sound-alike search finds
  vorlen-cli [OPTIONS] candidates WORD...  every spelling the sound-alike search builds, in order
  vorlen-cli [OPTIONS] enclitics WORD...   Y or N, and the verb form left without attached pronouns
  vorlen-cli [OPTIONS] similar WORD...     vocabulary words one typing error away
  vorlen-cli [OPTIONS] explain WORD...     what each word is: the entry it is a form of, synonyms
  vorlen-cli -a [-p FILE]                  the ispell pipe, for Emacs and other editors (also
                                           `vorlen-cli pipe`; -p: the personal word list, by
                                           default $XDG_DATA_HOME/vorlen/personal.txt)

Options:
  --vocabulary PATH     the vocabulary to start from (default: spanall.txt in the working
                        directory, else the installed one)
  --data-dir DIR        the data directory (default: $VORLEN_DATA_DIR, else
                        $XDG_DATA_HOME/vorlen, else ~/.local/share/vorlen)
  --ignore-diacritics   use the vocabulary without diacritics
  --english             English messages
  --no-caps-rule        convert capitalised words inside a sentence too
  --bar-after-change    put a bar after a changed word that has one candidate
  --no-similar          do not offer similar words for a word not found
  --change              change words found in the vocabulary to all their spellings
  --classic             only the original rules, with their outputs unchanged
  --no-context          do not restore accents from the neighbouring words
  -h, --help            this text

Text in: UTF-8, or Windows-1252 when the bytes are not valid UTF-8; text out in the same
encoding. Exit status: 0 on success, 2 on an error (message on standard error).
)";

struct Arguments {
    vorlen::PathOptions paths;
    vorlen::EngineOptions options;
    std::string command; // empty: convert
    std::vector<std::string> operands;
};

enum class Parse { Ok, Help, Error };

Parse ParseArguments(int argc, char** argv, Arguments& args) {
    static const std::vector<std::string_view> commands = {
        "word", "inflect", "respell", "candidates", "enclitics", "similar", "explain"};
    bool optionsDone = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (!optionsDone && args.command.empty() && args.operands.empty() && arg.starts_with("-")) {
            auto value = [&]() -> std::optional<std::string> {
                if (k + 1 >= argc) return std::nullopt;
                return std::string(argv[++k]);
            };
            if (arg == "-h" || arg == "--help") return Parse::Help;
            if (arg == "--") {
                optionsDone = true;
            } else if (arg == "--vocabulary" || arg == "--data-dir") {
                auto v = value();
                if (!v) {
                    std::cerr << "vorlen-cli: " << arg << " needs a value\n";
                    return Parse::Error;
                }
                (arg == "--vocabulary" ? args.paths.Vocabulary : args.paths.DataDirectory) = *v;
            } else if (arg == "--ignore-diacritics") {
                args.options.IgnoreDiacritics = true;
            } else if (arg == "--english") {
                args.options.EnglishMessages = true;
            } else if (arg == "--no-caps-rule") {
                args.options.CapsRule = false;
            } else if (arg == "--bar-after-change") {
                args.options.BarAfterChange = true;
            } else if (arg == "--no-similar") {
                args.options.SimilarOnMiss = false;
            } else if (arg == "--change") {
                args.options.ChangeFoundWords = true;
            } else if (arg == "--classic") {
                args.options.Classic = true;
            } else if (arg == "--no-context") {
                args.options.ContextAccents = false;
            } else {
                std::cerr << "vorlen-cli: unknown option " << arg << " (see --help)\n";
                return Parse::Error;
            }
            continue;
        }
        if (args.command.empty() && args.operands.empty()) {
            for (auto c : commands)
                if (arg == c) args.command = std::string(arg);
            if (!args.command.empty()) continue;
        }
        args.operands.emplace_back(arg);
    }
    if (args.command.empty() && args.operands.size() > 1) {
        std::cerr << "vorlen-cli: convert takes at most one file (see --help)\n";
        return Parse::Error;
    }
    return Parse::Ok;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (const std::vector<std::string> all(argv + 1, argv + argc); vorlen::pipe::WantsPipe(all))
        return vorlen::pipe::RunPipe(all);
    Arguments args;
    switch (ParseArguments(argc, argv, args)) {
    case Parse::Help:
        std::cout << kUsage;
        return 0;
    case Parse::Error:
        return 2;
    case Parse::Ok:
        break;
    }

    std::vector<std::string> words;
    for (const auto& operand : args.operands) {
        if (args.command.empty()) break;
        std::string bad;
        auto word = vorlen::Utf8ToCp1252(operand, &bad);
        if (!word) {
            std::cerr << "vorlen-cli: \"" << operand << "\" holds \"" << bad
                      << "\", which is not a letter of Spanish text\n";
            return 2;
        }
        words.push_back(std::move(*word));
    }

    vorlen::Engine engine;
    engine.Options = args.options;
    engine.Options.IgnoreDiacritics = false;
    args.paths.ProgramFile = vorlen::CurrentProgramFile();
    engine.Paths = vorlen::ResolveVocabularyPaths(args.paths);
    try {
        for (const auto& w : vorlen::LoadVocabulary(engine))
            std::cerr << "vorlen-cli: " << w << '\n';
        if (args.options.IgnoreDiacritics)
            for (const auto& w : vorlen::ReloadVocabulary(engine, true))
                std::cerr << "vorlen-cli: " << w << '\n';
    } catch (const vorlen::VocabularyError& e) {
        std::cerr << "vorlen-cli: " << vorlen::DescribeVocabularyError(e, true) << '\n';
        return 2;
    }
    // Only running text reads the context; single words never do.
    if (args.command.empty() && !engine.Options.Classic && engine.Options.ContextAccents)
        for (const auto& w : vorlen::LoadContextAccents(engine))
            std::cerr << "vorlen-cli: " << w << '\n';

    namespace cli = vorlen::cli;
    const std::string& c = args.command;
    if (c.empty()) {
        std::optional<std::string> file;
        if (!args.operands.empty()) file = args.operands.front();
        return cli::RunConvert(engine, file, std::cout, std::cerr);
    }
    int status = 0;
    if (c == "inflect")
        status = cli::RunInflect(engine, words, std::cout);
    else if (c == "respell")
        status = cli::RunRespell(engine, words, std::cout);
    else if (c == "candidates")
        status = cli::RunCandidates(engine, words, std::cout);
    else if (c == "word")
        status = cli::RunWord(engine, words, std::cout);
    else if (c == "enclitics")
        status = cli::RunEnclitics(engine, words, std::cout);
    else if (c == "similar")
        status = cli::RunSimilar(engine, words, std::cout);
    else if (c == "explain")
        status = cli::RunExplain(engine, words, std::cout);
    std::cout.flush();
    return status;
}
