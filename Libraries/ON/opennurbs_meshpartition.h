#pragma once

#include "opennurbs_array.h"

// A run of faces that uses only a run of vertices: faces fi[0] <= f < fi[1] use only vertices
// vi[0] <= v < vi[1]; triangle_count counts a quad as two triangles.
struct ON_CLASS ON_MeshPart
{
  int vi[2];
  int fi[2];
  int vertex_count;
  int triangle_count;
};

// The parts of a mesh, made by ON_Mesh::CreatePartition.
class ON_CLASS ON_MeshPartition
{
public:
  int m_partition_max_vertex_count = 0;
  int m_partition_max_triangle_count = 0;
  ON_SimpleArray<ON_MeshPart> m_part;
};
