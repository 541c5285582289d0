// The orderly end of the program: close the files, say farewell, take down every
// window, end the process at once.
#pragma once

#include <functional>

namespace AvcalcMod {

// Closes all files, shows the farewell box (only on the first entry: a click on the
// farewell text enters again while the box is up), hides and unloads every loaded
// window, clears CurrentForm and ends the program. Does not return in the program.
void ShutDown();

// Ends the process at once: stdout and stderr are flushed, then the process exits with
// status 0 without close handlers or static teardown. Tests replace it with a hook that
// returns (null restores the real end); ShutDown then returns to its caller.
void SetEndProgramHook(std::function<void()> hook);
void EndProgram();

// Tests: forget that the program has been shut down.
void ResetShutDown();

}  // namespace AvcalcMod
