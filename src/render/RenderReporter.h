#pragma once

#include <string>

namespace qx {

// What a render job tells its watcher. The render monitor window implements
// it (queueing each call into the GUI thread); the command line prints the
// log lines to stdout. Calls come from the job's thread, in step order.
class RenderReporter {
public:
    virtual ~RenderReporter() = default;

    virtual void AddLogLine(const std::string& line) = 0;
    // Percent 0..100 of the current step.
    virtual void SetProgress(int percent) = 0;
    // The sub-task label: shown with a text, or hidden.
    virtual void ShowJobLabel(const std::string& text) = 0;
    virtual void HideJobLabel() = 0;
    // The mosaic bitmap changed (a page was drawn or loaded).
    virtual void MosaicChanged() {}
    // False when the mosaic bitmap is never shown while the job runs, so
    // steps may leave out what only a viewer would see.
    virtual bool ShowsCanvas() const { return true; }
};

// A reporter that drops everything, for callers that watch nothing.
class SilentReporter final : public RenderReporter {
public:
    void AddLogLine(const std::string&) override {}
    void SetProgress(int) override {}
    void ShowJobLabel(const std::string&) override {}
    void HideJobLabel() override {}
};

} // namespace qx
