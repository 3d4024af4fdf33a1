#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_Leader2, ON_Annotation2, "14922B7A-5B65-4F11-8345-D415A9637129")

ON_Leader2::ON_Leader2()
{
  m_type = ON::dtLeader;
  m_textdisplaymode = ON::dtInLine;
}

bool ON_Leader2::IsValid(ON_TextLog* text_log) const
{
  return m_type == ON::dtLeader && m_points.Count() >= 2 && ON_Annotation2::IsValid(text_log);
}

bool ON_Leader2::Read(ON_BinaryArchive& archive) { return ReadSubclassChunk(archive); }

ON_2dPoint ON_Leader2::Dim2dPoint(int point_index) const { return Point(point_index); }

ON_3dPoint ON_Leader2::Dim3dPoint(int point_index) const
{
  if (point_index < 0 || point_index >= m_points.Count())
    return ON_3dPoint::UnsetPoint;
  return m_plane.PointAt(m_points[point_index].x, m_points[point_index].y);
}

void ON_Leader2::AddPoint(const ON_2dPoint& point) { m_points.Append(point); }
int ON_Leader2::StyleIndex() const { return m_index; }
void ON_Leader2::SetStyleIndex(int index) { m_index = index; }
