// Program entry: --help and --version answer before any window opens.
#include <iostream>

#include "commandline.h"
#include "program.h"

int main(int argc, char** argv) {
  if (auto status = mensurio::AnswerCommandLine(argc, argv, std::cout, std::cerr)) return *status;
  return mensurio::RunProgram(argc, argv);
}
