#include "server/connection_pool.h"

namespace vorlen::server {

ConnectionPool::~ConnectionPool() {
    shutdown();
}

void ConnectionPool::enqueue(std::function<void()> connection) {
    std::unique_lock lock(mutex_);
    queue_.push_back(std::move(connection));
    // A new thread only when every idle one already has a connection waiting for it.
    if (idle_ < queue_.size() && threads_.size() < maxThreads_)
        threads_.emplace_back([this] { Work(); });
    lock.unlock();
    ready_.notify_one();
}

void ConnectionPool::shutdown() {
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        threads.swap(threads_);
    }
    ready_.notify_all();
    for (std::thread& thread : threads)
        thread.join();
}

void ConnectionPool::Work() {
    for (;;) {
        std::function<void()> connection;
        {
            std::unique_lock lock(mutex_);
            ++idle_;
            ready_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            --idle_;
            if (queue_.empty()) return; // stopping, nothing left
            connection = std::move(queue_.front());
            queue_.pop_front();
        }
        connection();
    }
}

} // namespace vorlen::server
