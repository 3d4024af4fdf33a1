#pragma once

#include "Form.h"
#include "WindowHandle.h"

// The "Surface Parameters" dialog: rows, columns (both must be positive) and the probe diameter.
class VMSurfaceParametersDialog
{
public:
  VMSurfaceParametersDialog(int rows, int columns, double probeDiameter, HWND* owner);

  // True on OK.
  bool DoModal();

  int Rows() const;
  int Columns() const;
  double ProbeDiameter() const;
  Platform::Form& Form() { return m_form; }

private:
  Platform::Form m_form;
  HWND* m_owner;
};
