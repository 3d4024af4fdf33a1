#pragma once

#include "HeadlessPresenter.h"
#include "ProgressWindow.h"
#include "VMSurface.h"

#include <gtest/gtest.h>

#include <string>

// Installs a headless presenter and quiet progress for the drape tests.
class DrapeTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    Platform::ProgressWindow::SetQuiet(true);
    Platform::Presenter::Install(&m_presenter);
  }
  void TearDown() override
  {
    Platform::Presenter::Install(nullptr);
    Platform::ProgressWindow::SetQuiet(false);
  }

  // The next "Surface Parameters" dialog is answered with these values and OK.
  void AnswerDialog(int rows, int columns, double probeDiameter = 0.0)
  {
    m_presenter.QueueAnswer(
        [=](Platform::Form& form)
        {
          std::string error;
          return form.Set("Rows", std::to_string(rows), error) && form.Set("Columns", std::to_string(columns), error) &&
                 form.Set("ProbeDiameter", std::to_string(probeDiameter), error);
        });
  }
  void CancelDialog()
  {
    m_presenter.QueueAnswer([](Platform::Form&) { return false; });
  }

  static std::string Error() { return static_cast<const char*>(ON_String(VMSurface::GetError())); }

  Platform::HeadlessPresenter m_presenter;
};

inline ON_3dPointArray Points(std::initializer_list<ON_3dPoint> list)
{
  ON_3dPointArray points;
  for (const ON_3dPoint& p : list)
    points.Append(p);
  return points;
}
