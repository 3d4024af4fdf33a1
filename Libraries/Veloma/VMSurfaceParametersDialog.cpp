#include "VMSurfaceParametersDialog.h"

#include "Presenter.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

using Platform::FieldKind;
using Platform::FormField;

namespace
{

std::string FormatDouble(double value)
{
  char text[64];
  for (int digits = 15; digits <= 17; digits++)
  {
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    if (std::strtod(text, nullptr) == value)
      break;
  }
  return text;
}

std::function<std::string(const FormField&)> PositiveInteger(const char* warning)
{
  return [warning](const FormField& field)
  {
    const long value = std::strtol(field.value.c_str(), nullptr, 10);
    return (value > 0 && value <= INT_MAX) ? std::string() : std::string(warning);
  };
}

} // namespace

VMSurfaceParametersDialog::VMSurfaceParametersDialog(int rows, int columns, double probeDiameter, HWND* owner)
    : m_form("Surface Parameters"), m_owner(owner)
{
  m_form.Add({"Intro",
              "Please specify the number of rows (horizontal) and columns (vertical) that the "
              "resulting surface should have.",
              FieldKind::Lines,
              "",
              {"Note: The values calculated below assume that the points are evenly distributed. If this "
               "is not the case you may want to reduce the values to get a smoother surface."}});
  m_form.Add({"Rows", "Number of rows", FieldKind::Integer, std::to_string(rows)}).validate =
      PositiveInteger("Please enter a positive value for number of rows");
  m_form.Add({"Columns", "Number of columns", FieldKind::Integer, std::to_string(columns)}).validate =
      PositiveInteger("Please enter a positive value for number of columns");
  m_form.Add({"ProbeNote",
              "If the points were recorded using a touch probe digitizer you may want to adjust "
              "the resulting surface to compensate for the probe diameter.",
              FieldKind::Lines,
              "",
              {"Note: A value of zero will not adjust the resulting surface."}});
  m_form.Add({"ProbeDiameter", "Probe diameter", FieldKind::Number, FormatDouble(probeDiameter)});
}

bool VMSurfaceParametersDialog::DoModal()
{
  (void)m_owner; // forms are modal to the whole session; the owner only matters to a windowing host
  return Platform::Presenter::Current().ShowForm(m_form);
}

int VMSurfaceParametersDialog::Rows() const { return m_form.IntValue("Rows"); }

int VMSurfaceParametersDialog::Columns() const { return m_form.IntValue("Columns"); }

double VMSurfaceParametersDialog::ProbeDiameter() const { return m_form.NumberValue("ProbeDiameter"); }
