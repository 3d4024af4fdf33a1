#pragma once

#include "opennurbs.h"

// Edge curves of boundary representations. Static only; failures set the class's error text.
class QORBrep
{
public:
  QORBrep() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Empties curves, then walks the faces, their loops and the loops' trims in order and appends the
  // NURBS form of the edge of every trim that has one (an edge shared by two trims comes twice).
  // A bad reference fails (0, error text set) and keeps the curves appended so far.
  static int GetEdgeCurves(const ON_Brep& brep, ON_ClassArray<ON_NurbsCurve>& curves);
  // Empties curves and appends the NURBS form of every 3-D curve of the brep once, in order
  // (curves without one are left out).
  static int GetUniqueEdgeCurves(const ON_Brep& brep, ON_ClassArray<ON_NurbsCurve>& curves);
};
