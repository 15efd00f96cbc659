// The whole program from start to end.
#pragma once

namespace mensurio {

// Enters the data directory, creates the windows, runs the event loop until
// the main window closes. With quit_when_shown the program ends as soon as
// the main window is on the screen (for start-up measurements).
int RunProgram(int argc, char** argv, bool quit_when_shown = false);

}  // namespace mensurio
