#pragma once

#include "opennurbs.h"

// Mesh vertices are single precision: far from the origin (survey coordinates) they lose detail
// that the points themselves have, and the user should know by how much.
namespace MeshPrecision
{
// The largest rounding of the points' coordinates to single precision when it exceeds a millionth
// of their extent, else 0.
double NoticeableRounding(const ON_3dPointArray& points);
}  // namespace MeshPrecision
