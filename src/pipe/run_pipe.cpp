#include "pipe/run_pipe.h"

#include "api/speller_internal.h"
#include "context/context_load.h"
#include "pipe/pipe_session.h"
#include "vocabulary/paths.h"
#include "vocabulary/vocabulary_error.h"
#include "vocabulary/vocabulary_file.h"

#include <cerrno>
#include <csignal>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <unistd.h>

namespace vorlen::pipe {

namespace {

// Clients read the version from the banner; they change their behaviour for
// the names of other checkers, so this one names only Vorlen.
std::string Banner() {
    return std::string("@(#) International Ispell Version 3.1.20 (but really Vorlen ") +
           Speller::Version() + ")\n";
}

// A long line is answered piece by piece, cut between words, so that the
// memory a line takes stays bounded however long it is.
constexpr std::size_t kMaxPiece = 1 << 20;

struct PipeArguments {
    PathOptions Paths;
    std::optional<std::filesystem::path> PersonalFile;
    bool VersionOnly = false;
    ConversionOptions Options; // --classic, --no-context
};

bool IsSpanish(std::string_view dictionary) {
    for (std::string_view name :
         {"es", "castellano", "castellano8", "español", "espanol", "spanish", "default"})
        if (dictionary == name) return true;
    return dictionary.size() >= 4 && dictionary.starts_with("es") &&
           (dictionary[2] == '_' || dictionary[2] == '-');
}

bool IsUtf8Name(std::string_view encoding) {
    for (std::string_view name : {"utf-8", "UTF-8", "utf8", "UTF8"})
        if (encoding == name) return true;
    return false;
}

// Options of other checkers take their value either joined ("-des") or as
// the next argument ("-d es").
std::optional<PipeArguments> Parse(const std::vector<std::string>& args) {
    PipeArguments parsed;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        auto next = [&]() -> std::optional<std::string> {
            if (k + 1 >= args.size()) return std::nullopt;
            return args[++k];
        };
        auto valueOf = [&](char flag) -> std::optional<std::string> {
            if (arg.size() > 2) return arg.substr(2);
            auto v = next();
            if (!v) std::cerr << "vorlen-cli: -" << flag << " needs a value\n";
            return v;
        };
        if (arg == "-a" || arg == "pipe" || arg == "-m" || arg == "-B" || arg == "-C" ||
            arg == "-S" || arg == "-t" || arg == "-n") {
            continue;
        } else if (arg == "--classic") {
            parsed.Options.Classic = true;
        } else if (arg == "--no-context") {
            parsed.Options.ContextAccents = false;
        } else if (arg == "-v" || arg == "-vv") {
            parsed.VersionOnly = true;
        } else if (arg == "--vocabulary" || arg == "--data-dir") {
            auto v = next();
            if (!v) {
                std::cerr << "vorlen-cli: " << arg << " needs a value\n";
                return std::nullopt;
            }
            (arg == "--vocabulary" ? parsed.Paths.Vocabulary : parsed.Paths.DataDirectory) = *v;
        } else if (arg.starts_with("-d")) {
            auto v = valueOf('d');
            if (!v) return std::nullopt;
            if (!IsSpanish(*v)) {
                std::cerr << "vorlen-cli: Vorlen checks Spanish only, not \"" << *v << "\"\n";
                return std::nullopt;
            }
        } else if (arg.starts_with("-i")) {
            auto v = valueOf('i');
            if (!v) return std::nullopt;
            if (!IsUtf8Name(*v)) {
                std::cerr << "vorlen-cli: the pipe speaks UTF-8 only, not \"" << *v << "\"\n";
                return std::nullopt;
            }
        } else if (arg.starts_with("-T")) {
            if (!valueOf('T')) return std::nullopt;
        } else if (arg.starts_with("-p")) {
            auto v = valueOf('p');
            if (!v) return std::nullopt;
            parsed.PersonalFile = *v;
        } else {
            std::cerr << "vorlen-cli: the pipe does not know " << arg << " (see --help)\n";
            return std::nullopt;
        }
    }
    return parsed;
}

// False when the client is gone.
bool WriteAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Where a piece of an overlong line may end: after the last ASCII character
// that is not a letter, else before the last whole UTF-8 character.
std::size_t PieceEnd(std::string_view pending) {
    for (std::size_t k = pending.size(); k > 0; --k) {
        const auto byte = static_cast<unsigned char>(pending[k - 1]);
        if (byte < 0x80 && !((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z')) return k;
    }
    std::size_t k = pending.size();
    while (k > 1 && (static_cast<unsigned char>(pending[k - 1]) & 0xC0) == 0x80)
        --k;
    return k > 1 ? k - 1 : pending.size();
}

// A personal word list that cannot be saved is reported; the session goes on
// with its words, which a later "#" may still save.
void HandleLine(PipeSession& session, std::string_view line, bool lineEnds, std::string& out) {
    try {
        session.HandleLine(line, lineEnds, out);
    } catch (const std::runtime_error& e) {
        std::cerr << "vorlen-cli: " << e.what() << std::endl;
    }
}

int Serve(PipeSession& session) {
    std::string pending, out;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            std::cerr << "vorlen-cli: cannot read the input\n";
            return 2;
        }
        if (n == 0) break;
        pending.append(buffer, static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = pending.find('\n', start);
            if (end == std::string::npos) break;
            HandleLine(session, std::string_view(pending).substr(start, end - start), true, out);
            start = end + 1;
        }
        pending.erase(0, start);
        if (pending.size() > kMaxPiece) {
            const std::size_t cut = PieceEnd(pending);
            HandleLine(session, std::string_view(pending).substr(0, cut), false, out);
            pending.erase(0, cut);
        }
        // Answers go out as soon as their lines are read: clients wait for them.
        if (!out.empty() && !WriteAll(out)) return 0;
        out.clear();
    }
    // A last line without its line end is still a line.
    if (!pending.empty()) HandleLine(session, pending, true, out);
    WriteAll(out);
    return 0;
}

} // namespace

bool WantsPipe(const std::vector<std::string>& args) {
    for (const auto& arg : args)
        if (arg == "-a" || arg == "-v" || arg == "-vv") return true;
    // "pipe" as the command: the first argument that is no option or option value.
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "--vocabulary" || args[k] == "--data-dir") {
            ++k;
        } else if (!args[k].starts_with("-")) {
            return args[k] == "pipe";
        }
    }
    return false;
}

int RunPipe(const std::vector<std::string>& args) {
    const auto parsed = Parse(args);
    if (!parsed) return 2;
    if (parsed->VersionOnly) {
        std::cout << Banner() << std::flush;
        return 0;
    }
    // A client that goes away is no error: writing to it fails and the pipe ends.
    std::signal(SIGPIPE, SIG_IGN);

    Engine engine;
    PathOptions paths = parsed->Paths;
    paths.ProgramFile = CurrentProgramFile();
    engine.Paths = ResolveVocabularyPaths(paths);
    try {
        // Words left out of the vocabulary are the maintainers' business; a
        // client would take any extra line for an answer.
        LoadVocabulary(engine);
    } catch (const VocabularyError& e) {
        std::cerr << "vorlen-cli: " << DescribeVocabularyError(e, true) << '\n';
        return 2;
    }
    // Without the table the lines are checked word by word, after a warning.
    if (!parsed->Options.Classic && parsed->Options.ContextAccents)
        for (const auto& warning : LoadContextAccents(engine))
            std::cerr << "vorlen-cli: " << warning << '\n';
    const Speller speller = SpellerOverStore(engine.Vocabulary, engine.Context);
    try {
        PersonalWords personal(parsed->PersonalFile.value_or(DefaultPersonalWordFile()));
        PipeSession session(speller, personal, parsed->Options);
        if (!WriteAll(Banner())) return 0;
        return Serve(session);
    } catch (const std::exception& e) {
        std::cerr << "vorlen-cli: " << e.what() << '\n';
        return 2;
    }
}

} // namespace vorlen::pipe
