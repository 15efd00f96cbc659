// Mensurio's own start, ended once the main window has been painted; with
// --ready, once the dialogs made after that paint exist too.
#include <cstring>

#include "program.h"
#include "startclock.h"

int main(int argc, char** argv) {
  bool ready = argc > 1 && std::strcmp(argv[1], "--ready") == 0;
  return mensurio::RunProgram(1, argv,
                              ready ? mensurio::StartMode::QuitWhenReady : mensurio::StartMode::QuitWhenPainted,
                              WriteStartClock);
}
