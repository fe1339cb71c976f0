#include "conversion/text_driver.h"

#include "conversion/utf8_text.h"
#include "conversion/word_memo.h"
#include "vocabulary/cp1252.h"

namespace vorlen {

namespace {

class TextConversion {
  public:
    TextConversion(Engine& engine, const ConversionProgress& progress, ConversionDetail* detail)
        : engine_(engine), progress_(progress), detail_(detail), letters_(engine.LetterSet) {}

    // False when the progress callback asked to stop.
    bool Run(std::string_view input) {
        for (std::size_t pos = 0; pos < input.size();) {
            const Utf8Char c = DecodeUtf8At(input, pos);
            const int letter = letters_.LetterByte(c);
            if (letter >= 0) {
                if (word_.empty()) wordStart_ = pos;
                word_.push_back(static_cast<char>(letter));
            } else {
                if (!word_.empty() && !ConvertPendingWord(pos)) return false;
                BetweenWords(input.substr(pos, c.Length), c);
            }
            pos += c.Length;
        }
        // The text ends inside a word.
        if (!word_.empty() && !ConvertPendingWord(input.size())) return false;
        return Flush();
    }

    std::string TakeOutput() { return std::move(output_); }

  private:
    void BetweenWords(std::string_view bytes, const Utf8Char& c) {
        output_.append(bytes);
        if (!c.Valid) return;
        if (c.CodePoint == '.' || c.CodePoint == '?' || c.CodePoint == '!')
            engine_.SentenceStarted = false;
        else if (c.CodePoint >= '0' && c.CodePoint <= '9')
            engine_.SentenceStarted = engine_.Options.CapsRule;
    }

    // `wordEnd`: the input offset just past the word.
    bool ConvertPendingWord(std::size_t wordEnd) {
        if (!Flush()) return false;
        if (detail_ != nullptr) detail_->InputDone = wordEnd;
        const std::size_t outputStart = output_.size();
        engine_.CurrentWord = std::move(word_);
        word_.clear();
        const std::string& word = engine_.CurrentWord;
        if (engine_.SentenceStarted && word[0] == ToUpperByte(word[0])) {
            // Protected: a name or a capitalised word inside a sentence is
            // shown exactly as written, never marked.
            engine_.WordResult = "|" + word + "|";
            engine_.SimilarWords.clear();
            output_ += Cp1252ToUtf8(word);
        } else {
            ConvertWordRemembered(engine_);
            engine_.SentenceStarted = engine_.Options.CapsRule;
            ToOutputForm(engine_);
            MarkNotFoundOrChanged(engine_);
            output_ += Cp1252ToUtf8(engine_.WordResult);
            if (detail_ != nullptr && engine_.WordResult != engine_.CurrentWord)
                detail_->ChangedWords.push_back(
                    {wordStart_, wordEnd - wordStart_, outputStart, output_.size() - outputStart});
        }
        return Flush();
    }

    // Hands what was appended since the last call to the progress callback.
    bool Flush() {
        if (!progress_ || reported_ == output_.size()) return true;
        const std::string_view piece = std::string_view(output_).substr(reported_);
        reported_ = output_.size();
        return progress_(piece);
    }

    Engine& engine_;
    const ConversionProgress& progress_;
    ConversionDetail* detail_;
    LetterTable letters_;
    std::size_t wordStart_ = 0; // input offset of the word being cut out
    std::string word_;          // the letters of the word being cut out (Windows-1252)
    std::string output_;
    std::size_t reported_ = 0;
};

} // namespace

ConversionResult ConvertText(Engine& engine, std::string_view input,
                             const ConversionProgress& progress, ConversionDetail* detail) {
    // The word pending in immediate mode, if any, outlives the conversion: the
    // driver only borrows CurrentWord to hand each word to the pipeline.
    const std::string pendingWord = std::move(engine.CurrentWord);
    engine.SentenceStarted = false;
    engine.CurrentWord.clear();
    ConversionResult result;
    TextConversion conversion(engine, progress, detail);
    const bool finished = conversion.Run(input);
    engine.CurrentWord = pendingWord;
    result.Text = conversion.TakeOutput();
    result.Finished = finished;
    result.AnnounceEnd = finished && CountCharacters(input) > kAnnouncedLength;
    return result;
}

std::string EndMessage(const Engine& engine) {
    return engine.Options.EnglishMessages ? "Finished." : "Listo.";
}

void ToOutputForm(Engine& engine) {
    std::string& result = engine.WordResult;
    if (result == "|rr" || result == "rr|rr") {
        result = "rr";
        engine.NotFoundTag.clear();
        engine.SimilarWords.clear();
    }
    if (!result.empty() && result.front() == '|') result.erase(0, 1);
    if (!result.empty() && result.back() == '|') result.pop_back();
    if (result.find('|') == std::string::npos && !engine.SimilarWords.empty())
        result.push_back('|');
    engine.SimilarWords.clear();
}

void MarkNotFoundOrChanged(Engine& engine) {
    std::string& result = engine.WordResult;
    if (engine.NotFoundTag.starts_with("NF:") && result == "<none>")
        result = "|" + engine.SourceWord;
    if (engine.Options.BarAfterChange && result.find('|') == std::string::npos &&
        result != engine.SourceWord)
        result.push_back('|');
}

} // namespace vorlen
