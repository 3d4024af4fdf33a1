// QORIGESConverter: IGES entities into 3DM objects.
#include "QORIGESConverter.h"

#include "QORIGESGeometry.h"
#include "QORNurbsSurface.h"

#include <cmath>

namespace
{

// Types that hold data for others (matrices, definitions, colours, directions, vertices): they
// make nothing themselves and are no loss when met alone.
bool IsSupportEntity(int type)
{
  return type == 0 || type == 123 || type == 124 || type == 308 || type == 314 || type == 502;
}

bool IsBrepEntity(int type) { return type == 186 || (type >= 504 && type <= 514); }

const char* TypeName(int type)
{
  switch (type)
  {
  case 104:
    return "conic arc";
  case 114:
    return "parametric spline surface";
  case 130:
    return "offset curve";
  case 140:
    return "offset surface";
  case 142:
    return "curve on surface without model-space curve";
  case 190:
    return "plane surface";
  case 192:
    return "cylindrical surface";
  case 194:
    return "conical surface";
  case 196:
    return "spherical surface";
  case 198:
    return "toroidal surface";
  case 402:
    return "associativity";
  case 406:
    return "property";
  case 410:
    return "view";
  case 430:
    return "solid instance";
  default:
    return "entity";
  }
}

} // namespace

QORIGESConverter::QORIGESConverter(const QORIGESFile& file, ONX_Model& model)
    : m_file(file), m_model(model), m_attributes(file, model), m_active(file.EntryCount(), false),
      m_referenced(file.EntryCount(), false)
{
}

bool QORIGESConverter::Run(std::string& error)
{
  m_attributes.SetUnits();
  FindReferences();
  const ON_Xform identity(1.0);
  bool ok = true;
  for (int index = 0; ok && index < m_file.EntryCount(); index++)
  {
    const QORIGESEntry& entry = m_file.Entry(index);
    // Entries with a parent come through it, whatever their flags say; writers flag the roots of
    // solids as dependent, too. Parameter-space curves are no model geometry, but a curve on a
    // surface is, however its writer flagged it.
    const bool root = entry.subordinate != 1 || IsBrepEntity(entry.type);
    if (m_referenced[index] || !root || IsSupportEntity(entry.type) || (entry.use == 5 && entry.type != 142))
      continue;
    ok = Convert(index, identity, 0);
  }
  for (const auto& [type, count] : m_skipped)
    for (int i = 0; i < count; i++)
      m_model.AddSkippedObject((std::to_string(type) + " " + TypeName(type)).c_str());
  error = m_error;
  return ok;
}

void QORIGESConverter::FindReferences()
{
  m_collecting = true;
  const ON_Xform identity(1.0);
  for (int index = 0; index < m_file.EntryCount(); index++)
    if (!IsSupportEntity(m_file.Entry(index).type))
      Convert(index, identity, 0);
  m_collecting = false;
  m_error.clear();
  m_conversions = 0;
}

void QORIGESConverter::Reference(long long pointer)
{
  const int index = m_file.EntryIndex(pointer);
  if (m_collecting && index >= 0)
    m_referenced[index] = true;
}

bool QORIGESConverter::Fail(int index, const std::string& reason)
{
  if (m_error.empty())
    m_error = "directory entry " + std::to_string(2 * index + 1) + " (type " +
              std::to_string(m_file.Entry(index).type) + "): " + reason;
  return false;
}

bool QORIGESConverter::ReadParameters(int index, QORIGESParameters& p)
{
  std::string error;
  if (!m_file.Parameters(index, p, error))
  {
    if (m_error.empty())
      m_error = error;
    return false;
  }
  return true;
}

bool QORIGESConverter::ReadCount(int index, QORIGESParameters& p, int field, long long& count)
{
  count = p.Integer(field);
  if (p.Failed() || count < 0 || field + count > p.Count())
    return Fail(index, "parameter " + std::to_string(field) + " counts more entries than the record holds");
  return true;
}

bool QORIGESConverter::Matrix(long long pointer, ON_Xform& matrix, int depth)
{
  matrix = ON_Xform(1.0);
  if (pointer == 0)
    return true;
  const int index = m_file.EntryIndex(pointer);
  if (index < 0 || m_file.Entry(index).type != 124)
  {
    m_error = "transformation pointer " + std::to_string(pointer) + " points at no transformation matrix";
    return false;
  }
  if (depth > MaximumDepth || m_active[index])
    return Fail(index, "transformation matrices refer to each other in a loop");
  QORIGESParameters p;
  if (!ReadParameters(index, p))
    return false;
  for (int row = 0; row < 3; row++)
    for (int column = 0; column < 4; column++)
      matrix[row][column] = p.Real(1 + 4 * row + column);
  if (p.Failed())
    return Fail(index, "the transformation matrix cannot be read");
  // A matrix that points at another applies first its own, then the other.
  ON_Xform outer;
  m_active[index] = true;
  const bool ok = Matrix(m_file.Entry(index).matrixPointer, outer, depth + 1);
  m_active[index] = false;
  matrix = outer * matrix;
  return ok;
}

bool QORIGESConverter::Convert(int index, const ON_Xform& placement, int depth)
{
  if (m_active[index])
    return Fail(index, "the entity contains itself");
  if (depth > MaximumDepth)
    return Fail(index, "entities nest deeper than " + std::to_string(MaximumDepth) + " levels");
  if (++m_conversions > MaximumConversions || m_model.m_object_table.Count() > MaximumObjects)
    return Fail(index, "the file makes too many objects");
  const QORIGESEntry& entry = m_file.Entry(index);
  ON_Xform own;
  if (!Matrix(entry.matrixPointer, own, 0))
    return Fail(index, m_error);
  QORIGESParameters p;
  if (!ReadParameters(index, p))
    return false;
  const int parent = m_current;
  m_current = index;
  m_active[index] = true;
  const bool ok = Dispatch(index, p, placement * own, depth);
  m_active[index] = false;
  m_current = parent;
  if (ok && p.Failed())
    return Fail(index, "its parameters are missing or no numbers");
  return ok;
}

bool QORIGESConverter::Follow(long long pointer, const ON_Xform& xform, int depth)
{
  if (pointer == 0)
    return true;
  const int child = m_file.EntryIndex(pointer);
  if (child < 0)
    return Fail(m_current, "pointer " + std::to_string(pointer) + " lies outside the directory");
  if (m_collecting)
  {
    // An entity that contains itself stays a root, so that converting it tells.
    m_referenced[child] = m_referenced[child] || child != m_current;
    return true;
  }
  return Convert(child, xform, depth + 1);
}

bool QORIGESConverter::FollowRange(QORIGESParameters& p, int first, long long count, const ON_Xform& xform, int depth)
{
  for (long long i = 0; i < count; i++)
    if (!Follow(p.Integer(static_cast<int>(first + i)), xform, depth))
      return false;
  return true;
}

bool QORIGESConverter::Dispatch(int index, QORIGESParameters& p, const ON_Xform& xform, int depth)
{
  const QORIGESEntry& entry = m_file.Entry(index);
  long long count = 0;
  switch (entry.type)
  {
  case 100:
    if (auto arc = QORIGESGeometry::CircularArc(p))
      AddCurve(std::move(arc), xform);
    return true;
  case 102:
    return ReadCount(index, p, 1, count) && FollowRange(p, 2, count, xform, depth);
  case 104:
    if (auto conic = QORIGESGeometry::ConicArc(p, entry.form))
      AddCurve(std::move(conic), xform);
    else
      Skip(entry.type);
    return true;
  case 106:
    return CopiousData(index, p, xform);
  case 108:
    return Follow(p.Integer(5), xform, depth);
  case 110:
  {
    const ON_3dPoint start(p.Real(1), p.Real(2), p.Real(3)), end(p.Real(4), p.Real(5), p.Real(6));
    if (!p.Failed())
      AddLine(start, end, xform);
    return true;
  }
  case 112:
    if (auto spline = QORIGESGeometry::ParametricSplineCurve(p))
      AddCurve(std::move(spline), xform);
    return p.Failed() ? Fail(index, "the spline's segment count does not fit its record") : true;
  case 116:
  {
    const ON_3dPoint point(p.Real(1), p.Real(2), p.Real(3));
    if (!p.Failed())
      AddGeometry(std::make_unique<ON_Point>(point), xform);
    return true;
  }
  case 118:
    return RuledSurface(p, xform, depth);
  case 120:
    return Follow(p.Integer(1), xform, depth) && Follow(p.Integer(2), xform, depth);
  case 122:
    return TabulatedCylinder(p, xform, depth);
  case 126:
    if (auto curve = QORIGESGeometry::RationalBSplineCurve(p))
      AddCurve(std::move(curve), xform);
    return p.Failed() ? Fail(index, "the B-spline's counts do not fit its record") : true;
  case 128:
    if (auto surface = QORIGESGeometry::RationalBSplineSurface(p))
    {
      auto mesh = std::make_unique<ON_Mesh>();
      if (QORNurbsSurface::GetMesh(*surface, 20, 20, *mesh))
        AddGeometry(std::move(mesh), xform);
    }
    return p.Failed() ? Fail(index, "the B-spline surface's counts do not fit its record") : true;
  case 141:
  case 143:
  case 144:
    return BoundaryCurves(index, p, xform, depth);
  case 142:
    Reference(p.Integer(2));
    Reference(p.Integer(3));
    // Without a model-space curve only the parameter-space one is left: counted, not converted.
    if (p.Integer(4) == 0)
      Skip(entry.type);
    return Follow(p.Integer(4), xform, depth);
  case 186:
  case 504:
  case 508:
  case 510:
  case 514:
    return BrepEdges(index, xform, depth);
  case 202:
  case 204:
  case 206:
  case 208:
  case 210:
  case 216:
  case 218:
  case 220:
  case 222:
  case 228:
  case 230:
    return Annotation(index, p, xform, depth);
  case 212:
    return GeneralNote(index, p, xform);
  case 214:
  {
    std::unique_ptr<ON_Leader2> leader = QORIGESGeometry::Leader(p);
    if (!leader)
      return Fail(index, "the leader's segment count does not fit its record");
    AddGeometry(std::move(leader), xform);
    return true;
  }
  case 408:
    return SubfigureInstance(index, p, xform, depth);
  case 412:
    return RectangularArray(index, p, xform, depth);
  case 414:
    return CircularArray(index, p, xform, depth);
  default:
    if (!IsSupportEntity(entry.type))
      Skip(entry.type);
    return true;
  }
}

bool QORIGESConverter::ConvertCurveEnds(long long pointer, const ON_Xform& xform, int depth, ON_3dPoint& start,
                                        ON_3dPoint& end)
{
  m_curveStarted = false;
  if (!Follow(pointer, xform, depth))
    return false;
  start = m_curveStart;
  end = m_curveEnd;
  return m_curveStarted;
}

bool QORIGESConverter::RuledSurface(QORIGESParameters& p, const ON_Xform& xform, int depth)
{
  ON_3dPoint s1, e1, s2, e2;
  const bool first = ConvertCurveEnds(p.Integer(1), xform, depth, s1, e1);
  if (!m_error.empty())
    return false;
  const bool second = ConvertCurveEnds(p.Integer(2), xform, depth, s2, e2);
  if (!m_error.empty())
    return false;
  if (!first || !second)
    return true;
  const bool reversed = p.Integer(3) == 1;
  const ON_Xform identity(1.0);
  AddLine(s1, reversed ? e2 : s2, identity);
  AddLine(e1, reversed ? s2 : e2, identity);
  return true;
}

bool QORIGESConverter::TabulatedCylinder(QORIGESParameters& p, const ON_Xform& xform, int depth)
{
  ON_3dPoint start, end;
  const bool directrix = ConvertCurveEnds(p.Integer(1), xform, depth, start, end);
  if (!m_error.empty())
    return false;
  if (directrix)
    AddLine(start, xform * ON_3dPoint(p.Real(2), p.Real(3), p.Real(4)), ON_Xform(1.0));
  return true;
}

bool QORIGESConverter::CopiousData(int index, QORIGESParameters& p, const ON_Xform& xform)
{
  ON_3dPointArray points;
  if (!QORIGESGeometry::CopiousPoints(p, points))
    return Fail(index, "the copious data's count does not fit its record");
  const int form = m_file.Entry(index).form;
  if (form >= 1 && form <= 3)
  {
    for (int i = 0; i < points.Count(); i++)
      AddGeometry(std::make_unique<ON_Point>(points[i]), xform);
  }
  else if ((form >= 11 && form <= 13) || form == 63)
  {
    if (points.Count() >= 2)
      AddCurve(std::make_unique<ON_PolylineCurve>(points), xform);
  }
  else
  {
    // Witness lines (form 40) start with a point of their own; the other forms are segments.
    const int first = form == 40 ? 1 : 0;
    if (form == 40 && points.Count() > 0)
      AddGeometry(std::make_unique<ON_Point>(points[0]), xform);
    for (int i = first; i + 1 < points.Count(); i += 2)
      AddLine(points[i], points[i + 1], xform);
  }
  return true;
}

bool QORIGESConverter::BoundaryCurves(int index, QORIGESParameters& p, const ON_Xform& xform, int depth)
{
  long long count = 0;
  switch (m_file.Entry(index).type)
  {
  case 144:
    Reference(p.Integer(1));
    // The outer boundary (the surface's own edges when p2 is 0), then the inner ones.
    if (!(p.Integer(2) == 0 ? SurfaceEdges(p.Integer(1), xform) : Follow(p.Integer(4), xform, depth)))
      return false;
    return ReadCount(index, p, 3, count) && FollowRange(p, 5, count, xform, depth);
  case 143:
    Reference(p.Integer(2));
    return ReadCount(index, p, 3, count) && FollowRange(p, 4, count, xform, depth);
  default: // 141: model-space curve, sense, K and K parameter-space curves per entry
    Reference(p.Integer(3));
    if (!ReadCount(index, p, 4, count))
      return false;
    for (long long i = 0, at = 5; i < count; i++)
    {
      if (!Follow(p.Integer(static_cast<int>(at)), xform, depth))
        return false;
      long long curves = 0;
      if (!ReadCount(index, p, static_cast<int>(at + 2), curves))
        return false;
      at += 3 + curves;
    }
    return true;
  }
}

bool QORIGESConverter::SurfaceEdges(long long pointer, const ON_Xform& xform)
{
  const int index = m_file.EntryIndex(pointer);
  if (index < 0)
    return Fail(m_current, "pointer " + std::to_string(pointer) + " lies outside the directory");
  // Only B-spline surfaces give their edges; others are counted.
  if (m_file.Entry(index).type != 128)
  {
    Skip(m_file.Entry(index).type);
    return true;
  }
  QORIGESParameters p;
  ON_Xform own;
  if (!ReadParameters(index, p) || !Matrix(m_file.Entry(index).matrixPointer, own, 0))
    return false;
  const auto surface = QORIGESGeometry::RationalBSplineSurface(p);
  if (p.Failed())
    return Fail(index, "the B-spline surface's counts do not fit its record");
  for (int dir = 0; surface && dir < 2; dir++)
    for (int side = 0; side < 2; side++)
    {
      // Iso-curve in direction dir at the start or end of the other direction's domain.
      std::unique_ptr<ON_Curve> edge(surface->IsoCurve(dir, surface->Domain(1 - dir)[side]));
      if (edge && edge->BoundingBox().Diagonal().Length() > 0)
        AddCurve(std::move(edge), xform * own);
    }
  return true;
}

bool QORIGESConverter::SubfigureInstance(int index, QORIGESParameters& p, const ON_Xform& xform, int depth)
{
  ON_Xform move, scale;
  move.Translation(p.Real(2), p.Real(3), p.Real(4));
  const double factor = p.IsEmpty(5) ? 1.0 : p.Real(5);
  scale.Scale(factor, factor, factor);
  if (p.Failed())
    return Fail(index, "the instance's placement cannot be read");
  return Subfigure(p.Integer(1), xform * move * scale, depth);
}

bool QORIGESConverter::Subfigure(long long pointer, const ON_Xform& xform, int depth)
{
  const int index = m_file.EntryIndex(pointer);
  if (index < 0 || m_file.Entry(index).type != 308)
    return Fail(m_current, "pointer " + std::to_string(pointer) + " points at no subfigure definition");
  if (m_active[index])
    return Fail(index, "the subfigure contains itself");
  QORIGESParameters p;
  ON_Xform own;
  if (!ReadParameters(index, p) || !Matrix(m_file.Entry(index).matrixPointer, own, 0))
    return false;
  long long count = 0;
  m_active[index] = true;
  const bool ok = ReadCount(index, p, 3, count) && FollowRange(p, 4, count, xform * own, depth + 1);
  m_active[index] = false;
  return ok;
}

bool QORIGESConverter::ShownPositions(int index, QORIGESParameters& p, int countField, long long positions,
                                      std::vector<bool>& shown)
{
  // A list of positions either shown (flag 0) or left out (flag 1); no list shows them all.
  long long listed = 0;
  if (!ReadCount(index, p, countField, listed))
    return false;
  const bool listShown = listed > 0 && p.Integer(countField + 1) == 0;
  shown.assign(positions, listed == 0 || !listShown);
  for (long long i = 0; i < listed; i++)
  {
    const long long position = p.Integer(static_cast<int>(countField + 2 + i));
    if (position >= 1 && position <= positions)
      shown[position - 1] = listShown;
  }
  return !p.Failed() || Fail(index, "the array's position list cannot be read");
}

bool QORIGESConverter::ArrayCopy(long long base, const ON_3dPoint& at, double scale, const ON_Xform& xform, int depth)
{
  ON_Xform move, size;
  move.Translation(at.x, at.y, at.z);
  size.Scale(scale, scale, scale);
  const int index = m_file.EntryIndex(base);
  if (index >= 0 && m_file.Entry(index).type == 308)
    return Subfigure(base, xform * move * size, depth);
  return Follow(base, xform * move * size, depth);
}

bool QORIGESConverter::RectangularArray(int index, QORIGESParameters& p, const ON_Xform& xform, int depth)
{
  const double scale = p.IsEmpty(2) ? 1.0 : p.Real(2), x = p.Real(3), y = p.Real(4), z = p.Real(5);
  const long long columns = p.Integer(6), rows = p.Integer(7);
  const double dx = p.Real(8), dy = p.Real(9), angle = p.Real(10);
  if (p.Failed() || columns < 0 || rows < 0 || columns * rows > MaximumArrayCopies)
    return Fail(index, "the array's size cannot be read or is too large");
  std::vector<bool> shown;
  if (!ShownPositions(index, p, 11, columns * rows, shown))
    return false;
  ON_Xform turn;
  turn.Rotation(angle, ON_3dVector::ZAxis, ON_3dPoint(x, y, z));
  // Positions are numbered along the first row, then along the next.
  for (long long column = 0; column < columns; column++)
    for (long long row = 0; row < rows; row++)
      if (shown[row * columns + column] &&
          !ArrayCopy(p.Integer(1), turn * ON_3dPoint(x + column * dx, y + row * dy, z), scale, xform, depth))
        return false;
  return true;
}

bool QORIGESConverter::CircularArray(int index, QORIGESParameters& p, const ON_Xform& xform, int depth)
{
  const long long count = p.Integer(2);
  const double x = p.Real(3), y = p.Real(4), z = p.Real(5), radius = p.Real(6), start = p.Real(7), step = p.Real(8);
  if (p.Failed() || count < 0 || count > MaximumArrayCopies)
    return Fail(index, "the array's size cannot be read or is too large");
  std::vector<bool> shown;
  if (!ShownPositions(index, p, 9, count, shown))
    return false;
  for (long long i = 0; i < count; i++)
  {
    const double angle = start + i * step;
    const ON_3dPoint at(x + radius * std::cos(angle), y + radius * std::sin(angle), z);
    if (shown[i] && !ArrayCopy(p.Integer(1), at, 1.0, xform, depth))
      return false;
  }
  return true;
}

bool QORIGESConverter::Annotation(int index, QORIGESParameters& p, const ON_Xform& xform, int depth)
{
  // Dimensions, labels and symbols are their notes, witness lines and leaders: the fixed pointer
  // fields of each type, then its counted lists.
  struct Layout
  {
    int type;
    std::vector<int> pointers;
    int listCount; // field holding the count of a list that follows it, 0 for none
  };
  static const Layout layouts[] = {
      {202, {1, 2, 3, 7, 8}, 0},
      {204, {1, 2, 3, 4, 5, 6, 7}, 0},
      {206, {1, 2, 3}, 0},
      {208, {5}, 6},
      {210, {1}, 2},
      {216, {1, 2, 3, 4, 5}, 0},
      {218, {1, 2}, 0},
      {220, {1, 2, 3}, 0},
      {222, {1, 2}, 0},
      {228, {1}, 2},
      {230, {1}, 8},
  };
  const int type = m_file.Entry(index).type;
  for (const Layout& layout : layouts)
  {
    if (layout.type != type)
      continue;
    for (int field : layout.pointers)
      if (!Follow(p.Integer(field), xform, depth))
        return false;
    long long count = 0;
    if (layout.listCount == 0)
      return true;
    if (!ReadCount(index, p, layout.listCount, count) || !FollowRange(p, layout.listCount + 1, count, xform, depth))
      return false;
    // A general symbol's leaders follow its geometry.
    const int leaders = static_cast<int>(layout.listCount + 1 + count);
    return type != 228 || (ReadCount(index, p, leaders, count) && FollowRange(p, leaders + 1, count, xform, depth));
  }
  return true;
}

bool QORIGESConverter::GeneralNote(int index, QORIGESParameters& p, const ON_Xform& xform)
{
  ON_ClassArray<ON_TextEntity2> texts;
  if (!QORIGESGeometry::GeneralNoteTexts(p, texts))
    return Fail(index, "the note's string count does not fit its record");
  // A negative font code points at a text font definition, which only shapes the characters.
  for (int i = 0; i < p.Integer(1); i++)
    if (p.Integer(5 + i * QORIGESGeometry::NoteStringFields) < 0)
      Reference(-p.Integer(5 + i * QORIGESGeometry::NoteStringFields));
  for (int i = 0; i < texts.Count(); i++)
    AddGeometry(std::make_unique<ON_TextEntity2>(texts[i]), xform);
  return true;
}

bool QORIGESConverter::BrepEdges(int index, const ON_Xform& xform, int depth)
{
  // Faces share their edges: each edge is converted once per solid.
  std::set<Edge> edges;
  if (!CollectEdges(index, edges, depth))
    return false;
  for (const Edge& edge : edges)
    if (!EdgeCurve(edge, xform, depth))
      return false;
  return true;
}

bool QORIGESConverter::CollectEdges(int index, std::set<Edge>& edges, int depth)
{
  const int type = m_file.Entry(index).type;
  if (depth > MaximumDepth)
    return Fail(index, "entities nest deeper than " + std::to_string(MaximumDepth) + " levels");
  if (++m_conversions > MaximumConversions)
    return Fail(index, "the file makes too many objects");
  QORIGESParameters p;
  if (!ReadParameters(index, p))
    return false;
  long long count = 0;
  auto child = [&](long long pointer, int wanted)
  {
    const int at = m_file.EntryIndex(pointer);
    if (at < 0 || m_file.Entry(at).type != wanted)
      return Fail(index,
                  "pointer " + std::to_string(pointer) + " points at no entity of type " + std::to_string(wanted));
    Reference(pointer);
    return CollectEdges(at, edges, depth + 1);
  };
  switch (type)
  {
  case 186: // shell, orientation, void shells and their orientations
    if (!child(p.Integer(1), 514) || !ReadCount(index, p, 3, count))
      return false;
    for (long long i = 0; i < count; i++)
      if (!child(p.Integer(static_cast<int>(4 + 2 * i)), 514))
        return false;
    return true;
  case 514: // faces with their orientations
    if (!ReadCount(index, p, 1, count))
      return false;
    for (long long i = 0; i < count; i++)
      if (!child(p.Integer(static_cast<int>(2 + 2 * i)), 510))
        return false;
    return true;
  case 510: // surface, loop count, outer flag, loops
    Reference(p.Integer(1));
    if (!ReadCount(index, p, 2, count))
      return false;
    for (long long i = 0; i < count; i++)
      if (!child(p.Integer(static_cast<int>(4 + i)), 508))
        return false;
    return true;
  case 508: // per edge: kind, edge list, number, orientation, K and K pairs of parameter-space curves
    if (!ReadCount(index, p, 1, count))
      return false;
    for (long long i = 0, at = 2; i < count; i++)
    {
      long long curves = 0;
      const int kind = p.Integer(static_cast<int>(at));
      const int list = m_file.EntryIndex(p.Integer(static_cast<int>(at + 1)));
      if (kind == 0 && list < 0)
        return Fail(index, "an edge points at no edge list");
      Reference(p.Integer(static_cast<int>(at + 1)));
      if (kind == 0)
        edges.insert({list, p.Integer(static_cast<int>(at + 2))});
      if (!ReadCount(index, p, static_cast<int>(at + 4), curves))
        return false;
      for (long long k = 0; k < curves; k++)
        Reference(p.Integer(static_cast<int>(at + 6 + 2 * k)));
      at += 5 + 2 * curves;
    }
    return !p.Failed() || Fail(index, "its parameters are missing or no numbers");
  default: // 504: every edge of the list
    if (!ReadCount(index, p, 1, count) || 1 + 5 * count > p.Count())
      return Fail(index, "the edge list's count does not fit its record");
    for (long long i = 1; i <= count; i++)
      edges.insert({index, static_cast<int>(i)});
    return true;
  }
}

bool QORIGESConverter::EdgeCurve(const Edge& edge, const ON_Xform& xform, int depth)
{
  const auto [list, number] = edge;
  if (m_file.Entry(list).type != 504)
    return Fail(list, "an edge points at an entity that is no edge list");
  QORIGESParameters p;
  if (!ReadParameters(list, p))
    return false;
  long long count = 0;
  if (!ReadCount(list, p, 1, count) || number < 1 || number > count || 1 + 5 * count > p.Count())
    return Fail(list, "edge " + std::to_string(number) + " is not in the list");
  const int saved = m_current;
  m_current = list;
  const bool ok = Follow(p.Integer(2 + 5 * (number - 1)), xform, depth);
  m_current = saved;
  return ok;
}

void QORIGESConverter::AddGeometry(std::unique_ptr<ON_Geometry> geometry, const ON_Xform& xform)
{
  if (m_collecting)
    return;
  if (!xform.IsIdentity() && !geometry->Transform(xform))
  {
    // Arcs cannot take every matrix; their NURBS form can.
    const ON_Curve* curve = ON_Curve::Cast(geometry.get());
    auto nurbs = std::make_unique<ON_NurbsCurve>();
    if (!curve || !curve->GetNurbForm(*nurbs) || !nurbs->Transform(xform))
      return;
    geometry = std::move(nurbs);
  }
  // Degenerate data (a line of no length, a matrix that squashes a curve) make nothing.
  if (!geometry->IsValid())
    return;
  ONX_Model_Object& record = m_model.m_object_table.AppendNew();
  record.m_attributes = m_attributes.ForEntry(m_current);
  record.m_object = geometry.release();
  record.m_bDeleteObject = true;
}

void QORIGESConverter::AddCurve(std::unique_ptr<ON_Curve> curve, const ON_Xform& xform)
{
  const int before = m_model.m_object_table.Count();
  AddGeometry(std::move(curve), xform);
  if (m_model.m_object_table.Count() == before)
    return;
  const ON_Curve* added = ON_Curve::Cast(m_model.m_object_table[before].m_object);
  if (!m_curveStarted)
    m_curveStart = added->PointAtStart();
  m_curveStarted = true;
  m_curveEnd = added->PointAtEnd();
}

void QORIGESConverter::AddLine(const ON_3dPoint& start, const ON_3dPoint& end, const ON_Xform& xform)
{
  AddCurve(std::make_unique<ON_LineCurve>(start, end), xform);
}

void QORIGESConverter::Skip(int type)
{
  if (!m_collecting)
    m_skipped[type]++;
}
