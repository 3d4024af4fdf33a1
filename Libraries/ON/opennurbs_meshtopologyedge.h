#pragma once

#include "opennurbs_defines.h"

// An edge between two topological vertices and the faces that use it. The face list points
// into the owning ON_MeshTopology.
struct ON_CLASS ON_MeshTopologyEdge
{
  int m_topvi[2];     // m_topvi[0] < m_topvi[1]
  int m_topf_count;   // 1 on a boundary, 2 inside a manifold mesh
  const int* m_topfi; // face indices, ascending; a face using the edge twice appears twice
};
