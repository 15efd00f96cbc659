// The whole program from start to end.
#pragma once

#include <functional>

namespace mensurio {

enum class StartMode {
  Normal,           // runs until the main window closes
  QuitWhenPainted,  // ends once the main window has been painted the first time
  QuitWhenReady,    // ends once, after that, the dialogs have been created too
};

// Told the moment a quitting mode stops at: "painted" or "ready".
using StartReport = std::function<void(const char* moment)>;

// Enters the data directory, creates the windows, runs the event loop. The
// two quitting modes serve the start-up measurements.
int RunProgram(int argc, char** argv, StartMode mode = StartMode::Normal, const StartReport& report = {});

}  // namespace mensurio
