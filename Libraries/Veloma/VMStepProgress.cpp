#include "VMStepProgress.h"

#include "Interrupt.h"
#include "VMSurface.h"

#include <utility>

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

bool VMStepProgress::Stopped()
{
  if (!Platform::Interrupt::Requested())
    return false;
  VMSurface::SetError(Platform::Interrupt::kCancelled);
  return true;
}

void HandOver(ON_3dPointArray& result, ON_3dPointArray& to)
{
  static_cast<ON_SimpleArray<ON_3dPoint>&>(to) = std::move(static_cast<ON_SimpleArray<ON_3dPoint>&>(result));
}
