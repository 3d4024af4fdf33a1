#pragma once

#include "opennurbs_defines.h"

// Mesh vertices at one location. The lists point into the owning ON_MeshTopology.
struct ON_CLASS ON_MeshTopologyVertex
{
  int m_tope_count;   // edges ending here
  const int* m_topei; // their indices, ascending
  int m_v_count;      // mesh vertices at this location
  const int* m_vi;    // their indices, ascending
};
