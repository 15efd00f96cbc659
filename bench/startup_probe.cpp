// Mensurio's own start, ended as soon as the main window is shown.
#include "program.h"

int main(int argc, char** argv) { return mensurio::RunProgram(argc, argv, true); }
