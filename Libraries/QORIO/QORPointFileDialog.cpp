#include "QORPointFileDialog.h"

#include "MessageBox.h"
#include "Presenter.h"
#include "QORTXT.h"
#include "WaitCursor.h"

#include <cstdio>
#include <cstring>

using Platform::FieldKind;

namespace
{

std::string Trimmed(const std::string& text)
{
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos)
    return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

QORPointFileDialog::QORPointFileDialog(ON_ClassArray<QOR3dPoint>& points, const ON_wString& fileName, HWND* owner)
    : m_points(points), m_fileName(fileName), m_owner(owner), m_form("Point File")
{
  std::vector<std::string> formats;
  for (int i = 0; i < QORTXT::FormatCount; ++i)
    formats.push_back(QORTXT::FormatName(i));
  const std::string name = static_cast<const char*>(ON_String(fileName));
  Platform::FormField& file = m_form.Add({"File", "Point file name", FieldKind::Text, name});
  file.enabled = fileName.IsEmpty(); // Browse is disabled for a given file
  m_form.Add({"Preview", "Preview (first 100 lines)", FieldKind::Lines});
  m_form.Add({"Format", "Format", FieldKind::Choice, "0", formats});
  m_form.Add({"Tab", "Tab", FieldKind::Check, "1"});
  m_form.Add({"Semicolon", "Semicolon", FieldKind::Check, "1"});
  m_form.Add({"Comma", "Comma", FieldKind::Check, "1"});
  m_form.Add({"Space", "Space", FieldKind::Check, "1"});
  m_form.Add({"Other", "Other", FieldKind::Check, "0"});
  m_form.Add({"OtherDelimiter", "Other delimiter", FieldKind::Text, ""}).maxLength = 1;
  m_form.Add({"Output", "Output (Number, X, Y, Z, Description)", FieldKind::Lines});
  m_form.SetChangeHandler([this](Platform::Form&, const std::string& f) { OnChange(f); });

  m_points.Empty();
  if (!fileName.IsEmpty())
  {
    FillPreview();
    RefreshOutput();
  }
}

bool QORPointFileDialog::DoModal() { return Platform::Presenter::Current().ShowForm(m_form); }

void QORPointFileDialog::OnChange(const std::string& field)
{
  if (field == "File")
  {
    const std::string chosen = Trimmed(m_form.Value("File")); // blanks around a typed name
    m_form.Put("File", chosen);
    if (chosen.empty())
    { // a browse without a choice changes nothing
      m_form.Put("File", static_cast<const char*>(ON_String(m_fileName)));
      return;
    }
    m_fileName = ON_wString(chosen.c_str());
    FillPreview();
  }
  if (field != "Preview" && field != "Output")
    RefreshOutput();
}

void QORPointFileDialog::FillPreview()
{
  Platform::FormField& preview = *m_form.Find("Preview");
  preview.items.clear();
  if (m_fileName.IsEmpty())
    return;
  std::FILE* file = std::fopen(static_cast<const char*>(ON_String(m_fileName)), "r");
  if (!file)
  {
    Platform::MessageBox::Show(m_owner, "Error reading point file", "Error", Platform::MessageIcon::Exclamation);
    return;
  }
  char line[255];
  while (static_cast<int>(preview.items.size()) < PreviewLines && std::fgets(line, sizeof line, file))
  {
    line[std::strcspn(line, "\r\n")] = '\0';
    preview.items.push_back(line);
  }
  std::fclose(file);
}

std::string QORPointFileDialog::Delimiters() const
{
  std::string set;
  if (m_form.Checked("Comma"))
    set += ',';
  if (m_form.Checked("Semicolon"))
    set += ';';
  if (m_form.Checked("Space"))
    set += ' ';
  if (m_form.Checked("Tab"))
    set += '\t';
  const std::string& other = m_form.Value("OtherDelimiter");
  if (m_form.Checked("Other") && !other.empty())
    set += other[0];
  return set;
}

void QORPointFileDialog::RefreshOutput()
{
  if (m_form.Find("Preview")->items.empty())
    return;
  Platform::WaitCursor wait;
  Platform::FormField& output = *m_form.Find("Output");
  output.items.clear();
  if (!QORTXT::Read(m_fileName, m_form.IntValue("Format"), Delimiters().c_str(), &m_points))
    return;
  for (int i = 0; i < m_points.Count() && i < OutputLines; ++i)
  {
    const QOR3dPoint& p = m_points[i];
    char text[512];
    std::snprintf(text, sizeof text, "%s, %f, %f, %f, %s", static_cast<const char*>(p.m_number), p.m_point.x,
                  p.m_point.y, p.m_point.z, static_cast<const char*>(p.m_description));
    output.items.push_back(text);
  }
}
