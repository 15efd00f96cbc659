// The whole program from start to end.
#pragma once

namespace mensurio {

enum class StartMode {
  Normal,           // runs until the main window closes
  QuitWhenPainted,  // ends once the main window has been painted the first time
  QuitWhenReady,    // ends once, after that, the dialogs have been created too
};

// Enters the data directory, creates the windows, runs the event loop. The
// two quitting modes serve the start-up measurements.
int RunProgram(int argc, char** argv, StartMode mode = StartMode::Normal);

}  // namespace mensurio
