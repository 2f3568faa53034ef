#include <unistd.h>

#include <iostream>

#include "app/cli/command_line.h"

int main(int argc, char** argv) {
  return tamikaze::RunCommandLine(argc, argv, tamikaze::Environment::FromProcess(), std::cout,
                                  std::cerr, isatty(STDERR_FILENO) == 1);
}
