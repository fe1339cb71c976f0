// vorlen-server: Vorlen over HTTP, for the tools people write in (see --help).
#include "api/speller_internal.h"
#include "server/http_server.h"
#include "server/server_options.h"
#include "vocabulary/paths.h"
#include "vocabulary/vocabulary_file.h"

#include <csignal>
#include <iostream>
#include <pthread.h>
#include <sys/resource.h>
#include <thread>

namespace {

using vorlen::server::ServerOptions;

// Connections wait on sockets, one descriptor each: allow as many as the
// system lets this process have.
void RaiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

// The vocabulary as vorlen-cli and the window load it: the start-up copy goes
// into the data directory first.
std::optional<vorlen::Speller> OpenSpeller(const ServerOptions& options) {
    vorlen::PathOptions paths;
    paths.Vocabulary = options.Vocabulary;
    paths.DataDirectory = options.DataDirectory;
    paths.ProgramFile = vorlen::CurrentProgramFile();
    vorlen::Engine engine;
    engine.Paths = vorlen::ResolveVocabularyPaths(paths);
    try {
        for (const auto& warning : vorlen::LoadVocabulary(engine))
            std::cerr << "vorlen-server: " << warning << '\n';
    } catch (const vorlen::VocabularyError& e) {
        std::cerr << "vorlen-server: " << vorlen::DescribeVocabularyError(e, true) << '\n';
        return std::nullopt;
    }
    return vorlen::SpellerOverStore(engine.Vocabulary);
}

} // namespace

int main(int argc, char** argv) {
    ServerOptions options;
    std::string message;
    switch (vorlen::server::ParseServerOptions(argc, argv, options, message)) {
    case vorlen::server::ParseOutcome::Help:
        std::cout << vorlen::server::kServerUsage;
        return 0;
    case vorlen::server::ParseOutcome::Error:
        std::cerr << "vorlen-server: " << message << '\n';
        return 2;
    case vorlen::server::ParseOutcome::Run:
        break;
    }

    // SIGINT and SIGTERM are taken by one thread that waits for them; every
    // other thread (all started after this) has them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    RaiseDescriptorLimit();

    const auto speller = OpenSpeller(options);
    if (!speller) return 2;
    vorlen::server::HttpServer server(*speller, options);
    if (server.Bind() < 0) return 2;

    std::thread signalWaiter([&server, &stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        std::cerr << "vorlen-server: " << (signal == SIGINT ? "SIGINT" : "SIGTERM")
                  << ": finishing the requests in flight\n";
        server.Stop();
    });
    const bool served = server.Run();
    // Run returns only after a stop, and a stop comes only from the waiter.
    signalWaiter.join();
    std::cerr << "vorlen-server: stopped\n";
    return served ? 0 : 1;
}
