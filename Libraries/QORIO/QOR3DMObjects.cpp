// Typed object access of the read process.

#include "QOR3DM.h"

// An index out of range or an object of another class fails alike.
template <class T>
int QOR3DM::ReadGetTyped(int index, T& object, ON_3dmObjectAttributes& attributes)
{
  const ON_ClassArray<ONX_Model_Object>& table = ReadModel().m_object_table;
  const T* typed = (index >= 0 && index < table.Count()) ? T::Cast(table[index].m_object) : nullptr;
  if (!typed)
  {
    SetError(L"Invalid object index");
    return 0;
  }
  object = *typed;
  attributes = table[index].m_attributes;
  return 1;
}

template <class T>
T QOR3DM::ReadGetTyped(int index)
{
  const T* typed = T::Cast(ReadGetObject(index));
  return typed ? *typed : T();
}

int QOR3DM::ReadGetInstanceDefinition(int index, ON_InstanceDefinition& definition, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, definition, attributes);
}

int QOR3DM::ReadGetPoint(int index, ON_Point& point, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, point, attributes);
}

ON_Point QOR3DM::ReadGetPoint(int index) { return ReadGetTyped<ON_Point>(index); }

int QOR3DM::ReadGetPointCloud(int index, ON_PointCloud& cloud, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, cloud, attributes);
}

ON_PointCloud QOR3DM::ReadGetPointCloud(int index) { return ReadGetTyped<ON_PointCloud>(index); }

int QOR3DM::ReadGetLineCurve(int index, ON_LineCurve& curve, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, curve, attributes);
}

ON_LineCurve QOR3DM::ReadGetLineCurve(int index) { return ReadGetTyped<ON_LineCurve>(index); }

int QOR3DM::ReadGetPolylineCurve(int index, ON_PolylineCurve& curve, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, curve, attributes);
}

ON_PolylineCurve QOR3DM::ReadGetPolylineCurve(int index) { return ReadGetTyped<ON_PolylineCurve>(index); }

int QOR3DM::ReadGetNurbsCurve(int index, ON_NurbsCurve& curve, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, curve, attributes);
}

ON_NurbsCurve QOR3DM::ReadGetNurbsCurve(int index) { return ReadGetTyped<ON_NurbsCurve>(index); }

int QOR3DM::ReadGetNurbsSurface(int index, ON_NurbsSurface& surface, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, surface, attributes);
}

ON_NurbsSurface QOR3DM::ReadGetNurbsSurface(int index) { return ReadGetTyped<ON_NurbsSurface>(index); }

int QOR3DM::ReadGetBrep(int index, ON_Brep& brep, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, brep, attributes);
}

ON_Brep QOR3DM::ReadGetBrep(int index) { return ReadGetTyped<ON_Brep>(index); }

int QOR3DM::ReadGetMesh(int index, ON_Mesh& mesh, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, mesh, attributes);
}

ON_Mesh QOR3DM::ReadGetMesh(int index) { return ReadGetTyped<ON_Mesh>(index); }

int QOR3DM::ReadGetTextDot(int index, ON_TextDot& dot, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, dot, attributes);
}

ON_TextDot QOR3DM::ReadGetTextDot(int index) { return ReadGetTyped<ON_TextDot>(index); }

int QOR3DM::ReadGetArcCurve(int index, ON_ArcCurve& curve, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, curve, attributes);
}

ON_ArcCurve QOR3DM::ReadGetArcCurve(int index) { return ReadGetTyped<ON_ArcCurve>(index); }

int QOR3DM::ReadGetPolyCurve(int index, ON_PolyCurve& curve, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, curve, attributes);
}

ON_PolyCurve QOR3DM::ReadGetPolyCurve(int index) { return ReadGetTyped<ON_PolyCurve>(index); }

int QOR3DM::ReadGetPlaneSurface(int index, ON_PlaneSurface& surface, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, surface, attributes);
}

ON_PlaneSurface QOR3DM::ReadGetPlaneSurface(int index) { return ReadGetTyped<ON_PlaneSurface>(index); }

int QOR3DM::ReadGetInstanceRef(int index, ON_InstanceRef& reference, ON_3dmObjectAttributes& attributes)
{
  return ReadGetTyped(index, reference, attributes);
}

ON_InstanceRef QOR3DM::ReadGetInstanceRef(int index) { return ReadGetTyped<ON_InstanceRef>(index); }
