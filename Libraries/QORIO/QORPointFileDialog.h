#pragma once

#include "Form.h"
#include "QOR3dPoint.h"
#include "WindowHandle.h"
#include "opennurbs.h"

#include <string>

// The "Point File" dialog: the user picks a file, sees its first lines, chooses the column
// layout and the delimiters, and sees the points that result. The caller's array always holds
// every point of the last refresh.
class QORPointFileDialog
{
public:
  // A non-empty file name is opened at once and cannot be changed.
  QORPointFileDialog(ON_ClassArray<QOR3dPoint>& points, const ON_wString& fileName, HWND* owner);

  // Shows the dialog through the installed presenter; true for OK.
  bool DoModal();
  const ON_wString& FileName() const { return m_fileName; }
  Platform::Form& Form() { return m_form; }

  static const int PreviewLines = 100;
  static const int OutputLines = 100;

private:
  void OnChange(const std::string& field);
  void FillPreview();
  void RefreshOutput();
  std::string Delimiters() const;

  ON_ClassArray<QOR3dPoint>& m_points;
  ON_wString m_fileName;
  HWND* m_owner;
  Platform::Form m_form;
};
