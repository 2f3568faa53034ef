#include <unistd.h>

#include <csignal>
#include <iostream>

#include "app/cli/command_line.h"
#include "app/cli/interruption.h"

int main(int argc, char** argv) {
  // A file-size limit then fails the write with EFBIG, which is reported,
  // instead of killing the program in the middle of a file.
  std::signal(SIGXFSZ, SIG_IGN);
  tamikaze::CatchInterruptions();
  return tamikaze::RunCommandLine(argc, argv, tamikaze::Environment::FromProcess(), std::cout,
                                  std::cerr, isatty(STDERR_FILENO) == 1);
}
