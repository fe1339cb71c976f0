// Loading problems are typed; one function turns them into the message a
// person reads, in Spanish or English.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace vorlen {

enum class VocabularyErrorCode {
    MissingFile,           // the file does not exist
    Unreadable,            // it exists but cannot be opened or read
    TooFewLines,           // fewer lines than the format needs
    CannotCreateDirectory, // the data directory cannot be made
    CannotWrite,           // a copy in the data directory cannot be written
};

class VocabularyError : public std::runtime_error {
  public:
    VocabularyError(VocabularyErrorCode code, std::filesystem::path file, int detail = 0,
                    std::string systemMessage = {});
    VocabularyErrorCode Code() const { return code_; }
    const std::filesystem::path& File() const { return file_; }
    // TooFewLines: the number of lines found.
    int Detail() const { return detail_; }
    const std::string& SystemMessage() const { return systemMessage_; }
    const char* what() const noexcept override { return english_.c_str(); }

  private:
    VocabularyErrorCode code_;
    std::filesystem::path file_;
    int detail_;
    std::string systemMessage_;
    std::string english_;
};

// The message for a person, UTF-8, naming the file and what is wrong.
std::string DescribeVocabularyError(const VocabularyError& error, bool english);

} // namespace vorlen
