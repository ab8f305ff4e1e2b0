#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace qx {

// Computes produce(i) for i = 0 .. n - 1 on all cores and hands each result
// to consume(i, result) on the calling thread, strictly in index order, so
// the outcome does not depend on the number of threads. The first exception
// (from either side) stops the work: results before it have been consumed,
// none after it, and it is rethrown here.
template <typename Result, typename Produce, typename Consume>
void RunParallelInOrder(int n, Produce&& produce, Consume&& consume)
{
    std::vector<std::optional<Result>> results(static_cast<std::size_t>(n));
    std::vector<std::exception_ptr> errors(static_cast<std::size_t>(n));
    std::vector<char> ready(static_cast<std::size_t>(n), 0);
    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<int> next{0};
    std::atomic<bool> stop{false};
    // Workers run at most this far ahead of the consumer, which bounds the
    // memory held by finished results.
    const int window = 64;
    std::atomic<int> consumed{0};

    auto worker = [&] {
        for (;;) {
            const int i = next.fetch_add(1);
            if (i >= n || stop)
                return;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stop || i < consumed + window; });
                if (stop)
                    return;
            }
            std::optional<Result> result;
            std::exception_ptr error;
            try {
                result.emplace(produce(i));
            } catch (...) {
                error = std::current_exception();
            }
            std::lock_guard lock(mutex);
            results[static_cast<std::size_t>(i)] = std::move(result);
            errors[static_cast<std::size_t>(i)] = error;
            ready[static_cast<std::size_t>(i)] = 1;
            changed.notify_all();
        }
    };

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const int threadCount = static_cast<int>(std::min<unsigned>(cores, static_cast<unsigned>(std::max(n, 1))));
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t)
        threads.emplace_back(worker);

    std::exception_ptr failure;
    for (int i = 0; i < n && !failure; ++i) {
        std::optional<Result> result;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return ready[static_cast<std::size_t>(i)] != 0; });
            failure = errors[static_cast<std::size_t>(i)];
            result = std::move(results[static_cast<std::size_t>(i)]);
            results[static_cast<std::size_t>(i)].reset();
        }
        if (!failure) {
            try {
                consume(i, std::move(*result));
            } catch (...) {
                failure = std::current_exception();
            }
        }
        std::lock_guard lock(mutex);
        consumed = i + 1;
        changed.notify_all();
    }
    {
        std::lock_guard lock(mutex);
        stop = true;
        changed.notify_all();
    }
    for (std::thread& t : threads)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace qx
