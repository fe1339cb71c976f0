// The engine for JavaScript (WebAssembly, through embind): a Speller opened on
// the data files handed over by the caller (the vocabulary and what native
// programs read beside it), converting texts with the page's offsets (UTF-16
// code units, as JavaScript indexes strings).
#include "api/speller_internal.h"
#include "vocabulary/cp1252.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <vorlen/speller.h>

namespace {

using emscripten::val;

// Counts UTF-16 code units along a UTF-8 text, for byte offsets given in
// increasing order (the words of a conversion come in text order).
class Utf16Counter {
  public:
    explicit Utf16Counter(const std::string& text) : text_(text) {}

    std::size_t UnitsBefore(std::size_t byteOffset) {
        if (byteOffset < byte_) byte_ = units_ = 0; // out of order: start again
        while (byte_ < byteOffset && byte_ < text_.size()) {
            const auto lead = static_cast<unsigned char>(text_[byte_]);
            // A four-byte sequence is a character beyond the Basic
            // Multilingual Plane: two units. Continuation bytes count nothing.
            if ((lead & 0xC0) != 0x80) units_ += lead >= 0xF0 ? 2 : 1;
            ++byte_;
        }
        return units_;
    }

  private:
    const std::string& text_;
    std::size_t byte_ = 0;
    std::size_t units_ = 0;
};

const char* StatusName(vorlen::WordStatus status) {
    switch (status) {
    case vorlen::WordStatus::Found:
        return "found";
    case vorlen::WordStatus::Corrected:
        return "corrected";
    case vorlen::WordStatus::Alternatives:
        return "alternatives";
    case vorlen::WordStatus::NotFound:
        return "notFound";
    }
    return "notFound";
}

bool BoolOption(const val& options, const char* name, bool fallback) {
    if (options.isUndefined() || options.isNull()) return fallback;
    const val value = options[name];
    if (value.isUndefined() || value.isNull()) return fallback;
    if (!value.isTrue() && !value.isFalse())
        throw std::invalid_argument(std::string("option ") + name + " must be true or false");
    return value.isTrue();
}

vorlen::ConversionOptions ReadOptions(const val& options) {
    vorlen::ConversionOptions o;
    o.IgnoreDiacritics = BoolOption(options, "ignoreDiacritics", o.IgnoreDiacritics);
    o.KeepCapitalisedWords = BoolOption(options, "keepCapitalisedWords", o.KeepCapitalisedWords);
    o.BarAfterChange = BoolOption(options, "barAfterChange", o.BarAfterChange);
    o.SimilarWordsWhenNotFound =
        BoolOption(options, "similarWordsWhenNotFound", o.SimilarWordsWhenNotFound);
    o.ChangeFoundWords = BoolOption(options, "changeFoundWords", o.ChangeFoundWords);
    o.Classic = BoolOption(options, "classic", o.Classic);
    o.ContextAccents = BoolOption(options, "contextAccents", o.ContextAccents);
    o.EnglishMessages = BoolOption(options, "englishMessages", o.EnglishMessages);
    return o;
}

val StringArray(const std::vector<std::string>& strings) {
    val array = val::array();
    for (const std::string& s : strings)
        array.call<void>("push", s);
    return array;
}

// Runs `f`, turning a C++ exception into a JavaScript Error with its message
// (WebAssembly exceptions reach JavaScript without one).
template <typename F>
auto Guarded(F&& f) -> decltype(f()) {
    std::string message;
    try {
        return f();
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "unknown error";
    }
    val::global("Error").new_(message).throw_();
}

// The data handed over and not yet opened, by file name: kept in memory until
// a Speller is opened on it (kept or not, the next one starts afresh), so
// that nothing goes through the in-memory file system.
constexpr const char* kVocabularyName = "spanall.txt";
std::map<std::string, std::string, std::less<>>& PendingData() {
    static std::map<std::string, std::string, std::less<>> files;
    return files;
}

// The files a Speller reads: the vocabulary and, beside it, the word ranks,
// the explanations and the context table. Any other name is refused.
bool IsDataFileName(std::string_view name) {
    return name == kVocabularyName || name == "word-ranks.txt" || name == "explanations.txt" ||
           name == "context-accents.txt";
}

// The vocabulary travels with shared prefixes taken out, which shrinks it to a
// quarter once compressed: every word (a run of bytes up to '|' or an end of
// line) starts with one byte saying how many leading bytes it shares with the
// word before it, and then the rest of it.
std::string ExpandSharedPrefixes(std::string_view coded) {
    std::string text;
    text.reserve(coded.size() * 5 / 2);
    std::size_t previous = 0, previousLength = 0; // the word before, in `text`
    for (std::size_t at = 0; at < coded.size();) {
        const std::size_t shared = static_cast<unsigned char>(coded[at++]);
        if (shared > previousLength) throw std::runtime_error("the coded vocabulary is damaged");
        const std::size_t start = text.size();
        text.append(text, previous, shared);
        std::size_t end = coded.find_first_of("|\r\n", at);
        if (end == std::string_view::npos) end = coded.size();
        text.append(coded.substr(at, end - at));
        at = end;
        previous = start;
        previousLength = text.size() - start;
        if (at < coded.size()) text.push_back(coded[at++]); // the separator
    }
    return text;
}

// Runs `f`; when it throws, the files handed over so far go, so that a failed
// load leaves nothing behind for the next one.
template <typename F>
void DroppingDataOnError(F&& f) {
    try {
        f();
    } catch (...) {
        PendingData().clear();
        throw;
    }
}

void WriteFile(const std::string& name, std::string bytes) {
    if (!IsDataFileName(name)) throw std::invalid_argument("not a data file of Vorlen: " + name);
    PendingData()[name] = std::move(bytes);
}

// One data file, as its bytes; `prefixesShared`: coded as above.
void WriteDataFile(const std::string& name, const std::string& bytes, bool prefixesShared) {
    Guarded([&] {
        DroppingDataOnError(
            [&] { WriteFile(name, prefixesShared ? ExpandSharedPrefixes(bytes) : bytes); });
    });
}

// The site's and the package's data in one file: a line "vorlen-data 1",
// then for each file a line "NAME CODING LENGTH" (CODING "plain" or
// "prefixes") and its LENGTH bytes.
void ReadDataBundle(std::string_view all) {
    constexpr std::string_view kMagic = "vorlen-data 1\n";
    if (!all.starts_with(kMagic)) throw std::runtime_error("not a data bundle of Vorlen");
    for (std::size_t at = kMagic.size(); at < all.size();) {
        const std::size_t end = all.find('\n', at);
        if (end == std::string_view::npos) throw std::runtime_error("the data bundle is cut short");
        const std::string_view header = all.substr(at, end - at);
        const std::size_t space1 = header.find(' ');
        const std::size_t space2 = header.find(' ', space1 + 1);
        std::size_t length = 0;
        if (space1 == std::string_view::npos || space2 == std::string_view::npos ||
            std::from_chars(header.data() + space2 + 1, header.data() + header.size(), length).ec !=
                std::errc{} ||
            length > all.size() - end - 1)
            throw std::runtime_error("the data bundle is damaged");
        const std::string name(header.substr(0, space1));
        const std::string_view coding = header.substr(space1 + 1, space2 - space1 - 1);
        const std::string_view bytes = all.substr(end + 1, length);
        if (coding == "prefixes")
            WriteFile(name, ExpandSharedPrefixes(bytes));
        else if (coding == "plain")
            WriteFile(name, std::string(bytes));
        else
            throw std::runtime_error("the data bundle is damaged");
        at = end + 1 + length;
    }
}

// The bundle is handed over in the module's memory, copied there by
// JavaScript in one go (core._malloc, core.HEAPU8.set) rather than byte by
// byte as a string argument would be; it is freed here.
void WriteDataBundle(std::uintptr_t address, std::size_t length) {
    const std::unique_ptr<char, decltype(&std::free)> bundle(reinterpret_cast<char*>(address),
                                                             &std::free);
    Guarded([&] {
        DroppingDataOnError([&] { ReadDataBundle(std::string_view(bundle.get(), length)); });
    });
}

class WasmSpeller {
  public:
    // Opens the files handed over with writeDataFile or writeDataBundle, which
    // go once they are read (kept or not, the next Speller starts afresh).
    WasmSpeller() {
        Guarded([&] { Open(); });
    }

    val ConvertText(const std::string& text, const val& options, const val& progress) const {
        return Guarded([&] { return Convert(text, options, progress); });
    }

    val ConvertWord(const std::string& word, const val& options) const {
        return Guarded([&] { return Check(word, options); });
    }

    val ConvertFileBytes(const std::string& bytes, const val& options) const {
        return Guarded([&] { return ConvertBytes(bytes, options); });
    }

    val Warnings() const { return StringArray(speller_->Warnings()); }

  private:
    void Open() {
        std::map<std::string, std::string, std::less<>> files;
        files.swap(PendingData());
        const auto vocabulary = files.find(kVocabularyName);
        if (vocabulary == files.end()) throw std::runtime_error("no vocabulary was given");
        const auto taken = [&files](std::string_view name) -> std::optional<std::string> {
            const auto file = files.find(name);
            if (file == files.end()) return std::nullopt;
            return std::move(file->second);
        };
        vorlen::SpellerData data;
        data.Vocabulary = std::move(vocabulary->second);
        data.WordRanks = taken("word-ranks.txt");
        data.Explanations = taken("explanations.txt");
        if (const auto table = files.find("context-accents.txt"); table != files.end())
            data.ContextTable = table->second;
        speller_ = std::make_unique<vorlen::Speller>(vorlen::SpellerFromData(std::move(data)));
    }

    // {text, words: [{offset, length, outputOffset, outputLength, status,
    // candidates, explanations (with two candidates or more), fromContext}],
    // finished}; `progress(done, total)` (bytes of
    // UTF-8) is called now and then and may return false to stop.
    val Convert(const std::string& text, const val& options, const val& progress) const {
        // The engine reports after every word; JavaScript hears of it every
        // 64 KiB, as a call out of WebAssembly costs more than a short word.
        vorlen::ProgressCallback callback;
        std::size_t nextReport = 0;
        if (progress.typeOf().as<std::string>() == "function")
            callback = [&progress, &nextReport](std::size_t done, std::size_t total) {
                if (done < nextReport) return true;
                nextReport = done + 64 * 1024;
                const val answer = progress(static_cast<double>(done), static_cast<double>(total));
                return !answer.isFalse();
            };
        const vorlen::ConversionOptions read = ReadOptions(options);
        const bool english = read.EnglishMessages;
        const vorlen::TextConversion conversion = speller_->Convert(text, read, callback);

        Utf16Counter input(text);
        Utf16Counter output(conversion.Text);
        val words = val::array();
        for (const vorlen::ConvertedWord& w : conversion.Words) {
            val word = val::object();
            const std::size_t start = input.UnitsBefore(w.InputOffset);
            word.set("offset", start);
            word.set("length", input.UnitsBefore(w.InputOffset + w.InputLength) - start);
            const std::size_t outStart = output.UnitsBefore(w.OutputOffset);
            word.set("outputOffset", outStart);
            word.set("outputLength",
                     output.UnitsBefore(w.OutputOffset + w.OutputLength) - outStart);
            word.set("status", std::string(StatusName(w.Status)));
            word.set("candidates", StringArray(w.Candidates));
            // What each alternative is, to choose between them (shown by
            // the page beside a choice); "" where nothing is known.
            if (w.Candidates.size() > 1) {
                val explanations = val::array();
                for (const std::string& candidate : w.Candidates)
                    explanations.call<void>("push", speller_->Explain(candidate, english));
                word.set("explanations", explanations);
            }
            word.set("fromContext", w.FromContext);
            words.call<void>("push", word);
        }
        val result = val::object();
        result.set("text", conversion.Text);
        result.set("words", words);
        result.set("finished", conversion.Finished);
        return result;
    }

    val Check(const std::string& word, const val& options) const {
        const vorlen::WordCheck check = speller_->Check(word, ReadOptions(options));
        val result = val::object();
        result.set("word", check.Word);
        result.set("status", std::string(StatusName(check.Status)));
        result.set("output", check.Output);
        result.set("candidates", StringArray(check.Candidates));
        result.set("similarWords", StringArray(check.SimilarWords));
        result.set("entry", check.Entry);
        return result;
    }

    // The command-line conversion of a file's bytes: UTF-8 stays UTF-8, and
    // anything else is read and written back as Windows-1252, so no byte is
    // lost. Returns the bytes (a Uint8Array); throws when the result cannot
    // be written in the file's encoding.
    val ConvertBytes(const std::string& bytes, const val& options) const {
        const bool utf8 = vorlen::IsValidUtf8(bytes);
        const std::string text = utf8 ? bytes : vorlen::Cp1252ToUtf8(bytes);
        std::string converted = speller_->Convert(text, ReadOptions(options)).Text;
        if (!utf8) {
            auto back = vorlen::Utf8ToCp1252(converted);
            if (!back)
                throw std::runtime_error("the converted text cannot be written as Windows-1252");
            converted = std::move(*back);
        }
        return val(emscripten::typed_memory_view(
                       converted.size(), reinterpret_cast<const unsigned char*>(converted.data())))
            .call<val>("slice");
    }

    std::unique_ptr<vorlen::Speller> speller_;
};

std::string Version() {
    return vorlen::Speller::Version();
}

} // namespace

EMSCRIPTEN_BINDINGS(vorlen) {
    emscripten::class_<WasmSpeller>("Speller")
        .constructor<>()
        .function("convertText", &WasmSpeller::ConvertText)
        .function("convertWord", &WasmSpeller::ConvertWord)
        .function("convertFileBytes", &WasmSpeller::ConvertFileBytes)
        .function("warnings", &WasmSpeller::Warnings);
    emscripten::function("version", &Version);
    emscripten::function("writeDataFile", &WriteDataFile);
    emscripten::function("writeDataBundle", &WriteDataBundle);
}
