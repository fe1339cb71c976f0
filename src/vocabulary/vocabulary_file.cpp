#include "vocabulary/vocabulary_file.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/explanations.h"
#include "vocabulary/word_ranks.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace vorlen {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLettersAndPairsLines = 28;
constexpr std::size_t kLinesNeeded = 29;
constexpr std::size_t kPlainBuilderLines = 30;

std::string ReadWholeFile(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) throw VocabularyError(VocabularyErrorCode::MissingFile, file);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw VocabularyError(VocabularyErrorCode::Unreadable, file, 0, std::strerror(errno));
    // In large blocks: the shipped vocabulary is 7 MB.
    std::string bytes;
    std::array<char, 1 << 16> block;
    while (in.read(block.data(), block.size()) || in.gcount() > 0)
        bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad()) throw VocabularyError(VocabularyErrorCode::Unreadable, file);
    return bytes;
}

// Decodes one UTF-8 line, leaving out (and reporting) every bar-delimited
// piece that holds a character outside Windows-1252.
std::string DecodeUtf8Line(std::string_view line, std::size_t lineNumber,
                           std::vector<std::string>& warnings) {
    std::string out;
    out.reserve(line.size());
    std::size_t start = 0;
    while (start <= line.size()) {
        auto bar = line.find('|', start);
        const bool last = bar == std::string_view::npos;
        if (last) bar = line.size();
        const std::string_view piece = line.substr(start, bar - start);
        std::string bad;
        if (auto converted = Utf8ToCp1252(piece, &bad)) {
            out += *converted;
            if (!last) out.push_back('|');
        } else {
            warnings.push_back("line " + std::to_string(lineNumber) + ": \"" + std::string(piece) +
                               "\" holds a character that Windows-1252 cannot hold; left out");
        }
        if (last) break;
        start = bar + 1;
    }
    return out;
}

// Moves the letter lines and the pair line out of `text` into the store.
void TakeLetterLines(VocabularyStore& store, VocabularyText& text) {
    for (std::size_t k = 0; k < kVocabularyLineCount; ++k)
        store.VocabLines[k] = std::move(text.lines[k]);
    store.PairLine = std::move(text.lines[kLettersAndPairsLines - 1]);
}

// A file that is plainly something else (a picture, a random file, a text
// without bars) is refused before it replaces the vocabulary in use: no line
// of a vocabulary holds a NUL byte, and a letter line that holds anything
// holds bars. A missing final bar is tolerated, as it always was.
void RefuseWhatIsNoVocabulary(const fs::path& file, const VocabularyText& text,
                              std::size_t linesChecked) {
    const std::size_t count = std::min(linesChecked, text.lines.size());
    for (std::size_t k = 0; k < count; ++k) {
        const std::string& line = text.lines[k];
        const bool letterLine = k < kVocabularyLineCount;
        if (line.find('\0') != std::string::npos ||
            (letterLine && !line.empty() && line.find('|') == std::string::npos))
            throw VocabularyError(VocabularyErrorCode::NotAVocabulary, file,
                                  static_cast<int>(k + 1));
    }
}

VocabularyText Checked(VocabularyText text, const fs::path& file, std::size_t linesNeeded) {
    if (text.lines.size() < linesNeeded)
        throw VocabularyError(VocabularyErrorCode::TooFewLines, file,
                              static_cast<int>(text.lines.size()));
    RefuseWhatIsNoVocabulary(file, text, linesNeeded);
    return text;
}

VocabularyText ReadChecked(const fs::path& file, std::size_t linesNeeded) {
    return Checked(ReadVocabularyText(file), file, linesNeeded);
}

void EnsurePlainFile(const VocabularyPaths& paths) {
    std::error_code ec;
    if (!fs::exists(paths.PlainFile(), ec)) BuildPlainVocabulary(paths);
}

} // namespace

std::string ReadFileBytes(const fs::path& file) {
    return ReadWholeFile(file);
}

VocabularyText ReadCheckedVocabulary(const fs::path& file) {
    return ReadChecked(file, kLinesNeeded);
}

VocabularyText ParseCheckedVocabulary(std::string_view bytes, const fs::path& name) {
    return Checked(ParseVocabularyText(bytes), name, kLinesNeeded);
}

VocabularyText ReadVocabularyText(const fs::path& file) {
    return ParseVocabularyText(ReadWholeFile(file));
}

VocabularyText ParseVocabularyText(std::string_view bytes) {
    const bool utf8 = LooksLikeUtf8(bytes);
    VocabularyText text;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (utf8)
            text.lines.push_back(DecodeUtf8Line(line, text.lines.size() + 1, text.warnings));
        else
            text.lines.emplace_back(line);
        start = end + 1;
    }
    return text;
}

void WriteVocabularyLines(const fs::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        throw VocabularyError(VocabularyErrorCode::CannotWrite, file, 0, std::strerror(errno));
    for (const auto& line : lines)
        out << line << "\r\n";
    out.flush();
    if (!out)
        throw VocabularyError(VocabularyErrorCode::CannotWrite, file, 0, std::strerror(errno));
}

void BuildVocabularyIndex(VocabularyStore& store) {
    store.Entries.Build(store.VocabLines);
    store.Shapes.Build(store.VocabLines);
    // Every stretch between two neighbouring bars is a word of the line.
    store.ExtraWords.clear();
    const std::string_view extra = store.ExtraWordLine;
    for (auto bar = extra.find('|'); bar != std::string_view::npos;) {
        const auto next = extra.find('|', bar + 1);
        if (next == std::string_view::npos) break;
        store.ExtraWords.insert(extra.substr(bar + 1, next - bar - 1));
        bar = next;
    }
}

void ParseReplacementPairs(VocabularyStore& store) {
    const std::string& line = store.PairLine;
    const std::size_t length = line.size();
    store.ReplacementKeys.clear();
    store.ReplacementValues.clear();
    // 1-based positions. The scan starts three places after the start of a key
    // or value, so a separator within its first three characters is not seen.
    std::size_t count = 0;
    std::size_t start = 1;
    std::size_t p = start + 2;
    auto at = [&](std::size_t pos) { return line[pos - 1]; };
    auto text = [&](std::size_t from, std::size_t to) {
        return ToLower(std::string_view(line).substr(from - 1, to + 1 - from));
    };
    while (count < kMaxReplacementPairs) {
        do {
            ++p;
            if (p > length) goto done;
        } while (at(p) != '>');
        std::string key = text(start, p - 1);
        start = p + 1;
        p = start + 2;
        do {
            ++p;
            if (p > length) goto done;
        } while (at(p) != ';');
        store.ReplacementKeys.push_back(std::move(key));
        store.ReplacementValues.push_back(text(start, p - 1));
        start = p + 1;
        p = start + 2;
        ++count;
    }
done:
    store.ReplacementCount = static_cast<int>(count);
    store.ReplacementLast = static_cast<int>(count) - 1;
}

std::shared_ptr<VocabularyStore> BuildVocabularyStore(const VocabularyText& text) {
    VocabularyText lines;
    lines.lines = text.lines;
    return BuildVocabularyStore(std::move(lines));
}

std::shared_ptr<VocabularyStore> BuildVocabularyStore(VocabularyText&& text) {
    if (text.lines.size() < kLinesNeeded)
        throw VocabularyError(VocabularyErrorCode::TooFewLines, {},
                              static_cast<int>(text.lines.size()));
    auto store = std::make_shared<VocabularyStore>();
    store->EncliticHostLetters = std::string("aernoiáéídsz"_w);
    TakeLetterLines(*store, text);
    store->ExtraWordLine = std::move(text.lines[kLinesNeeded - 1]);
    ParseReplacementPairs(*store);
    BuildVocabularyIndex(*store);
    return store;
}

void DropDiacritics(std::string& line) {
    static constexpr std::string_view from = "áéíóúüñÁÉÍÓÚÜÑ"_w;
    static constexpr std::string_view to = "aeiouunAEIOUUN";
    for (char& c : line) {
        const auto pos = from.find(c);
        if (pos != std::string_view::npos) c = to[pos];
    }
}

// What a store made from other letter lines keeps of the one it replaces: the
// parsed pairs, the extra words and the data read beside the vocabulary.
static void KeepAllButLetterLines(VocabularyStore& store, const VocabularyStore& old) {
    store.ReplacementKeys = old.ReplacementKeys;
    store.ReplacementValues = old.ReplacementValues;
    store.ReplacementCount = old.ReplacementCount;
    store.ReplacementLast = old.ReplacementLast;
    store.ExtraWordLine = old.ExtraWordLine;
    store.EncliticHostLetters = old.EncliticHostLetters;
    store.Ranks = old.Ranks;
    store.Explanations = old.Explanations;
}

std::shared_ptr<VocabularyStore> BuildPlainStore(const VocabularyStore& store) {
    auto plain = std::make_shared<VocabularyStore>();
    for (std::size_t k = 0; k < kVocabularyLineCount; ++k) {
        plain->VocabLines[k] = store.VocabLines[k];
        DropDiacritics(plain->VocabLines[k]);
    }
    plain->PairLine = store.PairLine;
    KeepAllButLetterLines(*plain, store);
    BuildVocabularyIndex(*plain);
    return plain;
}

void BuildPlainVocabulary(const VocabularyPaths& paths) {
    const VocabularyText text = ReadChecked(paths.MainFile(), kPlainBuilderLines);
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < kVocabularyLineCount; ++k) {
        std::string line = text.lines[k];
        DropDiacritics(line);
        lines.push_back(std::move(line));
    }
    for (std::size_t k = kVocabularyLineCount; k < kPlainBuilderLines; ++k)
        lines.push_back(text.lines[k]);
    WriteVocabularyLines(paths.PlainFile(), lines);
}

std::vector<std::string> LoadVocabulary(Engine& engine) {
    const VocabularyPaths& paths = engine.Paths;
    std::error_code ec;
    if (!fs::is_directory(paths.DataDirectory, ec)) {
        fs::create_directories(paths.DataDirectory, ec);
        if (ec)
            throw VocabularyError(VocabularyErrorCode::CannotCreateDirectory, paths.DataDirectory,
                                  0, ec.message());
    }
    if (!fs::exists(paths.StartupSource, ec))
        throw VocabularyError(VocabularyErrorCode::MissingFile, paths.StartupSource);
    // Read and checked before it is copied, so a broken source never replaces
    // the working copy.
    VocabularyText text = ReadChecked(paths.StartupSource, kLinesNeeded);
    auto ranks = ReadWordRanksBeside(paths.StartupSource);
    auto explanations = ReadExplanationsBeside(paths.StartupSource);
    if (!fs::equivalent(paths.StartupSource, paths.MainFile(), ec)) {
        // Copy through a temporary file so a failed copy never leaves a
        // truncated vocabulary behind; named after the process, so that two
        // programs starting at once do not take each other's copy away.
        const fs::path temporary = paths.MainFile().string() + ".tmp." + std::to_string(::getpid());
        fs::copy_file(paths.StartupSource, temporary, fs::copy_options::overwrite_existing, ec);
        if (!ec) fs::rename(temporary, paths.MainFile(), ec);
        if (ec) {
            fs::remove(temporary);
            throw VocabularyError(VocabularyErrorCode::CannotWrite, paths.MainFile(), 0,
                                  ec.message());
        }
    }
    if (engine.IgnoreDiacritics) {
        EnsurePlainFile(paths);
        std::vector<std::string> warnings = std::move(text.warnings);
        text = ReadChecked(paths.PlainFile(), kLinesNeeded);
        text.warnings = std::move(warnings);
    }
    std::vector<std::string> warnings = std::move(text.warnings);
    auto store = BuildVocabularyStore(std::move(text)); // its lines move into the store
    store->Ranks = std::move(ranks);
    store->Explanations = std::move(explanations);
    engine.Vocabulary = std::move(store);
    return warnings;
}

std::vector<std::string> ReloadVocabulary(Engine& engine, bool ignoreDiacritics) {
    const VocabularyPaths& paths = engine.Paths;
    fs::path file = paths.MainFile();
    if (ignoreDiacritics) {
        EnsurePlainFile(paths);
        file = paths.PlainFile();
    }
    VocabularyText text = ReadChecked(file, kLettersAndPairsLines);
    const VocabularyStore& old = *engine.Vocabulary;
    auto store = std::make_shared<VocabularyStore>();
    TakeLetterLines(*store, text);
    KeepAllButLetterLines(*store, old);
    BuildVocabularyIndex(*store);
    engine.Vocabulary = std::move(store);
    engine.IgnoreDiacritics = ignoreDiacritics;
    engine.Options.IgnoreDiacritics = ignoreDiacritics;
    return std::move(text.warnings);
}

} // namespace vorlen
