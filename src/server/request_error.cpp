#include "server/request_error.h"

#include "conversion/utf8_text.h"

namespace vorlen::server {

RequestError NotUtf8(std::size_t byteOffset) {
    const std::string at = std::to_string(byteOffset);
    return RequestError(400, "El texto no es UTF-8 válido (byte " + at + ").",
                        "The text is not valid UTF-8 (byte " + at + ").");
}

void RequireUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = DecodeUtf8At(text, pos);
        if (!c.Valid) throw NotUtf8(pos);
        pos += c.Length;
    }
}

} // namespace vorlen::server
