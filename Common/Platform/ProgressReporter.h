#pragma once

#include "ProgressWindow.h"
#include "WindowHandle.h"

#include <string>

namespace Platform
{

// A progress window driven by a counter between min and max: the bar shows how far the counter
// has come, the line a fixed status text or, when the status is empty, "<p> % complete".
// The progress reporters of the libraries are this class under their own names.
class ProgressReporter
{
public:
  ProgressReporter();
  ProgressReporter(const std::string& title, const std::string& status, double min, double max, HWND* parent);
  virtual ~ProgressReporter();
  ProgressReporter(const ProgressReporter&) = delete;
  ProgressReporter& operator=(const ProgressReporter&) = delete;

  void SetTitle(const std::string& title);
  std::string GetTitle() const { return m_title; }
  void SetStatus(const std::string& status);
  std::string GetStatus() const { return m_status; }
  void SetMin(double value) { m_min = value; }
  double GetMin() const { return m_min; }
  void SetMax(double value) { m_max = value; }
  double GetMax() const { return m_max; }
  void SetParentWnd(HWND* parent) { m_parent = parent; }
  HWND* GetParentWnd() const { return m_parent; }

  void StartProgress();
  void SetCurrent(double value);
  void StepIt(double increment);
  double GetCurrent() const { return m_current; }
  void EndProgress();

  // What the window shows: its bar position (0 to 100) and line of text.
  const ProgressWindow& Window() const { return m_window; }

private:
  void ShowPercentage();

  std::string m_title;
  std::string m_status;
  bool m_statusFixed = false;
  std::string m_shownText;
  double m_min = 0;
  double m_max = 100;
  double m_current = 0;
  HWND* m_parent = nullptr;
  ProgressWindow m_window;
};

} // namespace Platform
