// vorlen-server's HTTP side: the routes over one shared Speller, the limits,
// CORS and the request log. The handlers only read the request, call the
// endpoint's function and write its JSON.
#pragma once

#include "server/server_options.h"

#include <memory>
#include <vorlen/speller.h>

namespace vorlen::server {

class HttpServer {
  public:
    HttpServer(const Speller& speller, ServerOptions options);
    ~HttpServer();

    // Binds the address; false (with a message on standard error) when it
    // cannot. Returns the port taken.
    int Bind();
    // Serves until Stop(); returns once the requests in flight are answered.
    bool Run();
    // Stops taking connections (safe from any thread).
    void Stop();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace vorlen::server
