// The "3DM Export Options" dialog.

#include "QOR3DM.h"

#include "Presenter.h"

int QOR3DM::Get3DMExportOptions(int& version, HWND* /*parent*/)
{
  Platform::Form form("3DM Export Options");
  Platform::FormField field;
  field.name = "Version";
  field.label = "3DM version";
  field.kind = Platform::FieldKind::Choice;
  field.items = {"2.0", "3.0", "4.0"};
  field.value = version == 2 ? "0" : (version == 3 ? "1" : "2");
  form.Add(field);
  if (!Platform::Presenter::Current().ShowForm(form))
    return 0;
  version = form.IntValue("Version") + 2;
  return 1;
}
