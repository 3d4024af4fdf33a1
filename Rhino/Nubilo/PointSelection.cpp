#include "PointSelection.h"

#include "NubiloIdentity.h"

void PointSelection::Recall(ListOption* options, int count)
{
  for (int i = 0; i < count; i++)
  {
    int index = 0;
    RhinoApp().ProfileContext().LoadProfileInt(NubiloIdentity::SettingsSection, options[i].entry, &index);
    options[i].index = index >= 0 && index < options[i].count ? index : 0;
  }
}

bool PointSelection::Select(CRhinoGetObject& get, ListOption* options, int count)
{
  get.SetCommandPrompt(L"Select points");
  get.SetGeometryFilter(CRhinoGetObject::point_object);
  for (;;)
  {
    get.ClearCommandOptions();
    ON_SimpleArray<int> optionIndices;
    for (int i = 0; i < count; i++)
    {
      ON_SimpleArray<const wchar_t*> values;
      values.Append(options[i].count, options[i].values);
      optionIndices.Append(get.AddCommandOptionList(RHCMDOPTNAME(options[i].name), options[i].index, values));
    }
    const CRhinoGet::result answer = get.GetObjects(1, 0);
    if (answer == CRhinoGet::object)
      return true;
    if (answer != CRhinoGet::option || !get.Option())
      return false;
    for (int i = 0; i < count; i++)
      if (get.Option()->m_option_index == optionIndices[i])
        options[i].index = get.Option()->m_list_option_current;
  }
}

void PointSelection::Remember(const ListOption* options, int count)
{
  for (int i = 0; i < count; i++)
    RhinoApp().ProfileContext().SaveProfileInt(NubiloIdentity::SettingsSection, options[i].entry, options[i].index);
}

ON_3dPointArray PointSelection::Points(const CRhinoGetObject& get)
{
  ON_3dPointArray points;
  for (int i = 0; i < get.ObjectCount(); i++)
    if (const ON_Point* point = ON_Point::Cast(get.Object(i).Geometry()))
      points.Append(point->point);
  return points;
}
