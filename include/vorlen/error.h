// The one exception the library throws. Each error is typed; Message() turns
// it into the sentence a person reads, in Spanish or English, naming the file
// and what is wrong.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vorlen/export.h>

namespace vorlen {

enum class ErrorCode {
    MissingFile,           // the vocabulary file does not exist
    Unreadable,            // it exists but cannot be opened or read
    TooFewLines,           // fewer lines than a vocabulary needs
    NotAVocabulary,        // binary bytes, or letter lines that hold no bar-framed word
    CannotCreateDirectory, // the data directory cannot be made
    CannotWrite,           // a copy in the data directory cannot be written
    InvalidText,           // a text or word given to the API is not UTF-8
};

class VORLEN_API Error : public std::runtime_error {
  public:
    Error(ErrorCode code, std::filesystem::path file, int detail = 0,
          std::string systemMessage = {});
    ErrorCode Code() const { return code_; }
    // The file the error is about (empty for InvalidText).
    const std::filesystem::path& File() const { return file_; }
    // TooFewLines: the number of lines found; NotAVocabulary: the first
    // offending line (1-based); InvalidText: the byte offset of the first
    // malformed sequence.
    int Detail() const { return detail_; }
    // What the operating system said, when it said something.
    const std::string& SystemMessage() const { return systemMessage_; }
    // UTF-8, one sentence (plus the system's words in brackets).
    std::string Message(bool english) const;
    // The English message.
    const char* what() const noexcept override { return english_.c_str(); }

  private:
    ErrorCode code_;
    std::filesystem::path file_;
    int detail_;
    std::string systemMessage_;
    std::string english_;
};

} // namespace vorlen
