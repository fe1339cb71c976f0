// The web page's files, served from one directory (the web root) and never
// from outside it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vorlen::server {

// The web root when none is given: share/vorlen/web of the installation the
// program runs from, else the source tree's src/web.
std::filesystem::path DefaultWebRoot(const std::filesystem::path& programFile);

struct StaticFile {
    std::string Content;
    std::string_view MimeType;
};

// The file a request path names ("/" is index.html): nothing when it does not
// exist, is not a regular file, or lies outside the root (through "..", or a
// link that leads out).
std::optional<StaticFile> ReadStaticFile(const std::filesystem::path& webRoot,
                                         std::string_view requestPath);

// The Content-Type for a file name, by its extension.
std::string_view MimeTypeFor(std::string_view fileName);

} // namespace vorlen::server
