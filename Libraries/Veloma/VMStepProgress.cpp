#include "VMStepProgress.h"

VMStepProgress::VMStepProgress(const std::string& title, int itemCount, int showProgress)
  : m_progress(title, "", 0, 100, nullptr), m_show(showProgress != 0)
{
  if (!m_show)
    return;
  m_progress.SetMax(itemCount);
  m_progress.StartProgress();
}

VMStepProgress::~VMStepProgress()
{
  if (m_show)
    m_progress.EndProgress();
}
