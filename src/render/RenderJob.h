#pragma once

#include <string>

namespace qx {

class RenderReporter;
struct Session;

enum class TRenderOutcome { Created, Loaded, Failed };

struct TRenderResult {
    TRenderOutcome Outcome = TRenderOutcome::Failed;
    // For a failure: one sentence naming the step and what went wrong.
    std::string Message;
};

// Brings the session's CurrentProject to its stored stage: stage 0 indexes
// the photos, lays out and assigns the cells, draws and writes the mosaic
// and the reports; stage 1 indexes again and draws from the saved cells;
// stage 2 reloads the saved index, cells and "output.bmp". Every step is
// logged through the reporter. A failing step ends the job with a failed
// outcome; files written before it stay on disk. Runs on the caller's
// thread and touches only the session.
TRenderResult RunRenderJob(Session& session, RenderReporter& reporter);

} // namespace qx
