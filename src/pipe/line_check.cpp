#include "pipe/line_check.h"

#include <map>

namespace vorlen::pipe {

namespace {

// No word of Spanish comes near; a longer run of letters is not checked, so a
// line of one endless word costs no more than a line of ordinary words.
constexpr std::size_t kMaxCheckedWordBytes = 200;
// The session's memory of answers stays bounded on endless input.
constexpr std::size_t kMaxRememberedWords = 50000;

} // namespace

LineChecker::LineChecker(const Speller& speller, const PersonalWords& personal,
                         ConversionOptions options)
    : speller_(speller), personal_(personal), options_(options) {}

const LineChecker::Known& LineChecker::CheckWord(std::string_view word) {
    const std::string key(word);
    if (auto it = memo_.find(key); it != memo_.end()) return it->second;
    if (memo_.size() >= kMaxRememberedWords) memo_.clear();
    Known known{Verdict::NotFound, {}};
    if (word.size() <= kMaxCheckedWordBytes) {
        WordCheck check;
        try {
            check = speller_.Check(word, options_);
        } catch (const Error&) {
            check.Status = WordStatus::NotFound; // not UTF-8: the line reader prevents it
        }
        if (check.Status == WordStatus::Found) {
            known.Status = Verdict::Found;
        } else {
            // The engine's spellings in its order; for a word that nothing
            // explains, the words one typing error away.
            known.Suggestions = check.Status == WordStatus::NotFound ? std::move(check.SimilarWords)
                                                                     : std::move(check.Candidates);
            if (!known.Suggestions.empty()) known.Status = Verdict::Suggestions;
        }
    }
    return memo_.emplace(key, std::move(known)).first->second;
}

std::map<std::size_t, std::string> LineChecker::ContextAccents(std::string_view utf8Text) const {
    std::map<std::size_t, std::string> accented;
    if (options_.Classic || !options_.ContextAccents) return accented;
    TextConversion converted;
    try {
        converted = speller_.Convert(utf8Text, options_);
    } catch (const Error&) {
        return accented; // not UTF-8: the line reader prevents it
    }
    for (const ConvertedWord& word : converted.Words)
        if (word.FromContext)
            accented.emplace(word.InputOffset,
                             converted.Text.substr(word.OutputOffset, word.OutputLength));
    return accented;
}

std::vector<WordAnswer> LineChecker::CheckLine(std::string_view utf8Text, std::size_t charBase) {
    std::vector<WordAnswer> answers;
    // A line is running text: a word its neighbours call an accent on (mas ->
    // más) is a miss, although the vocabulary knows it as written.
    const std::map<std::size_t, std::string> accented = ContextAccents(utf8Text);
    for (const LineWord& word : WordsOfLine(utf8Text, charBase)) {
        WordAnswer answer;
        answer.Word = word.Text;
        answer.CharOffset = word.CharOffset;
        const auto restored =
            accented.find(static_cast<std::size_t>(word.Text.data() - utf8Text.data()));
        if (personal_.Accepts(word.Text)) {
            answer.Status = Verdict::Found;
        } else if (restored != accented.end()) {
            answer.Status = Verdict::Suggestions;
            answer.Suggestions = {restored->second, std::string(word.Text)};
        } else {
            const Known& known = CheckWord(word.Text);
            answer.Status = known.Status;
            answer.Suggestions = known.Suggestions;
        }
        answers.push_back(std::move(answer));
    }
    return answers;
}

} // namespace vorlen::pipe
