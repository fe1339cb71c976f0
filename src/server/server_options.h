// The command line of vorlen-server.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vorlen::server {

struct ServerOptions {
    std::string Host = "127.0.0.1";
    int Port = 8081; // 0: any free port (the one taken is logged)
    std::optional<std::filesystem::path> Vocabulary;
    std::optional<std::filesystem::path> DataDirectory;
    std::optional<std::filesystem::path> WebRoot;
    // Conversions running at once; 0: one per core.
    unsigned Threads = 0;
    // Connections served at once (each waits on its socket in a thread of its
    // own); those beyond wait to be taken up.
    unsigned MaxConnections = 1024;
    // How long a client may leave the connection silent, while sending a
    // request or receiving an answer, and between requests.
    std::chrono::seconds Timeout{10};
    // Origins whose web pages may call the server ("*": any).
    std::vector<std::string> AllowedOrigins;
};

inline constexpr std::size_t kMaxBodyBytes = 1024 * 1024;

enum class ParseOutcome { Run, Help, Error };

// Fills `options` from the arguments; on an error, `message` says what is wrong.
ParseOutcome ParseServerOptions(int argc, const char* const* argv, ServerOptions& options,
                                std::string& message);

extern const char* const kServerUsage;

} // namespace vorlen::server
