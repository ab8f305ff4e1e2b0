#pragma once

#include "render/RenderReporter.h"

#include <string>
#include <vector>

namespace qx::test {

// Keeps every log line and progress value a step reports, in order.
class RecordingReporter final : public RenderReporter {
public:
    void AddLogLine(const std::string& line) override { Lines.push_back(line); }
    void SetProgress(int percent) override { Progress.push_back(percent); }
    void ShowJobLabel(const std::string&) override {}
    void HideJobLabel() override {}

    std::vector<std::string> Lines;
    std::vector<int> Progress;
};

} // namespace qx::test
