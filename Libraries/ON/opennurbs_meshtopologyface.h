#pragma once

#include "opennurbs_defines.h"

// The edges of a mesh face. m_topei[k] ends at the face's corner k and starts at the corner
// before it; m_reve[k] is 1 when the edge runs against the face. A triangle repeats its third
// edge in m_topei[3]. A degenerate face has all entries 0.
struct ON_CLASS ON_MeshTopologyFace
{
  int m_topei[4];
  char m_reve[4];

  bool IsValid() const;
  bool IsTriangle() const;
  bool IsQuad() const;
};
