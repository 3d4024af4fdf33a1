#pragma once

#include "opennurbs_defines.h"

// Toolkit-wide enumerations, kept under the toolkit's ON name.
class ON_CLASS ON
{
public:
  enum object_type
  {
    unknown_object_type = 0,
    point_object = 1,
    pointset_object = 2,
    curve_object = 4,
    surface_object = 8,
    brep_object = 0x10,
    mesh_object = 0x20,
    layer_object = 0x40,
    material_object = 0x80,
    light_object = 0x100,
    annotation_object = 0x200,
    userdata_object = 0x400,
    instance_definition = 0x800,
    instance_reference = 0x1000,
    text_dot = 0x2000,
    grip_object = 0x4000,
    detail_object = 0x8000,
    hatch_object = 0x10000,
    morph_control_object = 0x20000,
    loop_object = 0x80000,
    polysrf_filter = 0x200000,
    edge_filter = 0x400000,
    polyedge_filter = 0x800000,
    meshvertex_object = 0x01000000,
    meshedge_object = 0x02000000,
    meshface_object = 0x04000000,
    cage_object = 0x08000000,
    phantom_object = 0x10000000,
    clipplane_object = 0x20000000,
    extrusion_object = 0x40000000,
    any_object = 0xFFFFFFFF
  };

  enum point_style
  {
    unknown_point_style = 0,
    not_rational = 1,
    homogeneous_rational = 2,
    euclidean_rational = 3,
    intrinsic_point_style = 4
  };

  // How an object of a model is shown and edited.
  enum object_mode
  {
    normal_object = 0,
    hidden_object = 1,
    locked_object = 2,
    idef_object = 3,
    object_mode_count = 4
  };

  enum object_color_source
  {
    color_from_layer = 0,
    color_from_object = 1,
    color_from_material = 2,
    color_from_parent = 3
  };

  enum object_material_source
  {
    material_from_layer = 0,
    material_from_object = 1,
    material_from_parent = 3
  };

  // Kind of an annotation object (ON_Annotation2::m_type).
  enum eAnnotationType
  {
    dtNothing = 0,
    dtDimLinear = 1,
    dtDimAligned = 2,
    dtDimAngular = 3,
    dtDimDiameter = 4,
    dtDimRadius = 5,
    dtLeader = 6,
    dtTextBlock = 7,
    dtDimOrdinate = 8
  };

  // How annotation text is oriented: in the annotation's plane, always facing the view, or
  // relative to a dimension line.
  enum eTextDisplayMode
  {
    dtNormal = 0,
    dtHorizontal = 1,
    dtAboveLine = 2,
    dtInLine = 3
  };

  // Where a light is and what it lights.
  enum light_style
  {
    unknown_light_style = 0,
    camera_directional_light = 4,
    camera_point_light = 5,
    camera_spot_light = 6,
    world_directional_light = 7,
    world_point_light = 8,
    world_spot_light = 9,
    ambient_light = 10,
    world_linear_light = 11,
    world_rectangular_light = 12
  };

  static object_type ObjectType(int i);
  static point_style PointStyle(int i);
  // Out-of-range values give the first enumerator.
  static object_mode ObjectMode(int i);
  static object_color_source ObjectColorSource(int i);
  static object_material_source ObjectMaterialSource(int i);
  static eAnnotationType AnnotationType(int i);
  static eTextDisplayMode TextDisplayMode(int i);
  static light_style LightStyle(int i);
};
