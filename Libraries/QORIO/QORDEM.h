#pragma once

#include "opennurbs.h"

#include <string_view>

// ESRI ASCII grids (DEM files), read as GIS tools read them: header keywords by name in any
// order, values in rows from the north, each value at its cell's centre. Static only; failures
// set the class's error text.
class QORDEM
{
public:
  QORDEM() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // The grid as a point matrix: row 0 at the south, rows along y and columns along x,
  // point (row, column) at index row × columns + column. NODATA cells are unset points
  // (ON_3dPoint::UnsetPoint). The outputs are untouched on failure.
  static int DEMToPointMatrix(const ON_wString& path, int& rows, int& columns, ON_3dPointArray& points);

  // More cells than this are refused before anything is allocated.
  static constexpr long long MaximumCells = 1LL << 28;
};
