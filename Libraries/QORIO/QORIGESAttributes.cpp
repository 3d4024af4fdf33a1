// QORIGESAttributes: layers, colours and units of IGES entities in a 3DM model.
#include "QORIGESAttributes.h"

#include <cctype>
#include <cmath>

namespace
{

ON_3dmUnitsAndTolerances::unit_system UnitSystem(int flag, const std::string& name, double& metres)
{
  struct Unit
  {
    int flag;
    const char* name;
    ON_3dmUnitsAndTolerances::unit_system system;
    double metres;
  };
  static const Unit units[] = {
      {1, "INCH", ON_3dmUnitsAndTolerances::inches, 0.0254},
      {1, "IN", ON_3dmUnitsAndTolerances::inches, 0.0254},
      {2, "MM", ON_3dmUnitsAndTolerances::millimeters, 0.001},
      {4, "FT", ON_3dmUnitsAndTolerances::feet, 0.3048},
      {5, "MI", ON_3dmUnitsAndTolerances::miles, 1609.344},
      {6, "M", ON_3dmUnitsAndTolerances::meters, 1.0},
      {7, "KM", ON_3dmUnitsAndTolerances::kilometers, 1000.0},
      {8, "MIL", ON_3dmUnitsAndTolerances::mils, 2.54e-5},
      {9, "UM", ON_3dmUnitsAndTolerances::microns, 1e-6},
      {10, "CM", ON_3dmUnitsAndTolerances::centimeters, 0.01},
      {11, "UIN", ON_3dmUnitsAndTolerances::microinches, 2.54e-8},
  };
  // Flag 3 names its unit.
  for (const Unit& unit : units)
    if (flag == 3 ? name == unit.name : flag == unit.flag)
    {
      metres = unit.metres;
      return unit.system;
    }
  metres = 1.0;
  return ON_3dmUnitsAndTolerances::no_unit_system;
}

} // namespace

QORIGESAttributes::QORIGESAttributes(const QORIGESFile& file, ONX_Model& model) : m_file(file), m_model(model) {}

void QORIGESAttributes::SetUnits()
{
  ON_3dmUnitsAndTolerances& units = m_model.m_settings.m_ModelUnitsAndTolerances;
  std::string name = m_file.UnitName();
  for (char& c : name)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  units.m_unit_system = UnitSystem(m_file.UnitFlag(), name, units.m_meters_per_unit);
}

ON_3dmObjectAttributes QORIGESAttributes::ForEntry(int index)
{
  const QORIGESEntry& entry = m_file.Entry(index);
  ON_3dmObjectAttributes attributes;
  attributes.m_layer_index = LayerIndex(EntryLevel(entry));
  // Colour number 0 assigns no colour: the layer's shows.
  const ON_Color colour = EntryColour(entry);
  if (entry.colour != 0 && colour != m_model.m_layer_table[attributes.m_layer_index].Color())
  {
    attributes.SetColorSource(ON::color_from_object);
    attributes.m_color = colour;
  }
  return attributes;
}

int QORIGESAttributes::EntryLevel(const QORIGESEntry& entry) const
{
  // A negative level points at a list of levels (property 406 form 1): the first one counts.
  const int list = m_file.EntryIndex(-static_cast<long long>(entry.level));
  QORIGESParameters p;
  std::string error;
  if (entry.level >= 0 || list < 0 || m_file.Entry(list).type != 406 || m_file.Entry(list).form != 1 ||
      !m_file.Parameters(list, p, error))
    return entry.level;
  const int level = p.Integer(2);
  return p.Failed() ? 0 : level;
}

int QORIGESAttributes::LayerIndex(int level)
{
  // Levels are layers of their number; entities without one go to "0".
  const int key = level > 0 ? level : 0;
  const auto found = m_layers.find(key);
  if (found != m_layers.end())
    return found->second;
  ON_Layer& layer = m_model.m_layer_table.AppendNew();
  layer.SetLayerName(ON_wString(std::to_string(key).c_str()));
  layer.SetColor(ON_Color(0, 0, 0));
  layer.SetLayerIndex(m_model.m_layer_table.Count() - 1);
  m_layers[key] = layer.LayerIndex();
  return layer.LayerIndex();
}

ON_Color QORIGESAttributes::EntryColour(const QORIGESEntry& entry) const
{
  static const ON_Color palette[] = {ON_Color(0, 0, 0),     ON_Color(255, 0, 0),    ON_Color(0, 255, 0),
                                     ON_Color(0, 0, 255),   ON_Color(255, 255, 0),  ON_Color(255, 0, 255),
                                     ON_Color(0, 255, 255), ON_Color(255, 255, 255)};
  if (entry.colour >= 1 && entry.colour <= 8)
    return palette[entry.colour - 1];
  // A negative number points at a colour definition: red, green and blue in percent.
  const int definition = m_file.EntryIndex(-static_cast<long long>(entry.colour));
  QORIGESParameters p;
  std::string error;
  if (entry.colour < 0 && definition >= 0 && m_file.Entry(definition).type == 314 &&
      m_file.Parameters(definition, p, error))
  {
    auto channel = [&](int field)
    {
      const double percent = p.Real(field);
      return static_cast<int>(std::lround(std::fmin(std::fmax(percent, 0.0), 100.0) / 100.0 * 255.0));
    };
    const ON_Color colour(channel(1), channel(2), channel(3));
    if (!p.Failed())
      return colour;
  }
  return ON_Color(255, 255, 255);
}
