#pragma once

#include "opennurbs_3dpointarray.h"
#include "opennurbs_bounding_box.h"
#include "opennurbs_color.h"
#include "opennurbs_geometry.h"
#include "opennurbs_plane.h"

class ON_BinaryArchive;

// A set of points kept as one object, with optional normals and colours per point.
class ON_CLASS ON_PointCloud : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_PointCloud);

public:
  ON_PointCloud() = default;
  explicit ON_PointCloud(int capacity);

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  int PointCount() const;
  void AppendPoint(const ON_3dPoint& point);
  ON_3dPoint& operator[](int i);
  const ON_3dPoint& operator[](int i) const;
  bool HasPointNormals() const;
  bool HasPointColors() const;
  void InvalidateBoundingBox();

  ON_3dPointArray m_P;
  ON_Plane m_plane;
  ON_BoundingBox m_bbox;
  // Bit 0: the points are ordered.
  unsigned int m_flags = 0;
  ON_SimpleArray<ON_3dVector> m_N;
  ON_SimpleArray<ON_Color> m_C;
};
