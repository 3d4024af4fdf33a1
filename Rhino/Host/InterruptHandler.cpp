#include "InterruptHandler.h"

#include "Interrupt.h"
#include "LineEditor.h"

#include <csignal>
#include <ctime>
#include <unistd.h>

namespace
{

volatile std::sig_atomic_t g_scriptRun = 0;
volatile std::sig_atomic_t g_runInterrupted = 0;
volatile long long g_lastInterruptMs = -1000000;

long long NowMs()
{
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void OnInterrupt(int)
{
  const long long now = NowMs();
  const bool second = now - g_lastInterruptMs < 1000;
  g_lastInterruptMs = now;
  if (second || g_runInterrupted)
    _exit(InterruptHandler::kExitStatus);
  if (g_scriptRun)
  {
    g_runInterrupted = 1;
    Platform::Interrupt::Request();
  }
  else if (LineEditor::Reading())
  {
    LineEditor::ClearLine();
  }
  else
  {
    Platform::Interrupt::Request();
  }
}

} // namespace

void InterruptHandler::Install(bool scriptRun)
{
  g_scriptRun = scriptRun ? 1 : 0;
  struct sigaction action = {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
}

bool InterruptHandler::RunInterrupted() { return g_runInterrupted != 0; }
