// Threads for the server's connections, and a bound on the conversions that
// run at once.
//
// cpp-httplib serves each connection on a thread of its task queue, and a
// connection holds its thread while it waits for a slow client. With a small
// fixed pool, a few hundred clients that connect and send nothing would keep
// every other request waiting. So connections get threads as they come, up to
// a limit (those beyond it wait their turn), and the work that needs the
// processor, converting a text, is bounded separately by the number of cores:
// waiting on a socket costs a thread, not a core.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <httplib.h>
#include <mutex>
#include <semaphore>
#include <thread>
#include <vector>

namespace vorlen::server {

class ConnectionPool : public httplib::TaskQueue {
  public:
    explicit ConnectionPool(std::size_t maxThreads) : maxThreads_(maxThreads) {}
    ~ConnectionPool() override;

    void enqueue(std::function<void()> connection) override;
    // Runs what is queued, then joins every thread.
    void shutdown() override;

  private:
    void Work();

    const std::size_t maxThreads_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::thread> threads_;
    std::size_t idle_ = 0;
    bool stopping_ = false;
};

// At most `workers` holders at once; the others wait in turn.
class WorkerSlots {
  public:
    explicit WorkerSlots(unsigned workers) : slots_(workers) {}
    class Hold {
      public:
        explicit Hold(WorkerSlots& slots) : slots_(slots) { slots_.slots_.acquire(); }
        ~Hold() { slots_.slots_.release(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        WorkerSlots& slots_;
    };

  private:
    std::counting_semaphore<> slots_;
};

} // namespace vorlen::server
