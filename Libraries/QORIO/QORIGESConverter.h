#pragma once

#include "QORIGESAttributes.h"
#include "QORIGESFile.h"
#include "opennurbs.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Converts the entities of a parsed IGES file into the objects, layers and units of a 3DM model.
// Every entity is placed by its own matrix, then its parents' matrices and placements; entities
// that refer to each other are followed to a bounded depth, and an entity that contains itself
// fails the conversion. Types without a conversion are counted as skipped in the model.
class QORIGESConverter
{
public:
  QORIGESConverter(const QORIGESFile& file, ONX_Model& model);

  // False with `error` set when an entity cannot be converted; the model then holds what came before.
  bool Run(std::string& error);

  // Bounds on the work one file may cause.
  static constexpr int MaximumDepth = 64;
  static constexpr long long MaximumConversions = 2000000;
  static constexpr int MaximumObjects = 2000000;
  static constexpr long long MaximumArrayCopies = 100000;

private:
  using Edge = std::pair<int, int>; // edge list entry, 1-based edge number

  void FindReferences();
  void Reference(long long pointer);
  bool Convert(int index, const ON_Xform& placement, int depth);
  bool Dispatch(int index, QORIGESParameters& p, const ON_Xform& xform, int depth);
  bool Follow(long long pointer, const ON_Xform& xform, int depth);
  bool FollowRange(QORIGESParameters& p, int first, long long count, const ON_Xform& xform, int depth);
  bool Matrix(long long pointer, ON_Xform& matrix, int depth);
  bool Fail(int index, const std::string& reason);
  bool ReadParameters(int index, QORIGESParameters& p);
  bool ReadCount(int index, QORIGESParameters& p, int field, long long& count);

  bool ConvertCurveEnds(long long pointer, const ON_Xform& xform, int depth, ON_3dPoint& start, ON_3dPoint& end);
  bool RuledSurface(QORIGESParameters& p, const ON_Xform& xform, int depth);
  bool TabulatedCylinder(QORIGESParameters& p, const ON_Xform& xform, int depth);
  bool CopiousData(int index, QORIGESParameters& p, const ON_Xform& xform);
  bool BoundaryCurves(int index, QORIGESParameters& p, const ON_Xform& xform, int depth);
  bool SurfaceEdges(long long pointer, const ON_Xform& xform);
  bool SubfigureInstance(int index, QORIGESParameters& p, const ON_Xform& xform, int depth);
  bool Subfigure(long long pointer, const ON_Xform& xform, int depth);
  bool RectangularArray(int index, QORIGESParameters& p, const ON_Xform& xform, int depth);
  bool CircularArray(int index, QORIGESParameters& p, const ON_Xform& xform, int depth);
  bool ArrayCopy(long long base, const ON_3dPoint& at, double scale, const ON_Xform& xform, int depth);
  bool ShownPositions(int index, QORIGESParameters& p, int countField, long long positions, std::vector<bool>& shown);
  bool Annotation(int index, QORIGESParameters& p, const ON_Xform& xform, int depth);
  bool GeneralNote(int index, QORIGESParameters& p, const ON_Xform& xform);
  bool BrepEdges(int index, const ON_Xform& xform, int depth);
  bool CollectEdges(int index, std::set<Edge>& edges, int depth);
  bool EdgeCurve(const Edge& edge, const ON_Xform& xform, int depth);

  void AddGeometry(std::unique_ptr<ON_Geometry> geometry, const ON_Xform& xform);
  void AddCurve(std::unique_ptr<ON_Curve> curve, const ON_Xform& xform);
  void AddLine(const ON_3dPoint& start, const ON_3dPoint& end, const ON_Xform& xform);
  void Skip(int type);

  const QORIGESFile& m_file;
  ONX_Model& m_model;
  QORIGESAttributes m_attributes;
  std::string m_error;
  std::vector<bool> m_active;     // entries being converted, to find those that contain themselves
  std::vector<bool> m_referenced; // entries a converted parent refers to
  bool m_collecting = false;      // a pass that only notes the references
  int m_current = 0;              // the entry whose objects are being added: their layer and colour
  long long m_conversions = 0;
  std::map<int, int> m_skipped; // type -> count
  bool m_curveStarted = false;  // for the ends of the curves a parent reads
  ON_3dPoint m_curveStart, m_curveEnd;
};
