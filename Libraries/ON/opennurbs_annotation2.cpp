#include "opennurbs.h"

#include <cmath>

ON_VIRTUAL_OBJECT_IMPLEMENT(ON_Annotation2, ON_Geometry, "8D820224-BC6C-46B4-9066-BF39CC13AEFB")

namespace
{
// Files written before the annotation fields went into chunks of their own.
constexpr unsigned int kFirstChunkedOpenNURBSVersion = 200710180u;

// Line breaks as Rhino 4 and older expect them: every break, "\r\n", "\n\r", "\r" or "\n", becomes "\r\n".
ON_wString WithCarriageReturns(const ON_wString& text)
{
  ON_wString result;
  const int length = text.Length();
  for (int i = 0; i < length; ++i)
  {
    const wchar_t c = text[i];
    if (c != L'\r' && c != L'\n')
    {
      result += c;
      continue;
    }
    result += L"\r\n";
    if (i + 1 < length && (text[i + 1] == L'\r' || text[i + 1] == L'\n') && text[i + 1] != c)
      ++i;
  }
  return result;
}
} // namespace

bool ON_Annotation2::IsValid(ON_TextLog*) const
{
  if (!m_plane.IsValid())
    return false;
  for (int i = 0; i < m_points.Count(); ++i)
    if (!ON_IsValid(m_points[i].x) || !ON_IsValid(m_points[i].y))
      return false;
  return true;
}

ON::object_type ON_Annotation2::ObjectType() const { return ON::annotation_object; }
int ON_Annotation2::Dimension() const { return 3; }

bool ON_Annotation2::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  ON_3dPointArray corners;
  for (int i = 0; i < m_points.Count(); ++i)
    corners.Append(m_plane.PointAt(m_points[i].x, m_points[i].y));
  if (corners.Count() == 0)
    corners.Append(m_plane.origin);
  return corners.GetBBox(boxmin, boxmax, bGrowBox);
}

bool ON_Annotation2::Transform(const ON_Xform& xform)
{
  ON_Plane plane = m_plane;
  const ON_3dVector up = xform * (m_plane.origin + m_plane.yaxis) - xform * m_plane.origin;
  if (!plane.Transform(xform) || !plane.IsValid() || !std::isfinite(up.Length()))
    return false;
  // Affine maps keep the points in the moved plane: their new coordinates are exact.
  ON_2dPointArray points = m_points;
  for (int i = 0; i < points.Count(); ++i)
  {
    const ON_3dPoint moved = xform * m_plane.PointAt(points[i].x, points[i].y);
    if (!plane.ClosestPointTo(moved, &points[i].x, &points[i].y))
      return false;
  }
  m_plane = plane;
  m_points = points;
  m_textheight *= up.Length();
  return true;
}

bool ON_Annotation2::IsChunked(const ON_BinaryArchive& archive)
{
  return archive.Archive3dmVersion() >= 5 && archive.ArchiveOpenNURBSVersion() >= kFirstChunkedOpenNURBSVersion;
}

bool ON_Annotation2::Write(ON_BinaryArchive& archive) const
{
  if (archive.Archive3dmVersion() >= 5)
    return false;
  return archive.Write3dmChunkVersion(1, 0) && archive.WriteInt(static_cast<int>(m_type)) &&
         archive.WriteInt(static_cast<int>(m_textdisplaymode)) && archive.WritePlane(m_plane) &&
         archive.WriteArray(m_points) && archive.WriteString(WithCarriageReturns(m_usertext)) &&
         archive.WriteInt(m_userpositionedtext ? 1 : 0) && archive.WriteInt(m_index) &&
         archive.WriteDouble(m_textheight);
}

bool ON_Annotation2::ReadFields(ON_BinaryArchive& archive)
{
  int type = 0, mode = 0, user_positioned = 0;
  ON_Plane plane;
  ON_2dPointArray points;
  ON_wString text;
  int index = 0;
  double height = 0.0;
  if (!archive.ReadInt(&type) || !archive.ReadInt(&mode) || !archive.ReadPlane(plane) || !archive.ReadArray(points) ||
      !archive.ReadString(text) || !archive.ReadInt(&user_positioned) || !archive.ReadInt(&index) ||
      !archive.ReadDouble(&height))
    return false;
  m_type = ON::AnnotationType(type);
  m_textdisplaymode = ON::TextDisplayMode(mode);
  m_plane = plane;
  m_points = points;
  m_usertext = text;
  m_userpositionedtext = user_positioned != 0;
  m_index = index;
  m_textheight = height;
  return true;
}

bool ON_Annotation2::ReadVersion5Fields(ON_BinaryArchive& archive, int minor_version)
{
  if (!archive.ReadInt(&m_justification))
    return false;
  if (minor_version >= 1 && !archive.ReadBool(&m_annotative_scale))
    return false;
  return minor_version < 2 || archive.ReadString(m_text_formula);
}

bool ON_Annotation2::Read(ON_BinaryArchive& archive)
{
  m_justification = tjUndefined;
  m_annotative_scale = false;
  m_text_formula.Empty();
  int major = 0, minor = 0;
  if (!IsChunked(archive))
    return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && ReadFields(archive);
  if (!archive.BeginRead3dmChunk(ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK, &major, &minor))
    return false;
  const bool ok = major == 1 && ReadFields(archive) && ReadVersion5Fields(archive, minor);
  return archive.EndRead3dmChunk() && ok;
}

bool ON_Annotation2::ReadSubclassChunk(ON_BinaryArchive& archive)
{
  if (!IsChunked(archive))
    return ON_Annotation2::Read(archive);
  int major = 0, minor = 0;
  if (!archive.BeginRead3dmChunk(ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK, &major, &minor))
    return false;
  const bool ok = major == 1 && ON_Annotation2::Read(archive);
  return archive.EndRead3dmChunk() && ok;
}


bool ON_Annotation2::IsText() const { return m_type == ON::dtTextBlock; }
bool ON_Annotation2::IsLeader() const { return m_type == ON::dtLeader; }
bool ON_Annotation2::IsDimension() const { return !IsText() && !IsLeader() && m_type != ON::dtNothing; }

int ON_Annotation2::Index() const { return m_index; }
void ON_Annotation2::SetIndex(int index) { m_index = index; }
double ON_Annotation2::Height() const { return m_textheight; }
void ON_Annotation2::SetHeight(double height) { m_textheight = height; }
ON::eAnnotationType ON_Annotation2::Type() const { return m_type; }
void ON_Annotation2::SetType(ON::eAnnotationType type) { m_type = type; }
const ON_Plane& ON_Annotation2::Plane() const { return m_plane; }
void ON_Annotation2::SetPlane(const ON_Plane& plane) { m_plane = plane; }

int ON_Annotation2::PointCount() const { return m_points.Count(); }

void ON_Annotation2::SetPointCount(int count)
{
  if (count < 0)
    return;
  const int old_count = m_points.Count();
  m_points.Reserve(count);
  m_points.SetCount(count);
  for (int i = old_count; i < count; ++i)
    m_points[i] = ON_2dPoint::Origin;
}

const ON_2dPointArray& ON_Annotation2::Points() const { return m_points; }
void ON_Annotation2::SetPoints(const ON_2dPointArray& points) { m_points = points; }

ON_2dPoint ON_Annotation2::Point(int i) const
{
  return (i >= 0 && i < m_points.Count()) ? m_points[i] : ON_2dPoint::UnsetPoint;
}

void ON_Annotation2::SetPoint(int i, const ON_2dPoint& point)
{
  if (i >= 0 && i < m_points.Count())
    m_points[i] = point;
}

const wchar_t* ON_Annotation2::TextValue() const { return m_usertext.Array(); }
void ON_Annotation2::SetTextValue(const wchar_t* text_value) { m_usertext = text_value; }
const wchar_t* ON_Annotation2::TextFormula() const { return m_text_formula.Array(); }
void ON_Annotation2::SetTextFormula(const wchar_t* formula) { m_text_formula = formula; }
void ON_Annotation2::SetUserPositionedText(int bUserPositionedText) { m_userpositionedtext = bUserPositionedText != 0; }
bool ON_Annotation2::UserPositionedText() const { return m_userpositionedtext; }
void ON_Annotation2::SetTextDisplayMode(ON::eTextDisplayMode mode) { m_textdisplaymode = mode; }
ON::eTextDisplayMode ON_Annotation2::TextDisplayMode() const { return m_textdisplaymode; }

void ON_Annotation2::SetJustification(unsigned int) {}
unsigned int ON_Annotation2::Justification() { return tjUndefined; }
