#pragma once

#include "VMProgress.h"

#include <string>

// One step of a long operation: a progress window titled after the step, opened only when
// progress is wanted, advanced before each item and closed when the step ends.
class VMStepProgress
{
public:
  VMStepProgress(const std::string& title, int itemCount, int showProgress);
  ~VMStepProgress();
  VMStepProgress(const VMStepProgress&) = delete;
  VMStepProgress& operator=(const VMStepProgress&) = delete;

  void Item(int index)
  {
    if (m_show)
      m_progress.SetCurrent(index);
  }

private:
  VMProgress m_progress;
  bool m_show;
};
