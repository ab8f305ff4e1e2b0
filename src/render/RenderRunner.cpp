#include "render/RenderRunner.h"

#include "render/Session.h"

namespace qx {

RenderRunner::~RenderRunner()
{
    Wait();
}

bool RenderRunner::Start(Session& session, RenderReporter& reporter,
                         std::function<void(const TRenderResult&)> finished)
{
    std::lock_guard lock(mutex_);
    if (running_.exchange(true))
        return false;
    if (worker_.joinable())
        worker_.join();
    session.RenderRequest = false;
    worker_ = std::thread([this, &session, &reporter, finished = std::move(finished)] {
        const TRenderResult result = RunRenderJob(session, reporter);
        running_ = false;
        if (finished)
            finished(result);
    });
    return true;
}

void RenderRunner::Wait()
{
    std::lock_guard lock(mutex_);
    if (worker_.joinable())
        worker_.join();
}

} // namespace qx
