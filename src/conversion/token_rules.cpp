#include "conversion/token_rules.h"

#include "vocabulary/cp1252.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <string>
#include <unordered_set>

namespace vorlen {

namespace {

// The lists of data/, compiled in: one word a line, UTF-8, small letters.
constexpr std::string_view kKnownNamesText =
#include "known_names.inc"
    ;
constexpr std::string_view kLoanwordsText =
#include "loanwords.inc"
    ;

// The ending of a country or a kind of site after the last dot of a host
// name written without www. (ejemplo.com): the common ones of Spanish text.
constexpr std::array<std::string_view, 30> kTopLevelDomains = {
    "com", "org", "net", "edu", "gov", "info", "io", "es", "mx",  "ar",
    "co",  "cl",  "pe",  "ve",  "uy",  "ec",   "bo", "py", "cr",  "cu",
    "do",  "gt",  "hn",  "ni",  "pa",  "sv",   "pr", "eu", "cat", "gal",
};

// How a web address with its scheme begins.
constexpr std::array<std::string_view, 5> kSchemes = {"http://", "https://", "ftp://", "file://",
                                                      "mailto:"};

constexpr bool IsAsciiAlnum(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}
constexpr bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

// Punctuation that web addresses, e-mail addresses and paths hold inside.
constexpr bool IsAddressPunctuation(char32_t c) {
    return std::u32string_view(U"._-~/\\:@#%?=&+").find(c) != std::u32string_view::npos;
}

// Sentence punctuation that may follow a token and is not part of it.
constexpr bool IsClosingPunctuation(char c) {
    return c == '.' || c == ':' || c == '?';
}

class Reader {
  public:
    Reader(std::string_view text, const LetterTable& letters) : text_(text), letters_(letters) {}

    Utf8Char At(std::size_t pos) const { return DecodeUtf8At(text_, pos); }
    // The character that ends just before `pos` (pos > 0).
    Utf8Char Before(std::size_t pos) const {
        std::size_t start = pos - 1;
        while (start > 0 && pos - start < 4 &&
               (static_cast<unsigned char>(text_[start]) & 0xC0) == 0x80)
            --start;
        const Utf8Char c = At(start);
        return start + c.Length == pos ? c : Utf8Char{};
    }
    bool IsLetter(const Utf8Char& c) const { return letters_.LetterByte(c) >= 0; }
    bool IsLetterOrDigit(const Utf8Char& c) const {
        return IsLetter(c) || (c.Valid && IsDigit(c.CodePoint));
    }
    bool IsTokenChar(const Utf8Char& c) const {
        return IsLetterOrDigit(c) || (c.Valid && IsAddressPunctuation(c.CodePoint));
    }
    // The end of the run of characters from `pos` that `belongs` accepts.
    template <typename Belongs>
    std::size_t RunEnd(std::size_t pos, Belongs belongs) const {
        while (pos < text_.size()) {
            const Utf8Char c = At(pos);
            if (!belongs(c)) break;
            pos += c.Length;
        }
        return pos;
    }

  private:
    std::string_view text_;
    const LetterTable& letters_;
};

std::string AsciiLower(std::string_view s) {
    std::string lower(s);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// ejemplo.com, www.ejemplo.com/ruta, https://…
bool IsWebAddress(std::string_view token) {
    const std::string lower = AsciiLower(token);
    for (const std::string_view scheme : kSchemes)
        if (lower.starts_with(scheme) && lower.size() > scheme.size()) return true;
    if (lower.starts_with("www.") && lower.size() > 4) return true;
    // A host name alone: small ASCII letters, digits and hyphens in labels
    // between dots, ending in a known domain, then perhaps a path.
    const std::string_view host = std::string_view(token).substr(0, token.find('/'));
    if (host.find('.') == std::string_view::npos) return false;
    for (const char c : host)
        if (!((c >= 'a' && c <= 'z') || IsDigit(static_cast<unsigned char>(c)) || c == '-' ||
              c == '.'))
            return false;
    if (host.front() == '.' || host.find("..") != std::string_view::npos) return false;
    const std::string_view ending = host.substr(host.rfind('.') + 1);
    return std::find(kTopLevelDomains.begin(), kTopLevelDomains.end(), ending) !=
           kTopLevelDomains.end();
}

// nombre.apellido@correo.es: a name, one @, and a host with a dot in it.
bool IsEmailAddress(std::string_view token) {
    const auto at = token.find('@');
    if (at == 0 || at == std::string_view::npos) return false;
    const std::string_view host = token.substr(at + 1);
    const auto dot = host.find('.');
    return host.find_first_of("@/\\:") == std::string_view::npos && dot != 0 &&
           dot != std::string_view::npos && host.back() != '.' &&
           token.substr(0, at).find_first_of("/\\:") == std::string_view::npos;
}

// @nombre, #etiqueta: the sign, then letters, digits and underscores.
bool IsSignedName(std::string_view token, char sign, const Reader& reader, std::size_t start) {
    if (token.size() < 2 || token.front() != sign) return false;
    const auto belongs = [&](const Utf8Char& c) {
        return reader.IsLetterOrDigit(c) || (c.Valid && c.CodePoint == '_');
    };
    return reader.RunEnd(start + 1, belongs) == start + token.size();
}

// /usr/share, ~/Documentos, ./configurar, C:\Archivos, informes/2024/enero.
bool IsFilePath(std::string_view token) {
    const bool rooted = token.starts_with('/') || token.starts_with("~/") ||
                        token.starts_with("./") || token.starts_with("../") ||
                        (token.size() > 2 && IsAsciiAlnum(static_cast<unsigned char>(token[0])) &&
                         token[1] == ':' && (token[2] == '\\' || token[2] == '/'));
    const bool separated = std::count(token.begin(), token.end(), '/') >= 2 ||
                           token.find('\\') != std::string_view::npos;
    return (rooted || separated) && token.find_first_not_of("/\\.~") != std::string_view::npos;
}

// mp3, COVID-19, x86_64: letters and digits, both, joined perhaps by - or _.
bool MixesLettersWithDigits(std::string_view token, const Reader& reader, std::size_t start) {
    bool letter = false;
    bool digit = false;
    for (std::size_t pos = start; pos < start + token.size();) {
        const Utf8Char c = reader.At(pos);
        if (reader.IsLetter(c))
            letter = true;
        else if (c.Valid && IsDigit(c.CodePoint))
            digit = true;
        else if (!(c.Valid && (c.CodePoint == '-' || c.CodePoint == '_')))
            return false;
        pos += c.Length;
    }
    return letter && digit;
}

TokenKind ClassifyRun(std::string_view token, const Reader& reader, std::size_t start) {
    if (IsWebAddress(token)) return TokenKind::WebAddress;
    if (IsEmailAddress(token)) return TokenKind::EmailAddress;
    if (IsSignedName(token, '@', reader, start)) return TokenKind::Mention;
    if (IsSignedName(token, '#', reader, start)) return TokenKind::Hashtag;
    if (IsFilePath(token)) return TokenKind::FilePath;
    if (MixesLettersWithDigits(token, reader, start)) return TokenKind::LettersWithDigits;
    return TokenKind::Word;
}

// The words of one compiled-in list (Windows-1252, small letters), looked up
// in any case. Nearly every word of a text is in no list, so a filter of one
// bit per hash value answers most lookups without touching the set.
class WordList {
  public:
    explicit WordList(std::string_view text) {
        while (!text.empty()) {
            const auto end = std::min(text.find('\n'), text.size());
            if (auto word = Utf8ToCp1252(text.substr(0, end)); word && !word->empty()) {
                longest_ = std::max(longest_, word->size());
                filter_[Hash(*word) % kFilterBits] = true;
                words_.insert(std::move(*word));
            }
            text.remove_prefix(std::min(end + 1, text.size()));
        }
    }

    bool Contains(std::string_view word) const {
        if (word.size() > longest_) return false;
        std::string lower = ToLower(word);
        return filter_[Hash(lower) % kFilterBits] && words_.contains(lower);
    }

  private:
    static constexpr std::size_t kFilterBits = 1 << 16;
    static std::size_t Hash(std::string_view word) {
        std::size_t hash = 2166136261u;
        for (const char c : word)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        return hash;
    }

    std::unordered_set<std::string> words_;
    std::bitset<kFilterBits> filter_;
    std::size_t longest_ = 0;
};

bool IsCapital(char c) {
    return ToUpperByte(c) == c && ToLowerByte(c) != c;
}

// Bytes that may belong to a token: ASCII letters and digits, the address
// punctuation, and every byte of a character beyond ASCII (letters or not).
constexpr std::array<bool, 256> kTokenBytes = [] {
    std::array<bool, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = b >= 0x80 || IsAsciiAlnum(static_cast<char32_t>(b)) ||
                   IsAddressPunctuation(static_cast<char32_t>(b));
    return table;
}();

// Most words end in a blank, in punctuation that no token holds, or in a
// sentence end (a full stop, a colon, a question mark) and then a blank, with
// no digit on the way: then nothing starting at `pos` can be a token. Bytes
// beyond ASCII count as letters here; a character among them that is not a
// letter only ends a run of letters, which is a word all the same.
bool PlainWordAhead(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    while (pos < text.size() &&
           (byte(pos) >= 0x80 || ((byte(pos) | 0x20) >= 'a' && (byte(pos) | 0x20) <= 'z')))
        ++pos;
    while (pos < text.size() && IsClosingPunctuation(text[pos]))
        ++pos;
    return pos == text.size() || !kTokenBytes[byte(pos)];
}

} // namespace

TokenSpan NonWordTokenAt(std::string_view text, std::size_t pos, const LetterTable& letters) {
    if (PlainWordAhead(text, pos)) return {};
    const Reader reader(text, letters);
    const Utf8Char c = reader.At(pos);
    if (!reader.IsTokenChar(c)) return {};
    const Utf8Char before = pos > 0 ? reader.Before(pos) : Utf8Char{};
    if (pos == 0 || !reader.IsTokenChar(before)) {
        std::size_t end =
            reader.RunEnd(pos, [&](const Utf8Char& x) { return reader.IsTokenChar(x); });
        while (end > pos && IsClosingPunctuation(text[end - 1]))
            --end;
        const std::string_view token = text.substr(pos, end - pos);
        if (const TokenKind kind = ClassifyRun(token, reader, pos); kind != TokenKind::Word)
            return {kind, token.size()};
    }
    if (reader.IsLetterOrDigit(c) && (pos == 0 || !reader.IsLetterOrDigit(before))) {
        const std::size_t end =
            reader.RunEnd(pos, [&](const Utf8Char& x) { return reader.IsLetterOrDigit(x); });
        if (MixesLettersWithDigits(text.substr(pos, end - pos), reader, pos))
            return {TokenKind::LettersWithDigits, end - pos};
    }
    return {};
}

KeptWord ClassifyWord(std::string_view word, const WordSurroundings& around) {
    if (word.empty()) return KeptWord::No;
    if (IsLoanword(word)) return KeptWord::Loanword;
    if (!around.CapsRule || !IsCapital(word[0])) return KeptWord::No;
    if (IsKnownName(word)) return KeptWord::KnownName;
    const bool allCapitals =
        std::all_of(word.begin(), word.end(), [](char c) { return ToUpperByte(c) == c; });
    if (around.NextWordCapitalised && !allCapitals) return KeptWord::NameOfSeveralWords;
    return KeptWord::No;
}

bool NextWordIsCapitalised(std::string_view text, std::size_t pos, const LetterTable& letters) {
    const std::size_t start = text.find_first_not_of(' ', pos);
    if (start == pos || start == std::string_view::npos) return false;
    const Utf8Char first = DecodeUtf8At(text, start);
    const int firstByte = letters.LetterByte(first);
    if (firstByte < 0 || !IsCapital(static_cast<char>(firstByte))) return false;
    if (start + first.Length >= text.size()) return false;
    const int secondByte = letters.LetterByte(DecodeUtf8At(text, start + first.Length));
    return secondByte >= 0 && !IsCapital(static_cast<char>(secondByte));
}

bool IsKnownName(std::string_view word) {
    static const WordList names(kKnownNamesText);
    return names.Contains(word);
}

bool IsLoanword(std::string_view word) {
    static const WordList loanwords(kLoanwordsText);
    return loanwords.Contains(word);
}

} // namespace vorlen
