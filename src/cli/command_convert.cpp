// vorlen-cli [FILE]: the whole text converted, exactly as the window's
// "Converted text" box shows it. The end message for long texts is the
// window's business: standard output holds only the converted text.
#include "cli/commands.h"
#include "conversion/parallel_text.h"
#include "vocabulary/cp1252.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace vorlen::cli {

namespace {

bool ReadAll(std::istream& in, std::string& text) {
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = std::move(buffer).str();
    return !in.bad();
}

} // namespace

int RunConvert(Engine& engine, const std::optional<std::string>& file, std::ostream& out,
               std::ostream& err) {
    std::string text;
    if (file) {
        std::error_code ec;
        if (std::filesystem::is_directory(*file, ec)) {
            err << "vorlen-cli: cannot read " << *file << ": it is a directory\n";
            return 2;
        }
        std::ifstream in(*file, std::ios::binary);
        if (!in || !ReadAll(in, text)) {
            err << "vorlen-cli: cannot read " << *file << ": " << std::strerror(errno) << '\n';
            return 2;
        }
    } else if (!ReadAll(std::cin, text)) {
        err << "vorlen-cli: cannot read standard input\n";
        return 2;
    }

    // Bytes that are not UTF-8 are read as Windows-1252, which maps every byte
    // to a character, and written back the same way: nothing is lost.
    const bool utf8 = IsValidUtf8(text);
    if (!utf8) text = Cp1252ToUtf8(text);
    // A long text on every core: the result is the same as on one.
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::string converted = ConvertTextInParallel(engine, text, cores).Text;
    if (!utf8) {
        auto back = Utf8ToCp1252(converted);
        if (!back) {
            err << "vorlen-cli: the converted text cannot be written as Windows-1252\n";
            return 2;
        }
        converted = std::move(*back);
    }
    out.write(converted.data(), static_cast<std::streamsize>(converted.size()));
    out.flush();
    if (!out) {
        err << "vorlen-cli: cannot write the converted text\n";
        return 2;
    }
    return 0;
}

} // namespace vorlen::cli
