#include "opennurbs_meshface.h"

bool ON_MeshFace::IsTriangle() const { return vi[2] == vi[3]; }

bool ON_MeshFace::IsQuad() const { return vi[2] != vi[3]; }

bool ON_MeshFace::IsValid(int mesh_vertex_count) const
{
  for (int k = 0; k < 4; k++)
  {
    if (vi[k] < 0 || vi[k] >= mesh_vertex_count)
      return false;
  }
  if (vi[0] == vi[1] || vi[1] == vi[2] || vi[2] == vi[0])
    return false;
  return vi[2] == vi[3] || (vi[3] != vi[0] && vi[3] != vi[1]);
}

void ON_MeshFace::Flip()
{
  const int b = vi[1];
  if (IsTriangle())
  {
    vi[1] = vi[2];
    vi[2] = b;
    vi[3] = b;
  }
  else
  {
    vi[1] = vi[3];
    vi[3] = b;
  }
}
