// Any bytes as what an ispell client sends the pipe, on the shipped
// vocabulary: lines of text and commands, cut into pieces where the first
// byte says (as the pipe cuts endless lines). The session must neither crash
// nor hang, and its answers must keep the protocol: one empty line closing
// each line of text, every other answer line a "*", "&" or "#" line whose word
// lies inside the line it answers.
#include "api/speller_internal.h"
#include "pipe/pipe_session.h"
#include "vocabulary/vocabulary_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

const vorlen::Speller& ShippedSpeller() {
    static const vorlen::Speller speller(VORLEN_FUZZ_VOCABULARY);
    return speller;
}

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// The answer lines for one line of text: word lines, then the empty line.
void CheckAnswer(std::string_view answer, std::size_t lineCharacters) {
    Require(answer.ends_with("\n\n") || answer == "\n");
    std::size_t start = 0;
    while (start + 1 < answer.size()) {
        const std::size_t end = answer.find('\n', start);
        const std::string_view line = answer.substr(start, end - start);
        Require(line == "*" || line.starts_with("& ") || line.starts_with("# "));
        if (line != "*") {
            // The offset is the last number before ":" (&) or at the end (#).
            const std::size_t colon = line.find(':');
            std::string_view head = line.substr(0, colon);
            const std::size_t space = head.rfind(' ');
            const std::size_t offset = std::stoul(std::string(head.substr(space + 1)));
            Require(offset < lineCharacters);
        }
        start = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 64; // bytes a piece of a line holds at most
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

    vorlen::pipe::PersonalWords personal; // no file: "#" saves nothing
    vorlen::pipe::PipeSession session(ShippedSpeller(), personal);
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(start, end - start);
        std::string out;
        for (std::size_t at = 0; at < line.size() || at == 0; at += piece) {
            const bool last = at + piece >= line.size();
            session.HandleLine(line.substr(at, piece), last, out);
            if (last) break;
        }
        const std::string utf8 = vorlen::pipe::LineAsUtf8(line);
        if (!out.empty() && out.back() == '\n' && (out.size() == 1 || out.ends_with("\n\n")))
            CheckAnswer(out, vorlen::pipe::CharacterCount(utf8) + 1);
        else
            Require(out.empty()); // a command answers nothing
        start = end + 1;
    }
    return 0;
}
