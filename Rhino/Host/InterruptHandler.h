#pragma once

// Ctrl-C in the nubilo program. During a command it asks the command to stop
// (Platform::Interrupt); at the prompt it clears the line; a second one within a second ends
// the program with status 130. In a script run the first one stops the running command and
// ends the run with status 130, and any further one ends the program at once.
class InterruptHandler
{
public:
  static const int kExitStatus = 130;

  static void Install(bool scriptRun);
  // True once a script run was interrupted.
  static bool RunInterrupted();
};
