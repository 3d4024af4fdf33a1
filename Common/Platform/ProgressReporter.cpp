#include "ProgressReporter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Platform
{

ProgressReporter::ProgressReporter() : ProgressReporter("Progress", "", 0, 100, nullptr) {}

ProgressReporter::ProgressReporter(const std::string& title, const std::string& status, double min, double max,
                                   HWND* parent)
    : m_title(title), m_status(status), m_min(min), m_max(max), m_current(min), m_parent(parent)
{
}

ProgressReporter::~ProgressReporter() { EndProgress(); }

void ProgressReporter::SetTitle(const std::string& title)
{
  m_title = title;
  if (m_window.IsOpen())
    m_window.SetTitle(title);
}

void ProgressReporter::SetStatus(const std::string& status)
{
  m_status = status;
  m_statusFixed = !status.empty();
  m_shownText = status;
  if (m_window.IsOpen())
    m_window.SetText(m_shownText);
}

void ProgressReporter::StartProgress()
{
  m_window.Open(m_title);
  SetStatus(m_status);
  SetCurrent(m_min);
}

void ProgressReporter::SetCurrent(double value)
{
  m_current = value;
  ShowPercentage();
}

void ProgressReporter::StepIt(double increment)
{
  m_current += increment;
  ShowPercentage();
}

void ProgressReporter::EndProgress() { m_window.Close(); }

void ProgressReporter::ShowPercentage()
{
  // An empty range has no percentage; the bar then stays at the start.
  const double range = m_max - m_min;
  const double fraction = range != 0 ? (m_current - m_min) / range * 100.0 : 0.0;
  const int percent = std::isfinite(fraction) ? static_cast<int>(std::trunc(std::clamp(fraction, -1e9, 1e9))) : 0;
  m_window.SetPosition(percent);
  if (!m_statusFixed)
  {
    char text[64];
    std::snprintf(text, sizeof text, "%d %% complete", percent);
    m_shownText = text;
  }
  m_window.SetText(m_shownText);
}

} // namespace Platform
