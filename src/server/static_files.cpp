#include "server/static_files.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <system_error>

namespace vorlen::server {

namespace fs = std::filesystem;

namespace {

struct MimeType {
    std::string_view Extension;
    std::string_view Type;
};

constexpr std::array<MimeType, 16> kMimeTypes = {{
    {".html", "text/html; charset=utf-8"},
    {".htm", "text/html; charset=utf-8"},
    {".css", "text/css; charset=utf-8"},
    {".js", "text/javascript; charset=utf-8"},
    {".mjs", "text/javascript; charset=utf-8"},
    {".json", "application/json"},
    {".webmanifest", "application/manifest+json"},
    {".wasm", "application/wasm"},
    {".svg", "image/svg+xml"},
    {".png", "image/png"},
    {".jpg", "image/jpeg"},
    {".ico", "image/vnd.microsoft.icon"},
    {".txt", "text/plain; charset=utf-8"},
    {".woff2", "font/woff2"},
    {".woff", "font/woff"},
    {".map", "application/json"},
}};

bool Inside(const fs::path& root, const fs::path& file) {
    const auto [rootEnd, fileAt] =
        std::mismatch(root.begin(), root.end(), file.begin(), file.end());
    return rootEnd == root.end();
}

} // namespace

fs::path DefaultWebRoot(const fs::path& programFile) {
    std::error_code ec;
    if (!programFile.empty()) {
        const fs::path installed = programFile.parent_path().parent_path() / "share/vorlen/web";
        if (fs::is_directory(installed, ec)) return installed;
    }
    return fs::path(VORLEN_SOURCE_WEB_DIR);
}

std::string_view MimeTypeFor(std::string_view fileName) {
    for (const MimeType& mime : kMimeTypes)
        if (fileName.ends_with(mime.Extension)) return mime.Type;
    return "application/octet-stream";
}

std::optional<StaticFile> ReadStaticFile(const fs::path& webRoot, std::string_view requestPath) {
    if (!requestPath.starts_with('/') || requestPath.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::string relative(requestPath.substr(1));
    if (relative.empty() || relative.ends_with('/')) relative += "index.html";
    // Every ".." is refused outright; the canonical path then catches links.
    for (const auto& part : fs::path(relative))
        if (part == "..") return std::nullopt;
    std::error_code ec;
    const fs::path root = fs::canonical(webRoot, ec);
    if (ec) return std::nullopt;
    const fs::path file = fs::canonical(root / relative, ec);
    if (ec || !Inside(root, file) || !fs::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    StaticFile served;
    served.Content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    served.MimeType = MimeTypeFor(file.filename().string());
    return served;
}

} // namespace vorlen::server
