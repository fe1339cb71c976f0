#include "server/http_server.h"

#include "server/connection_pool.h"
#include "server/convert_api.h"
#include "server/languagetool_api.h"
#include "server/request_error.h"
#include "server/static_files.h"
#include "vocabulary/paths.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <httplib.h>
#include <iostream>
#include <new>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace vorlen::server {

namespace {

using nlohmann::json;
using Clock = std::chrono::steady_clock;

// Each connection is served on one thread, one request after another, so the
// time a request began can wait in a thread-local variable for the log line.
thread_local Clock::time_point requestStart{};

// httplib::Server with the length of its queue of connections not yet accepted
// raised from the library's 5, so that a burst of connections is not refused.
class Listener : public httplib::Server {
  public:
    void RaiseBacklog(int backlog) { ::listen(svr_sock_, backlog); }
};

void SendJson(httplib::Response& res, int status, const json& body) {
    res.status = status;
    // The engine's output is UTF-8; replace is only a guard for the error
    // messages that quote what a client sent.
    res.set_content(body.dump(-1, ' ', false, json::error_handler_t::replace),
                    "application/json; charset=utf-8");
}

void SendError(httplib::Response& res, const RequestError& error) {
    SendJson(res, error.Status(), error.Body());
}

// The error for a status the library set itself (a body too large, a request
// it could not parse, a path no route serves).
RequestError ErrorForStatus(int status, const std::string& path) {
    switch (status) {
    case 413:
        return {413, "La petición pasa de 1 MiB: divida el texto.",
                "The request body is over 1 MiB: split the text."};
    case 404:
        return {404, "No existe: " + path, "Not found: " + path};
    case 400:
        return {400, "Petición HTTP mal formada o incompleta.",
                "Malformed or incomplete HTTP request."};
    default:
        return {status, "Error " + std::to_string(status) + ".",
                "Error " + std::to_string(status) + "."};
    }
}

void LogRequest(const httplib::Request& req, const httplib::Response& res) {
    char line[512];
    const bool timed = requestStart != Clock::time_point{};
    const double ms =
        timed ? std::chrono::duration<double, std::milli>(Clock::now() - requestStart).count() : 0;
    requestStart = {};
    const std::string method = req.method.empty() ? "-" : req.method;
    const std::string path = req.path.empty() ? "-" : req.path.substr(0, 200);
    const int length =
        timed ? std::snprintf(line, sizeof line, "%s %s %d %zu %.1fms\n", method.c_str(),
                              path.c_str(), res.status, res.body.size(), ms)
              : std::snprintf(line, sizeof line, "%s %s %d %zu -\n", method.c_str(), path.c_str(),
                              res.status, res.body.size());
    // One write per line, so that lines of concurrent requests never mix.
    if (length > 0) [[maybe_unused]]
        auto written = ::write(STDERR_FILENO, line, std::min<std::size_t>(length, sizeof line - 1));
}

// The form of a /v2/check request: fields of a URL-encoded body or of the
// query, or parts of a multipart form.
FormFields FormOf(const httplib::Request& req) {
    const std::string type = req.get_header_value("Content-Type");
    const bool form = type.starts_with("application/x-www-form-urlencoded") ||
                      type.starts_with("multipart/form-data");
    if (!req.body.empty() && !form)
        throw RequestError(
            400, "Se espera un formulario (application/x-www-form-urlencoded), no «" + type + "».",
            "Expected a form (application/x-www-form-urlencoded), not '" + type + "'.");
    FormFields fields(req.params.begin(), req.params.end());
    for (const auto& [name, part] : req.files)
        fields.emplace(name, part.content);
    return fields;
}

} // namespace

struct HttpServer::State {
    State(const Speller& s, ServerOptions o)
        : speller(s), options(std::move(o)),
          slots(options.Threads != 0 ? options.Threads
                                     : std::max(1u, std::thread::hardware_concurrency())),
          webRoot(options.WebRoot ? *options.WebRoot : DefaultWebRoot(CurrentProgramFile())) {}

    // Runs `answer` with one of the conversion slots, turning its errors into
    // JSON answers.
    template <class Answer>
    void Guarded(httplib::Response& res, Answer answer) {
        try {
            json body;
            std::string text;
            {
                WorkerSlots::Hold hold(slots);
                body = answer();
                text = body.dump(-1, ' ', false, json::error_handler_t::replace);
            }
            res.status = 200;
            res.set_content(std::move(text), "application/json; charset=utf-8");
        } catch (const RequestError& error) {
            SendError(res, error);
        } catch (const vorlen::Error& error) {
            if (error.Code() != ErrorCode::InvalidText) throw;
            SendError(res, NotUtf8(static_cast<std::size_t>(error.Detail())));
        } catch (const std::bad_alloc&) {
            SendError(res, {503, "Sin memoria para esta petición.", "Out of memory."});
        }
    }

    bool AllowedOrigin(const std::string& origin) const {
        const auto& allowed = options.AllowedOrigins;
        return std::find(allowed.begin(), allowed.end(), "*") != allowed.end() ||
               std::find(allowed.begin(), allowed.end(), origin) != allowed.end();
    }

    // Pages of other origins may call the server only when --allow-origin
    // names them; the server's own page (same host and port) always may.
    httplib::Server::HandlerResponse CheckOrigin(const httplib::Request& req,
                                                 httplib::Response& res) {
        const std::string origin = req.get_header_value("Origin");
        if (origin.empty() || origin == "http://" + req.get_header_value("Host"))
            return httplib::Server::HandlerResponse::Unhandled;
        if (!AllowedOrigin(origin)) {
            SendError(res, {403,
                            "Origen no admitido: " + origin +
                                " (arranque el servidor con --allow-origin " + origin + ").",
                            "Origin not allowed: " + origin + " (start the server with " +
                                "--allow-origin " + origin + ")."});
            return httplib::Server::HandlerResponse::Handled;
        }
        const bool any = AllowedOrigin("*");
        res.set_header("Access-Control-Allow-Origin", any ? "*" : origin);
        if (!any) res.set_header("Vary", "Origin");
        if (req.method != "OPTIONS") return httplib::Server::HandlerResponse::Unhandled;
        // A preflight request.
        res.status = 204;
        res.set_header("Access-Control-Allow-Methods", "GET, POST, OPTIONS");
        const std::string headers = req.get_header_value("Access-Control-Request-Headers");
        res.set_header("Access-Control-Allow-Headers", headers.empty() ? "Content-Type" : headers);
        res.set_header("Access-Control-Max-Age", "86400");
        return httplib::Server::HandlerResponse::Handled;
    }

    void AddRoutes() {
        http.Post("/v2/check", [this](const httplib::Request& req, httplib::Response& res) {
            Guarded(res, [&] { return CheckResponse(speller, FormOf(req)); });
        });
        http.Get("/v2/languages", [](const httplib::Request&, httplib::Response& res) {
            SendJson(res, 200, LanguagesResponse());
        });
        http.Post("/api/convert", [this](const httplib::Request& req, httplib::Response& res) {
            Guarded(res, [&] { return ConvertResponse(speller, ParseConvertRequest(req.body)); });
        });
        http.Get("/.*", [this](const httplib::Request& req, httplib::Response& res) {
            auto file = ReadStaticFile(webRoot, req.path);
            if (!file) {
                SendError(res, ErrorForStatus(404, req.path));
                return;
            }
            res.set_header("X-Content-Type-Options", "nosniff");
            res.set_header("Cache-Control", "no-cache");
            res.set_content(std::move(file->Content), std::string(file->MimeType));
        });
    }

    void Configure() {
        http.new_task_queue = [this] { return new ConnectionPool(options.MaxConnections); };
        http.set_payload_max_length(kMaxBodyBytes);
        const auto timeout = options.Timeout.count();
        http.set_read_timeout(timeout);
        http.set_write_timeout(timeout);
        http.set_keep_alive_timeout(timeout);
        http.set_keep_alive_max_count(1000);
        http.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
            requestStart = Clock::now();
            return CheckOrigin(req, res);
        });
        http.set_error_handler([](const httplib::Request& req, httplib::Response& res) {
            if (res.body.empty()) SendError(res, ErrorForStatus(res.status, req.path));
        });
        http.set_exception_handler(
            [](const httplib::Request&, httplib::Response& res, std::exception_ptr error) {
                std::string what = "unknown";
                try {
                    std::rethrow_exception(error);
                } catch (const std::exception& e) {
                    what = e.what();
                } catch (...) {
                }
                std::cerr << "vorlen-server: internal error: " << what << '\n';
                SendError(res, {500, "Error interno del servidor.", "Internal server error."});
            });
        http.set_logger(LogRequest);
        AddRoutes();
    }

    const Speller& speller;
    ServerOptions options;
    WorkerSlots slots;
    std::filesystem::path webRoot;
    Listener http;
};

HttpServer::HttpServer(const Speller& speller, ServerOptions options)
    : state_(std::make_unique<State>(speller, std::move(options))) {
    state_->Configure();
}

HttpServer::~HttpServer() = default;

int HttpServer::Bind() {
    auto& http = state_->http;
    const ServerOptions& options = state_->options;
    int port = options.Port;
    if (port == 0)
        port = http.bind_to_any_port(options.Host);
    else if (!http.bind_to_port(options.Host, port))
        port = -1;
    if (port <= 0) {
        std::cerr << "vorlen-server: cannot listen on " << options.Host << ':' << options.Port
                  << '\n';
        return -1;
    }
    http.RaiseBacklog(1024);
    std::error_code ec;
    if (!std::filesystem::is_directory(state_->webRoot, ec))
        std::cerr << "vorlen-server: no web page: " << state_->webRoot << " is not a directory\n";
    std::cerr << "vorlen-server: listening on http://" << options.Host << ':' << port
              << "/ (web page from " << state_->webRoot.string() << ")\n";
    return port;
}

bool HttpServer::Run() {
    return state_->http.listen_after_bind();
}

void HttpServer::Stop() {
    state_->http.stop();
}

} // namespace vorlen::server
