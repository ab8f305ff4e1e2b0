#include "cli/CliReporter.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace qx::cli {

CliReporter::CliReporter() : terminal_(::isatty(STDERR_FILENO) == 1) {}

void CliReporter::AddLogLine(const std::string& line)
{
    std::lock_guard lock(mutex_);
    ClearBar();
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    DrawBar();
}

void CliReporter::SetProgress(int percent)
{
    std::lock_guard lock(mutex_);
    percent = std::clamp(percent, 0, 100);
    if (percent == percent_)
        return;
    percent_ = percent;
    DrawBar();
}

void CliReporter::ShowJobLabel(const std::string& text)
{
    std::lock_guard lock(mutex_);
    label_ = text;
    DrawBar();
}

void CliReporter::HideJobLabel()
{
    std::lock_guard lock(mutex_);
    label_.clear();
    DrawBar();
}

void CliReporter::Finish()
{
    std::lock_guard lock(mutex_);
    ClearBar();
}

void CliReporter::DrawBar()
{
    if (!terminal_ || percent_ < 0)
        return;
    constexpr int width = 30;
    const int filled = percent_ * width / 100;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(width - filled), '-');
    std::fprintf(stderr, "\r\033[K[%s] %3d%%%s", bar.c_str(), percent_, label_.c_str());
    std::fflush(stderr);
    barShown_ = true;
}

void CliReporter::ClearBar()
{
    if (!barShown_)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    barShown_ = false;
}

} // namespace qx::cli
