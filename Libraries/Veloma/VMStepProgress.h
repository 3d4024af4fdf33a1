#pragma once

#include "VMProgress.h"

#include <string>

class ON_3dPointArray;

// One step of a long operation: a progress window titled after the step, opened only when
// progress is wanted, advanced before each item and closed when the step ends. The step also asks
// whether the user wants the operation stopped (Ctrl-C), at its first item and every
// kPollInterval items.
class VMStepProgress
{
public:
  static constexpr int kPollInterval = 4096;

  VMStepProgress(const std::string& title, int itemCount, int showProgress);
  ~VMStepProgress();
  VMStepProgress(const VMStepProgress&) = delete;
  VMStepProgress& operator=(const VMStepProgress&) = delete;

  // False when the operation is to stop; the error text of VMSurface is then "Cancelled".
  bool Item(int index)
  {
    if (m_show)
      m_progress.SetCurrent(index);
    return index % kPollInterval != 0 || !Stopped();
  }

  // Whether the user has asked to stop; if so, sets the error text "Cancelled".
  static bool Stopped();

private:
  VMProgress m_progress;
  bool m_show;
};

// Hands the points of a step's result over to the caller's array without copying them: a step
// that may be stopped builds its result apart and leaves the caller's points as they were.
void HandOver(ON_3dPointArray& result, ON_3dPointArray& to);
