#include "pipe/personal_words.h"

#include "pipe/line_words.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlen::pipe {

namespace fs = std::filesystem;

namespace {

// Longer than any word of any language a user would add.
constexpr std::size_t kMaxWordCharacters = 100;

bool IsWord(std::string_view word) {
    if (word.empty() || CharacterCount(word) > kMaxWordCharacters) return false;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) return false;
    }
    return true;
}

std::runtime_error Failure(const std::string& what, const fs::path& file, int error) {
    return std::runtime_error(what + " " + file.string() + ": " + std::strerror(error));
}

// The lines of the list file; false when there is no file.
bool ReadList(const fs::path& file, std::vector<std::string>& lines) {
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        if (!ec || ec == std::errc::no_such_file_or_directory) return false;
        throw Failure("cannot read the personal word list", file, ec.value());
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Failure("cannot read the personal word list", file, errno);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw Failure("cannot read the personal word list", file, errno);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!line.empty()) lines.push_back(LineAsUtf8(line));
        start = end + 1;
    }
    return true;
}

void WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw errno;
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

fs::path DefaultPersonalWordFile() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && *xdg == '/') return fs::path(xdg) / "vorlen" / "personal.txt";
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : ".") / ".local/share/vorlen/personal.txt";
}

PersonalWords::PersonalWords(fs::path file) : file_(std::move(file)) {
    std::vector<std::string> lines;
    ReadList(file_, lines);
    words_.insert(lines.begin(), lines.end());
}

bool PersonalWords::AddToList(std::string_view word) {
    if (!IsWord(word)) return false;
    std::string w(word);
    if (words_.insert(w).second) unsaved_.push_back(std::move(w));
    return true;
}

bool PersonalWords::AcceptForSession(std::string_view word) {
    if (!IsWord(word)) return false;
    session_.emplace(word);
    return true;
}

bool PersonalWords::Knows(const std::string& word) const {
    return words_.contains(word) || session_.contains(word);
}

bool PersonalWords::Accepts(std::string_view word) const {
    if (words_.empty() && session_.empty()) return false;
    const std::string written(word);
    if (Knows(written)) return true;
    const std::string lower = LowerCaseWord(written);
    if (lower == written) return false;
    if (Knows(lower)) return true;
    // In capitals: the word added with a capital only at its start.
    std::size_t first = 1;
    while (first < written.size() && (static_cast<unsigned char>(written[first]) & 0xC0) == 0x80)
        ++first;
    const std::string capitalised = written.substr(0, first) + lower.substr(first);
    return LowerCaseWord(written.substr(0, first)) != written.substr(0, first) &&
           Knows(capitalised);
}

void PersonalWords::Save() {
    if (unsaved_.empty() || file_.empty()) return;
    // A link to the list is followed, not replaced by a file.
    fs::path target = file_;
    std::error_code ec;
    if (fs::is_symlink(target, ec)) target = fs::weakly_canonical(target, ec);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);

    // What another session saved since this one read the list stays.
    std::vector<std::string> current;
    const bool existed = ReadList(target, current);
    std::unordered_set<std::string> present(current.begin(), current.end());
    std::string bytes;
    for (const auto& line : current)
        bytes += line + '\n';
    for (const auto& word : unsaved_)
        if (!present.contains(word)) bytes += word + '\n';

    std::string temp =
        (target.has_parent_path() ? target.parent_path() / "" : fs::path()).string() + "." +
        target.filename().string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw Failure("cannot write the personal word list", target, errno);
    try {
        struct stat old {};
        const mode_t mode =
            existed && ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
        if (::fchmod(fd, mode) != 0) throw errno;
        WriteAll(fd, bytes);
        if (::fsync(fd) != 0) throw errno;
        if (::close(fd) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            throw Failure("cannot write the personal word list", target, error);
        }
    } catch (int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw Failure("cannot write the personal word list", target, error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw Failure("cannot replace the personal word list", target, error);
    }
    words_.insert(current.begin(), current.end());
    unsaved_.clear();
}

} // namespace vorlen::pipe
