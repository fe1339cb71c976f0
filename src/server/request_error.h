// A request the server cannot answer as asked: the HTTP status and what is
// wrong, in Spanish (the users' language) and in English.
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace vorlen::server {

class RequestError : public std::runtime_error {
  public:
    RequestError(int status, std::string spanish, std::string english)
        : std::runtime_error(english), status_(status), spanish_(std::move(spanish)),
          english_(std::move(english)) {}
    int Status() const { return status_; }
    // {"error": "<Spanish>", "errorEnglish": "<English>"}
    nlohmann::json Body() const { return {{"error", spanish_}, {"errorEnglish", english_}}; }

  private:
    int status_;
    std::string spanish_;
    std::string english_;
};

// The error for a text that is not UTF-8, naming the first bad byte.
RequestError NotUtf8(std::size_t byteOffset);

// Throws NotUtf8 unless `text` is well-formed UTF-8.
void RequireUtf8(std::string_view text);

} // namespace vorlen::server
