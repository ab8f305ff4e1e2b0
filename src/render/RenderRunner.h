#pragma once

#include "render/RenderJob.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace qx {

class RenderReporter;
struct Session;

// Runs render jobs one at a time on a worker thread. While a job runs, the
// session belongs to it: callers must not touch the project or the bitmaps
// until `finished` has been called.
class RenderRunner {
public:
    RenderRunner() = default;
    ~RenderRunner();
    RenderRunner(const RenderRunner&) = delete;
    RenderRunner& operator=(const RenderRunner&) = delete;

    // The sentence shown when a second job is asked for while one runs.
    static constexpr const char* BusyMessage =
        "A mosaic is being rendered; please wait until it has finished before starting another.";

    // Starts RunRenderJob on a worker thread and returns true, or returns
    // false (starting nothing) while a job runs. `finished` is called on the
    // worker thread with the outcome, as the job's last act.
    bool Start(Session& session, RenderReporter& reporter, std::function<void(const TRenderResult&)> finished);
    bool Running() const { return running_; }
    // Blocks until the running job, if any, has finished.
    void Wait();

private:
    std::mutex mutex_;
    std::thread worker_;
    std::atomic<bool> running_{false};
};

} // namespace qx
