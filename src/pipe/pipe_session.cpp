#include "pipe/pipe_session.h"

#include "pipe/line_words.h"

namespace vorlen::pipe {

namespace {

std::string_view Argument(std::string_view line) {
    line.remove_prefix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

} // namespace

PipeSession::PipeSession(const Speller& speller, PersonalWords& personal, ConversionOptions options)
    : personal_(personal), checker_(speller, personal, options) {}

void PipeSession::HandleLine(std::string_view raw, bool lineEnds, std::string& out) {
    if (!raw.empty() && raw.back() == '\r' && lineEnds) raw.remove_suffix(1);
    const std::string line = LineAsUtf8(raw);
    if (continuing_) {
        // The rest of a long line: text goes on being checked, a command's
        // overlong argument is dropped with it.
        if (continuingText_) AnswerText(line, continuedChars_, out);
        continuedChars_ += CharacterCount(line);
    } else {
        const char first = line.empty() ? '\0' : line.front();
        continuingText_ = false;
        switch (first) {
        case '^':
            continuingText_ = true;
            AnswerText(std::string_view(line).substr(1), 1, out);
            break;
        case '*':
        case '&':
        case '@':
        case '#':
        case '!':
        case '%':
        case '+':
        case '-':
        case '~':
        case '`':
            if (lineEnds) RunCommand(line);
            break;
        case '$':
            if (!line.starts_with("$$")) {
                continuingText_ = true;
                AnswerText(line, 0, out);
            }
            break;
        default:
            continuingText_ = true;
            AnswerText(line, 0, out);
            break;
        }
        continuedChars_ = CharacterCount(line);
    }
    continuing_ = !lineEnds;
    if (lineEnds && continuingText_) out += '\n';
}

void PipeSession::AnswerText(std::string_view utf8Text, std::size_t charBase, std::string& out) {
    for (const WordAnswer& answer : checker_.CheckLine(utf8Text, charBase)) {
        switch (answer.Status) {
        case Verdict::Found:
            if (!terse_) out += "*\n";
            break;
        case Verdict::Suggestions:
            out += "& ";
            out += answer.Word;
            out += ' ' + std::to_string(answer.Suggestions.size()) + ' ' +
                   std::to_string(answer.CharOffset) + ':';
            for (std::size_t k = 0; k < answer.Suggestions.size(); ++k)
                out += (k == 0 ? " " : ", ") + answer.Suggestions[k];
            out += '\n';
            break;
        case Verdict::NotFound:
            out += "# ";
            out += answer.Word;
            out += ' ' + std::to_string(answer.CharOffset) + '\n';
            break;
        }
    }
}

void PipeSession::RunCommand(std::string_view line) {
    switch (line.front()) {
    case '*':
        personal_.AddToList(Argument(line));
        break;
    case '&':
        personal_.AddToList(LowerCaseWord(Argument(line)));
        break;
    case '@':
        personal_.AcceptForSession(Argument(line));
        break;
    case '#':
        personal_.Save();
        break;
    case '!':
        terse_ = true;
        break;
    case '%':
        terse_ = false;
        break;
    default: // TeX and nroff modes, word-root listings: not ours to change
        break;
    }
}

} // namespace vorlen::pipe
