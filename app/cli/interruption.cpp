#include "app/cli/interruption.h"

#include <csignal>

namespace tamikaze {
namespace {

// The one process-wide value here: a signal handler can reach nothing else.
volatile std::sig_atomic_t caught = 0;

void Note(int signal) {
  if (caught == 0) caught = signal;
}

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace

void CatchInterruptions() {
  for (int signal : kSignals) {
    struct sigaction old {};
    if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    ::sigaction(signal, &action, nullptr);
  }
}

int CaughtInterruption() {
  return caught;
}

const char* InterruptionName(int signal) {
  switch (signal) {
    case SIGINT:
      return "SIGINT";
    case SIGTERM:
      return "SIGTERM";
    case SIGHUP:
      return "SIGHUP";
  }
  return "?";
}

}  // namespace tamikaze
