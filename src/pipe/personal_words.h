// The words a user taught the pipe: the personal word list (a plain UTF-8
// file, one word a line, kept across sessions) and the words accepted for
// this session only.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vorlen::pipe {

// The default list: $XDG_DATA_HOME/vorlen/personal.txt, else
// ~/.local/share/vorlen/personal.txt.
std::filesystem::path DefaultPersonalWordFile();

class PersonalWords {
  public:
    PersonalWords() = default; // no file: nothing is saved
    // Reads `file` when it exists (a missing file is an empty list, created
    // by the first save). Throws std::runtime_error when it exists but cannot
    // be read, so that a list never gets overwritten by one that lost it.
    explicit PersonalWords(std::filesystem::path file);

    // A word a user spelled this way on purpose. False when it is no word
    // (empty, spaces or control characters in it, longer than a word can be).
    bool AddToList(std::string_view word);
    bool AcceptForSession(std::string_view word);

    // A word as written, capitalised or in capitals, when it was added in
    // small letters ("vorlen" accepts Vorlen and VORLEN; "Vorlen" accepts
    // VORLEN but not vorlen).
    bool Accepts(std::string_view word) const;

    // Writes the list when words were added since it was read or saved:
    // through a temporary file renamed over the list, so a failure or a crash
    // leaves the old list whole, and with the words that another session
    // saved meanwhile kept. Throws std::runtime_error when it cannot.
    void Save();
    bool HasUnsavedWords() const { return !unsaved_.empty(); }

    const std::filesystem::path& File() const { return file_; }

  private:
    bool Knows(const std::string& word) const;

    std::filesystem::path file_;
    std::unordered_set<std::string> words_;
    std::vector<std::string> unsaved_;
    std::unordered_set<std::string> session_;
};

} // namespace vorlen::pipe
