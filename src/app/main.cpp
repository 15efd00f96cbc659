// Program entry.
#include "program.h"

int main(int argc, char** argv) { return mensurio::RunProgram(argc, argv); }
