// Words inside the engine are Windows-1252 bytes: every letter of Spanish
// (á é í ó ú ü ñ and their capitals) is one byte, so a character position is a
// byte position. Source files stay UTF-8; the `_w` literal turns a UTF-8 string
// literal into its Windows-1252 bytes at compile time, so tables read as Spanish.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorlen {

namespace detail {

// Holds the Windows-1252 form of a UTF-8 literal whose characters all lie in
// Latin-1 (the only ones the engine's tables use).
template <std::size_t N>
struct Cp1252Literal {
    char bytes[N]{};
    std::size_t size = 0;
    consteval Cp1252Literal(const char (&utf8)[N]) {
        for (std::size_t i = 0; i + 1 < N;) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            if (lead < 0x80) {
                bytes[size++] = utf8[i++];
                continue;
            }
            if ((lead & 0xE0) != 0xC0 || lead > 0xC3)
                throw "only Latin-1 letters may appear in engine literals";
            const auto trail = static_cast<unsigned char>(utf8[i + 1]);
            bytes[size++] = static_cast<char>(((lead & 0x1F) << 6) | (trail & 0x3F));
            i += 2;
        }
    }
};

template <Cp1252Literal S>
struct Cp1252Storage {
    static constexpr auto value = S;
};

} // namespace detail

inline namespace literals {
// "está"_w is the 4-byte Windows-1252 string view 65 73 74 E1.
template <detail::Cp1252Literal S>
consteval std::string_view operator""_w() {
    return {detail::Cp1252Storage<S>::value.bytes, detail::Cp1252Storage<S>::value.size};
}
} // namespace literals

// Case mapping of Windows-1252: ASCII letters and the Latin-1 letters
// À..Þ / à..þ (without × and ÷), plus Š Œ Ž Ÿ.
constexpr char ToLowerByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 0x10);
    if (u == 0x9F) return static_cast<char>(0xFF);
    return c;
}

constexpr char ToUpperByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
        return static_cast<char>(u - 0x20);
    if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 0x10);
    if (u == 0xFF) return static_cast<char>(0x9F);
    return c;
}

std::string ToLower(std::string_view s);
std::string ToUpper(std::string_view s);
void ToLowerInPlace(std::string& s);

// Conversions at the engine's edges. Every Windows-1252 byte has a Unicode
// character (the five unassigned bytes map to the C1 controls of the same
// value), so Windows-1252 -> UTF-8 -> Windows-1252 is lossless.
std::string Cp1252ToUtf8(std::string_view bytes);
// nullopt when a character has no Windows-1252 byte; `bad` then receives it.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8, std::string* bad = nullptr);
// The Windows-1252 byte of one Unicode code point, or -1.
int CodePointToCp1252(char32_t cp);
char32_t Cp1252ToCodePoint(unsigned char byte);
// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);
// True when the bytes are well-formed UTF-8 and hold at least one multi-byte sequence.
bool LooksLikeUtf8(std::string_view bytes);

} // namespace vorlen
