#include "QORBrep.h"
#include "LastError.h"

ON_wString QORBrep::GetError() { return Platform::LastError<QORBrep, ON_wString>::Get(); }

void QORBrep::SetError(const ON_wString& text) { Platform::LastError<QORBrep, ON_wString>::Set(text); }

int QORBrep::GetEdgeCurves(const ON_Brep& brep, ON_ClassArray<ON_NurbsCurve>& curves)
{
  curves.Destroy();
  for (int fi = 0; fi < brep.m_F.Count(); fi++)
  {
    const ON_BrepFace& face = brep.m_F[fi];
    if (face.m_si < 0 || face.m_si >= brep.m_S.Count())
    {
      SetError("Invalid surface index");
      return 0;
    }
    if (!brep.m_S[face.m_si])
    {
      SetError("Unable to retrieve underlying surface");
      return 0;
    }
    for (int fli = 0; fli < face.m_li.Count(); fli++)
    {
      const int li = face.m_li[fli];
      if (li < 0 || li >= brep.m_L.Count())
      {
        SetError("Invalid loop index");
        return 0;
      }
      const ON_BrepLoop& loop = brep.m_L[li];
      for (int lti = 0; lti < loop.m_ti.Count(); lti++)
      {
        const int ti = loop.m_ti[lti];
        if (ti < 0 || ti >= brep.m_T.Count())
        {
          SetError("Invalid trim index");
          return 0;
        }
        const ON_BrepTrim& trim = brep.m_T[ti];
        if (trim.m_c2i < 0 || trim.m_c2i >= brep.m_C2.Count())
        {
          SetError("Invalid 2d curve index");
          return 0;
        }
        if (!brep.m_C2[trim.m_c2i])
        {
          SetError("Unable to retrieve 2d curve");
          return 0;
        }
        if (trim.m_ei == -1)
          continue;
        if (trim.m_ei < 0 || trim.m_ei >= brep.m_E.Count() || !brep.m_E[trim.m_ei].ProxyCurve())
        {
          SetError("Invalid edge index");
          return 0;
        }
        // The edge as a curve: the part of its 3-D curve it uses, in its own direction.
        ON_NurbsCurve nurbs;
        if (!brep.m_E[trim.m_ei].GetNurbForm(nurbs))
        {
          SetError("Unable to retrieve edge curve");
          return 0;
        }
        curves.Append(nurbs);
      }
    }
  }
  return 1;
}

int QORBrep::GetUniqueEdgeCurves(const ON_Brep& brep, ON_ClassArray<ON_NurbsCurve>& curves)
{
  curves.Empty();
  for (int i = 0; i < brep.m_C3.Count(); i++)
  {
    ON_NurbsCurve nurbs;
    if (brep.m_C3[i] && brep.m_C3[i]->GetNurbForm(nurbs))
      curves.Append(nurbs);
  }
  return 1;
}
