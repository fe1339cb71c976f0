#include "server/server_options.h"

#include <charconv>
#include <string_view>

namespace vorlen::server {

const char* const kServerUsage = R"(Usage: vorlen-server [OPTIONS]

Serves Vorlen over HTTP: the LanguageTool API (POST /v2/check, GET /v2/languages)
for the browser add-ons, LibreOffice and editors; POST /api/convert and the web page.

Options:
  --listen HOST:PORT    where to listen (default 127.0.0.1:8081; port 0 takes a free one)
  --vocabulary PATH     the vocabulary to start from (default: spanall.txt in the working
                        directory, else the installed one)
  --data-dir DIR        the data directory (default: $VORLEN_DATA_DIR, else
                        $XDG_DATA_HOME/vorlen, else ~/.local/share/vorlen)
  --web-root DIR        the web page's files (default: share/vorlen/web of the installation,
                        else the source tree's src/web)
  --threads N           conversions at once (default: one per core)
  --max-connections N   connections served at once (default 1024)
  --timeout SECONDS     how long a client may stay silent (default 10)
  --allow-origin ORIGIN let pages of ORIGIN call the server (repeatable; * for any),
                        e.g. the browser add-on's chrome-extension://ID
  -h, --help            this text

One line per request on standard error. SIGINT or SIGTERM: stop taking connections,
finish the requests in flight, exit.
)";

namespace {

bool ParseNumber(std::string_view text, unsigned& value, unsigned low, unsigned high) {
    unsigned parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

bool ParseListen(std::string_view text, ServerOptions& options) {
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    std::string_view host = text.substr(0, colon);
    // [::1]:8081
    if (host.starts_with('[') && host.ends_with(']')) host = host.substr(1, host.size() - 2);
    unsigned port = 0;
    if (host.empty() || !ParseNumber(text.substr(colon + 1), port, 0, 65535)) return false;
    options.Host = std::string(host);
    options.Port = static_cast<int>(port);
    return true;
}

} // namespace

ParseOutcome ParseServerOptions(int argc, const char* const* argv, ServerOptions& options,
                                std::string& message) {
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "-h" || arg == "--help") return ParseOutcome::Help;
        const bool takesValue = arg == "--listen" || arg == "--vocabulary" || arg == "--data-dir" ||
                                arg == "--web-root" || arg == "--threads" ||
                                arg == "--max-connections" || arg == "--timeout" ||
                                arg == "--allow-origin";
        if (!takesValue) {
            message = "unknown option " + std::string(arg) + " (see --help)";
            return ParseOutcome::Error;
        }
        if (k + 1 >= argc) {
            message = std::string(arg) + " needs a value";
            return ParseOutcome::Error;
        }
        const std::string_view value = argv[++k];
        bool good = true;
        if (arg == "--listen") {
            good = ParseListen(value, options);
        } else if (arg == "--vocabulary") {
            options.Vocabulary = std::filesystem::path(value);
        } else if (arg == "--data-dir") {
            options.DataDirectory = std::filesystem::path(value);
        } else if (arg == "--web-root") {
            options.WebRoot = std::filesystem::path(value);
        } else if (arg == "--threads") {
            good = ParseNumber(value, options.Threads, 1, 256);
        } else if (arg == "--max-connections") {
            good = ParseNumber(value, options.MaxConnections, 1, 100000);
        } else if (arg == "--timeout") {
            unsigned seconds = 0;
            good = ParseNumber(value, seconds, 1, 3600);
            options.Timeout = std::chrono::seconds(seconds);
        } else {
            good = !value.empty();
            options.AllowedOrigins.emplace_back(value);
        }
        if (!good) {
            message = "bad value for " + std::string(arg) + ": " + std::string(value);
            return ParseOutcome::Error;
        }
    }
    return ParseOutcome::Run;
}

} // namespace vorlen::server
