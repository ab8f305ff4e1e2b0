#include "render/RenderReporter.h"
#include "render/RenderRunner.h"
#include "render/Session.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace {

// Holds the job at its first log line until the test lets it go.
class GateReporter final : public qx::RenderReporter {
public:
    void AddLogLine(const std::string&) override
    {
        std::unique_lock lock(mutex_);
        entered_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return open_; });
    }
    void SetProgress(int) override {}
    void ShowJobLabel(const std::string&) override {}
    void HideJobLabel() override {}

    void WaitUntilEntered()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return entered_; });
    }
    void Open()
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool entered_ = false;
    bool open_ = false;
};

} // namespace

TEST(RenderRunner, RefusesASecondJobWhileOneRunsAndReportsTheOutcome)
{
    qx::Session session(QX_DATA_DIR, 1);
    // A project without a folder fails at once, which is all this needs.
    GateReporter gate;
    qx::RenderRunner runner;
    qx::TRenderResult first;
    ASSERT_TRUE(runner.Start(session, gate, [&](const qx::TRenderResult& r) { first = r; }));
    gate.WaitUntilEntered();
    EXPECT_TRUE(runner.Running());
    qx::SilentReporter quiet;
    EXPECT_FALSE(runner.Start(session, quiet, nullptr));
    gate.Open();
    runner.Wait();
    EXPECT_FALSE(runner.Running());
    EXPECT_EQ(first.Outcome, qx::TRenderOutcome::Failed);
    EXPECT_FALSE(first.Message.empty());

    qx::TRenderResult second;
    ASSERT_TRUE(runner.Start(session, quiet, [&](const qx::TRenderResult& r) { second = r; }));
    runner.Wait();
    EXPECT_EQ(second.Outcome, qx::TRenderOutcome::Failed);
}
