#include "opennurbs_on.h"

ON::object_type ON::ObjectType(int i)
{
  switch (static_cast<unsigned int>(i))
  {
  case point_object:
  case pointset_object:
  case curve_object:
  case surface_object:
  case brep_object:
  case mesh_object:
  case layer_object:
  case material_object:
  case light_object:
  case annotation_object:
  case userdata_object:
  case instance_definition:
  case instance_reference:
  case text_dot:
  case grip_object:
  case detail_object:
  case hatch_object:
  case morph_control_object:
  case loop_object:
  case polysrf_filter:
  case edge_filter:
  case polyedge_filter:
  case meshvertex_object:
  case meshedge_object:
  case meshface_object:
  case cage_object:
  case phantom_object:
  case clipplane_object:
  case extrusion_object:
  case any_object:
    return static_cast<object_type>(static_cast<unsigned int>(i));
  default:
    return unknown_object_type;
  }
}

ON::point_style ON::PointStyle(int i)
{
  if (i >= not_rational && i <= intrinsic_point_style)
    return static_cast<point_style>(i);
  return unknown_point_style;
}

ON::object_mode ON::ObjectMode(int i)
{
  return (i >= normal_object && i < object_mode_count) ? static_cast<object_mode>(i) : normal_object;
}

ON::object_color_source ON::ObjectColorSource(int i)
{
  return (i >= color_from_layer && i <= color_from_parent) ? static_cast<object_color_source>(i) : color_from_layer;
}

ON::object_material_source ON::ObjectMaterialSource(int i)
{
  return (i == material_from_object || i == material_from_parent) ? static_cast<object_material_source>(i)
                                                                  : material_from_layer;
}

ON::eAnnotationType ON::AnnotationType(int i)
{
  return (i >= dtNothing && i <= dtDimOrdinate) ? static_cast<eAnnotationType>(i) : dtNothing;
}

ON::eTextDisplayMode ON::TextDisplayMode(int i)
{
  return (i >= dtNormal && i <= dtInLine) ? static_cast<eTextDisplayMode>(i) : dtNormal;
}

ON::light_style ON::LightStyle(int i)
{
  return (i >= camera_directional_light && i <= world_rectangular_light) ? static_cast<light_style>(i)
                                                                         : unknown_light_style;
}
