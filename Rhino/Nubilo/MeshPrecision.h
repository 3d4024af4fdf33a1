#pragma once

#include "opennurbs.h"

// Meshes keep double-precision vertices beside their floats, but STL and 3DM files (versions 2 and
// 3) store the floats only: far from the origin (survey coordinates) those lose detail that the
// points themselves have, and the user should know by how much and which files keep it.
namespace MeshPrecision
{
// The largest rounding of the points' coordinates to single precision when it exceeds a millionth
// of their extent, else 0.
double NoticeableRounding(const ON_3dPointArray& points);

// The command-line warning, to be filled with the rounding.
constexpr const char* kWarning = "Warning: STL and 3DM files store mesh vertices in single precision, rounded by "
                                 "up to %g here; OBJ, DXF and point text files keep full precision\n";
} // namespace MeshPrecision
