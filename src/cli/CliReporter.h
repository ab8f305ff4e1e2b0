#pragma once

#include "render/RenderReporter.h"

#include <mutex>

namespace qx::cli {

// Prints the render log to stdout, one line each and nothing else; draws a
// progress bar on stderr only when stderr is a terminal.
class CliReporter final : public RenderReporter {
public:
    CliReporter();

    void AddLogLine(const std::string& line) override;
    void SetProgress(int percent) override;
    void ShowJobLabel(const std::string& text) override;
    void HideJobLabel() override;
    // The mosaic only ever reaches files.
    bool ShowsCanvas() const override { return false; }
    // Removes the progress bar before the program prints anything else.
    void Finish();

private:
    void DrawBar();
    void ClearBar();

    std::mutex mutex_;
    bool terminal_;
    bool barShown_ = false;
    int percent_ = -1;
    std::string label_;
};

} // namespace qx::cli
