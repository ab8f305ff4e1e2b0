#pragma once

#include "render/RenderReporter.h"

#include <functional>
#include <string>
#include <vector>

namespace qx::test {

// Keeps, in order, every log line, progress value and shown label a step
// reports, and counts the mosaic changes, calling OnMosaicChanged at each.
class RecordingReporter final : public RenderReporter {
public:
    void AddLogLine(const std::string& line) override { Lines.push_back(line); }
    void SetProgress(int percent) override { Progress.push_back(percent); }
    void ShowJobLabel(const std::string& text) override { Labels.push_back(text); }
    void HideJobLabel() override {}
    void MosaicChanged() override
    {
        ++Changes;
        if (OnMosaicChanged)
            OnMosaicChanged();
    }

    std::vector<std::string> Lines;
    std::vector<int> Progress;
    std::vector<std::string> Labels;
    int Changes = 0;
    std::function<void()> OnMosaicChanged;
};

} // namespace qx::test
