#include "IgesFixture.h"
#include "MeshFileFixture.h"
#include "QORIGES.h"
#include "QORIGESParameters.h"

#include <cmath>
#include <functional>

namespace
{

const ON_Curve* CurveAt(const ONX_Model& model, int index)
{
  return index < model.m_object_table.Count() ? ON_Curve::Cast(model.m_object_table[index].m_object) : nullptr;
}

ON_wString LayerOf(const ONX_Model& model, int index)
{
  return model.m_layer_table[model.m_object_table[index].m_attributes.m_layer_index].LayerName();
}

bool Near(const ON_3dPoint& a, const ON_3dPoint& b) { return a.DistanceTo(b) < 1e-9; }

const ON_Annotation2* AnnotationAt(const ONX_Model& model, int index)
{
  return index < model.m_object_table.Count() ? ON_Annotation2::Cast(model.m_object_table[index].m_object) : nullptr;
}

std::string TextOf(const ON_Annotation2* annotation)
{
  const ON_String text{ON_wString(annotation->TextValue())};
  return text.IsEmpty() ? "" : text.Array();
}

} // namespace

class QORIGESRead : public MeshFileTest
{
protected:
  int ReadFile(const std::string& text, ONX_Model& model)
  {
    Write("in.igs", text);
    return QORIGES::IGESToModel(WPath("in.igs"), model);
  }
  std::string Error() const { return static_cast<const char*>(ON_String(QORIGES::GetError())); }
};

TEST(QORIGESParameters, HollerithStringsKeepDelimitersAndBlanks)
{
  QORIGESParameters p;
  std::string error;
  ASSERT_TRUE(p.Split("212,1,9Ha, b;c  d,,1.5D+02,-2.d-1,7;ignored", ',', ';', error)) << error;
  ASSERT_EQ(p.Count(), 6);
  EXPECT_EQ(p.Text(2), "a, b;c  d");
  EXPECT_TRUE(p.IsEmpty(3));
  EXPECT_EQ(p.Real(3, 42.0), 42.0) << "an empty field takes its default";
  EXPECT_EQ(p.Real(4), 150.0);
  EXPECT_EQ(p.Real(5), -0.2);
  EXPECT_FALSE(p.Failed());
  p.Real(7);
  EXPECT_TRUE(p.Failed()) << "a field past the record is missing, not zero";
}

TEST(QORIGESParameters, BrokenRecordsAreRefused)
{
  QORIGESParameters p;
  std::string error;
  EXPECT_FALSE(p.Split("110,1.,2.,3.", ',', ';', error)) << "no terminator";
  EXPECT_FALSE(p.Split("212,99Hshort;", ',', ';', error)) << "a string longer than its record";
  ASSERT_TRUE(p.Split("110,1.x,2.;", ',', ';', error));
  p.Real(1);
  EXPECT_TRUE(p.Failed()) << "no number";
}

// What one small file becomes: each case checks its model.
struct ConversionCase
{
  const char* name;
  std::vector<IgesEntity> entities;
  std::function<void(const ONX_Model&)> check;
  std::string global = IgesFixture::Global();
};

TEST_F(QORIGESRead, SmallFilesConvertAsTheyMean)
{
  const std::string dependent = "00010000";
  const std::vector<ConversionCase> cases = {
      {"circle: start equal to end gives the full circle",
       {{100, "2.,1.,1.,3.,1.,3.,1.;"}},
       [](const ONX_Model& m)
       {
         ON_Arc arc;
         ASSERT_TRUE(CurveAt(m, 0) && CurveAt(m, 0)->IsArc(nullptr, &arc));
         EXPECT_TRUE(arc.IsCircle());
         EXPECT_NEAR(arc.Radius(), 2.0, 1e-12);
         EXPECT_NEAR(arc.Center().z, 2.0, 1e-12);
       }},
      {"arc: counter-clockwise from start to end",
       {{100, "0.,0.,0.,0.,1.,1.,0.;"}},
       [](const ONX_Model& m)
       {
         const ON_Curve* c = CurveAt(m, 0);
         ASSERT_TRUE(c);
         EXPECT_TRUE(Near(c->PointAtStart(), ON_3dPoint(0, 1, 0)));
         EXPECT_TRUE(Near(c->PointAtEnd(), ON_3dPoint(1, 0, 0)));
         ON_Arc arc;
         ASSERT_TRUE(c->IsArc(nullptr, &arc));
         EXPECT_NEAR(arc.AngleRadians(), 1.5 * ON_PI, 1e-9) << "three quarters, through (-1, 0)";
       }},
      {"matrices compose: the child's own, then its parent's",
       {{124, "0.,-1.,0.,0.,1.,0.,0.,0.,0.,0.,1.,0.;", 0, 0, 0, 0, dependent},
        {124, "1.,0.,0.,10.,0.,1.,0.,0.,0.,0.,1.,0.;", 0, 0, 0, 0, dependent},
        {110, "1.,0.,0.,2.,0.,0.;", 1, 0, 0, 0, dependent},
        {102, "1,5;", 3}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 1);
         EXPECT_TRUE(Near(CurveAt(m, 0)->PointAtStart(), ON_3dPoint(10, 1, 0)));
         EXPECT_TRUE(Near(CurveAt(m, 0)->PointAtEnd(), ON_3dPoint(10, 2, 0)));
       }},
      {"an empty field takes its default and does not shift the rest",
       {{116, "1.,,2.;"}},
       [](const ONX_Model& m)
       {
         const ON_Point* point = ON_Point::Cast(m.m_object_table[0].m_object);
         ASSERT_TRUE(point);
         EXPECT_EQ(point->point, ON_3dPoint(1, 0, 2));
       }},
      {"Fortran exponents",
       {{116, "1.5D+02,2.5d-1,-1.E1;"}},
       [](const ONX_Model& m)
       { EXPECT_EQ(ON_Point::Cast(m.m_object_table[0].m_object)->point, ON_3dPoint(150, 0.25, -10)); }},
      {"units come from the global section, past strings holding delimiters",
       {{116, "0.,0.,0.;"}},
       [](const ONX_Model& m)
       {
         EXPECT_EQ(m.m_settings.m_ModelUnitsAndTolerances.m_unit_system, ON_3dmUnitsAndTolerances::inches);
         EXPECT_DOUBLE_EQ(m.m_settings.m_ModelUnitsAndTolerances.m_meters_per_unit, 0.0254);
       },
       IgesFixture::Global(1, "4HINCH")},
      {"a unit given by name",
       {{116, "0.,0.,0.;"}},
       [](const ONX_Model& m)
       { EXPECT_EQ(m.m_settings.m_ModelUnitsAndTolerances.m_unit_system, ON_3dmUnitsAndTolerances::meters); },
       IgesFixture::Global(3, "1HM")},
      {"rational spline keeps its weights: a quarter circle",
       {{126, "2,2,1,0,0,0,0.,0.,0.,1.,1.,1.,1.,0.70710678118654757,1.,1.,0.,0.,1.,1.,0.,0.,1.,0.,0.,1.,0.,0.,1.;"}},
       [](const ONX_Model& m)
       {
         const ON_Curve* c = CurveAt(m, 0);
         ASSERT_TRUE(c);
         for (double t = 0; t <= 1.0; t += 0.125)
           EXPECT_NEAR(ON_3dVector(c->PointAt(t)).Length(), 1.0, 1e-12) << t;
       }},
      {"spline parameter range trims the curve",
       {{126, "1,1,1,0,1,0,0.,0.,2.,2.,1.,1.,0.,0.,0.,2.,0.,0.,0.5,1.5,0.,0.,1.;"}},
       [](const ONX_Model& m)
       {
         EXPECT_TRUE(Near(CurveAt(m, 0)->PointAtStart(), ON_3dPoint(0.5, 0, 0)));
         EXPECT_TRUE(Near(CurveAt(m, 0)->PointAtEnd(), ON_3dPoint(1.5, 0, 0)));
       }},
      {"levels are layers, colour numbers and colour definitions are colours",
       {{314, "100.,0.,50.;"},
        {110, "0.,0.,0.,1.,0.,0.;", 0, 300, -1},
        {110, "0.,0.,0.,1.,0.,0.;", 0, 7, 2},
        {110, "0.,0.,0.,1.,0.,0.;", 0, 7, 0},
        {406, "2,12,13;", 0, 0, 0, 1},
        {110, "0.,0.,0.,1.,0.,0.;", 0, -9, 0}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 4);
         EXPECT_EQ(LayerOf(m, 3), ON_wString(L"12")) << "the first of a list of levels";
         EXPECT_EQ(m.m_object_table[2].m_attributes.ColorSource(), ON::color_from_layer) << "colour number 0";
         EXPECT_EQ(LayerOf(m, 0), ON_wString(L"300"));
         EXPECT_EQ(LayerOf(m, 1), ON_wString(L"7"));
         EXPECT_EQ(m.m_object_table[0].m_attributes.m_color, ON_Color(255, 0, 128));
         EXPECT_EQ(m.m_object_table[1].m_attributes.m_color, ON_Color(255, 0, 0));
         EXPECT_EQ(m.m_object_table[1].m_attributes.ColorSource(), ON::color_from_object);
       }},
      {"a trimmed surface gives its boundaries, also through curves flagged parametric",
       {{128,
         "1,1,1,1,1,1,1,0,0,0.,0.,1.,1.,0.,0.,1.,1.,1.,1.,1.,1.,0.,0.,0.,1.,0.,0.,0.,1.,0.,1.,1.,0.,0.,1.,0.,"
         "1.;",
         0, 0, 0, 0, dependent},
        {110, "0.,0.,0.,1.,1.,0.;", 0, 0, 0, 0, "00010500"},
        {110, "5.,5.,5.,6.,6.,6.;", 0, 0, 0, 0, dependent},
        {142, "1,1,3,5,1;", 0, 0, 0, 0, "00010500"},
        {144, "1,1,0,7;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 1) << "the model-space curve only: no surface mesh, no 2-D curve";
         EXPECT_TRUE(Near(CurveAt(m, 0)->PointAtStart(), ON_3dPoint(5, 5, 5)));
       }},
      {"a trimmed surface bounded by its surface's own edges gives them",
       {{128, "1,1,1,1,0,0,1,0,0,0.,0.,1.,1.,0.,0.,1.,1.,1.,1.,1.,1.,0.,0.,0.,1.,0.,0.,0.,1.,0.,1.,1.,0.,0.,1.,0.,1.;",
         0, 0, 0, 0, dependent},
        {144, "1,0,0,0;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 4);
         ON_BoundingBox box;
         for (int i = 0; i < 4; i++)
           CurveAt(m, i)->GetBoundingBox(box, true);
         EXPECT_TRUE(Near(box.m_min, ON_3dPoint(0, 0, 0)));
         EXPECT_TRUE(Near(box.m_max, ON_3dPoint(1, 1, 0)));
       }},
      {"a solid shows each edge once, though faces share them",
       {{110, "0.,0.,0.,1.,0.,0.;", 0, 0, 0, 0, dependent},
        {110, "1.,0.,0.,1.,1.,0.;", 0, 0, 0, 0, dependent},
        {504, "2,1,0,1,0,2,3,0,2,0,3;", 0, 0, 0, 1, dependent},
        {508, "2,0,5,1,1,0,0,5,2,1,0;", 0, 0, 0, 1, dependent},
        {508, "1,0,5,2,0,0;", 0, 0, 0, 1, dependent},
        {510, "0,2,1,7,9;", 0, 0, 0, 1, dependent},
        {514, "1,11,1;", 0, 0, 0, 1, dependent},
        {186, "13,1,0;"}},
       [](const ONX_Model& m) { EXPECT_EQ(m.m_object_table.Count(), 2); }},
      {"a subfigure instance is moved and scaled",
       {{110, "1.,0.,0.,2.,0.,0.;", 0, 0, 0, 0, dependent},
        {308, "0,1HA,1,1;", 0, 0, 0, 0, "00000200"},
        {408, "3,10.,0.,0.,2.;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 1);
         EXPECT_TRUE(Near(CurveAt(m, 0)->PointAtStart(), ON_3dPoint(12, 0, 0)));
         EXPECT_TRUE(Near(CurveAt(m, 0)->PointAtEnd(), ON_3dPoint(14, 0, 0)));
       }},
      {"copious data: form 12 a polyline, form 40 a point and lines",
       {{106, "2,5,0.,0.,0.,1.,0.,0.,2.,0.,0.,3.,0.,0.,4.,0.,0.;", 0, 0, 0, 12},
        {106, "1,5,0.,0.,0.,1.,0.,2.,0.,3.,0.,4.,0.;", 0, 0, 0, 40}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 4);
         EXPECT_EQ(ON_PolylineCurve::Cast(m.m_object_table[0].m_object)->PointCount(), 5);
         EXPECT_TRUE(ON_Point::Cast(m.m_object_table[1].m_object));
         EXPECT_TRUE(ON_LineCurve::Cast(m.m_object_table[2].m_object));
         EXPECT_TRUE(ON_LineCurve::Cast(m.m_object_table[3].m_object));
       }},
      {"a free rational surface is meshed from its true shape: a quarter cylinder",
       {{128, "2,1,2,1,0,0,0,0,0,0.,0.,0.,1.,1.,1.,0.,0.,1.,1.,1.,0.70710678118654757,1.,1.,0.70710678118654757,1.,"
              "1.,0.,0.,1.,1.,0.,0.,1.,0.,1.,0.,1.,1.,1.,1.,0.,1.,1.,0.,1.,0.,1.;"}},
       [](const ONX_Model& m)
       {
         const ON_Mesh* mesh = ON_Mesh::Cast(m.m_object_table[0].m_object);
         ASSERT_TRUE(mesh);
         EXPECT_EQ(mesh->VertexCount(), 400);
         for (int i = 0; i < mesh->VertexCount(); i++)
           EXPECT_NEAR(std::hypot(mesh->m_V[i].x, mesh->m_V[i].y), 1.0, 1e-6) << i;
       }},
      {"a tabulated cylinder's generatrix starts at its directrix's placed start",
       {{124, "1.,0.,0.,0.,0.,1.,0.,0.,0.,0.,1.,5.;", 0, 0, 0, 0, dependent},
        {110, "0.,0.,0.,1.,0.,0.;", 1, 0, 0, 0, dependent},
        {122, "3,0.,0.,7.;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 2);
         EXPECT_TRUE(Near(CurveAt(m, 1)->PointAtStart(), ON_3dPoint(0, 0, 5)));
         EXPECT_TRUE(Near(CurveAt(m, 1)->PointAtEnd(), ON_3dPoint(0, 0, 7)));
       }},
      {"a 3 x 2 array at angle 0: copies at the base point plus multiples of the spacings",
       {{116, "0.,0.,0.;", 0, 0, 0, 0, dependent}, {412, "1,1.,10.,20.,5.,3,2,1.,2.,0.,0;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 6);
         EXPECT_EQ(ON_Point::Cast(m.m_object_table[0].m_object)->point, ON_3dPoint(10, 20, 5));
         EXPECT_EQ(ON_Point::Cast(m.m_object_table[1].m_object)->point, ON_3dPoint(10, 22, 5));
         EXPECT_EQ(ON_Point::Cast(m.m_object_table[5].m_object)->point, ON_3dPoint(12, 22, 5));
       }},
      {"arrays honour their lists: a 'don't' list on a rectangular one, a 'do' list on a circular one",
       {{116, "0.,0.,0.;", 0, 0, 0, 0, dependent},
        {412, "1,1.,0.,0.,0.,3,2,1.,1.,0.,2,1,1,6;"},
        {414, "1,4,0.,0.,0.,2.,0.,1.5707963267948966,1,0,2;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 5);
         EXPECT_EQ(ON_Point::Cast(m.m_object_table[0].m_object)->point, ON_3dPoint(0, 1, 0));
         EXPECT_TRUE(Near(ON_Point::Cast(m.m_object_table[4].m_object)->point, ON_3dPoint(0, 2, 0)));
       }},
      {"one-segment parametric spline follows its cubic exactly",
       {{112, "3,3,3,1,0.,2.,1.,2.,3.,4.,0.,1.,0.,0.,5.,0.,0.,-1.,0.,0.,0.,0.,0.,0.,0.,0.,0.,0.,0.,0.,0.,0.;"}},
       [](const ONX_Model& m)
       {
         const ON_Curve* c = CurveAt(m, 0);
         ASSERT_TRUE(c);
         for (double s = 0; s <= 2.0; s += 0.25)
           EXPECT_TRUE(Near(c->PointAt(s), ON_3dPoint(1 + 2 * s + 3 * s * s + 4 * s * s * s, s, 5 - s * s * s))) << s;
       }},
      {"form-0 conic with A = 1, B = 0, C = 4, F = -4 is an ellipse with radii 2 and 1",
       {{104, "1.,0.,4.,0.,0.,-4.,0.,2.,0.,2.,0.;"}},
       [](const ONX_Model& m)
       {
         const ON_Curve* c = CurveAt(m, 0);
         ASSERT_TRUE(c);
         for (double t = 0; t <= 1.0; t += 0.125)
         {
           const ON_3dPoint p = c->PointAt(c->Domain().ParameterAt(t));
           EXPECT_NEAR(p.x * p.x + 4 * p.y * p.y, 4.0, 1e-9) << t;
         }
         EXPECT_TRUE(Near(c->PointAt(c->Domain().ParameterAt(0.25)), ON_3dPoint(0, 1, 0)));
       }},
      {"parabola and hyperbola lie on their conics between their ends",
       {{104, "0.,0.,1.,-4.,0.,0.,0.,1.,-2.,1.,2.;", 0, 0, 0, 3},
        {104, "1.,0.,-1.,0.,0.,-1.,0.,1.,0.,2.,1.7320508075688772;", 0, 0, 0, 2}},
       [](const ONX_Model& m)
       {
         const ON_PolylineCurve* parabola = ON_PolylineCurve::Cast(m.m_object_table[0].m_object);
         const ON_PolylineCurve* hyperbola = ON_PolylineCurve::Cast(m.m_object_table[1].m_object);
         ASSERT_TRUE(parabola && hyperbola);
         for (int i = 0; i < parabola->PointCount(); i++)
           EXPECT_NEAR(parabola->m_pline[i].y * parabola->m_pline[i].y, 4 * parabola->m_pline[i].x, 1e-9);
         for (int i = 0; i < hyperbola->PointCount(); i++)
           EXPECT_NEAR(hyperbola->m_pline[i].x * hyperbola->m_pline[i].x -
                           hyperbola->m_pline[i].y * hyperbola->m_pline[i].y,
                       1.0, 1e-9);
         EXPECT_TRUE(Near(hyperbola->PointAtEnd(), ON_3dPoint(2, std::sqrt(3.0), 0)));
       }},
      {"ruled surface with direction flag 1: its two lines and two crossing connectors",
       {{110, "0.,0.,0.,1.,0.,0.;", 0, 0, 0, 0, dependent},
        {110, "0.,1.,0.,1.,1.,0.;", 0, 0, 0, 0, dependent},
        {118, "1,3,1,0;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 4);
         EXPECT_TRUE(Near(CurveAt(m, 2)->PointAtEnd(), ON_3dPoint(1, 1, 0)));
         EXPECT_TRUE(Near(CurveAt(m, 3)->PointAtStart(), ON_3dPoint(1, 0, 0)));
         EXPECT_TRUE(Near(CurveAt(m, 3)->PointAtEnd(), ON_3dPoint(0, 1, 0)));
       }},
      {"a dimension gives its note as text and its leaders as leaders; nothing is skipped",
       {{212, "1,3,1.,1.,1,0.,0.,0,0,0.,0.,0.,3Ha,b;", 0, 0, 0, 0, dependent},
        {214, "1,0.1,0.05,2.,0.,0.,1.,1.;", 0, 0, 0, 0, dependent},
        {206, "1,3,0,0.,0.;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 2);
         ASSERT_NE(ON_TextEntity2::Cast(AnnotationAt(m, 0)), nullptr);
         EXPECT_EQ(TextOf(AnnotationAt(m, 0)), "a,b");
         const ON_Leader2* leader = ON_Leader2::Cast(AnnotationAt(m, 1));
         ASSERT_NE(leader, nullptr);
         EXPECT_TRUE(Near(leader->Dim3dPoint(1), ON_3dPoint(1, 1, 2)));
         EXPECT_EQ(m.SkippedObjectCount(), 0);
       }},
      {"a general note is text: each string at its start point, turned by its angle, as high as its box, "
       "under the note's matrix, on its level and colour",
       {{124, "1.,0.,0.,10.,0.,1.,0.,0.,0.,0.,1.,5.;", 0, 0, 0, 0, dependent},
        {212, "2,5,4.,2.,1,0.,0.,0,0,1.,2.,3.,5HNorth,4,3.,1.5,1,0.,1.5707963267948966,0,0,0.,0.,0.,4HGate;", 1, 7, 2}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 2);
         const ON_TextEntity2* north = ON_TextEntity2::Cast(AnnotationAt(m, 0));
         const ON_TextEntity2* gate = ON_TextEntity2::Cast(AnnotationAt(m, 1));
         ASSERT_TRUE(north && gate);
         EXPECT_EQ(TextOf(north), "North");
         EXPECT_TRUE(Near(north->Plane().origin, ON_3dPoint(11, 2, 8)));
         EXPECT_TRUE(Near(ON_3dPoint(north->Plane().xaxis), ON_3dPoint(1, 0, 0)));
         EXPECT_DOUBLE_EQ(north->Height(), 2.0);
         EXPECT_EQ(TextOf(gate), "Gate");
         EXPECT_TRUE(Near(gate->Plane().origin, ON_3dPoint(10, 0, 5)));
         EXPECT_TRUE(Near(ON_3dPoint(gate->Plane().xaxis), ON_3dPoint(0, 1, 0)));
         EXPECT_DOUBLE_EQ(gate->Height(), 1.5);
         EXPECT_EQ(LayerOf(m, 1), ON_wString(L"7"));
         EXPECT_EQ(m.m_object_table[1].m_attributes.m_color, ON_Color(255, 0, 0));
         EXPECT_EQ(m.SkippedObjectCount(), 0);
       }},
      {"a font definition a note points at only shapes its characters: it is neither converted nor skipped",
       {{310, "1,4HTEST,8,0,0;", 0, 0, 0, 0, "00000200"}, {212, "1,4,4.,2.,-1,0.,0.,0,0,1.,2.,3.,4HGate;"}},
       [](const ONX_Model& m)
       {
         ASSERT_EQ(m.m_object_table.Count(), 1);
         EXPECT_EQ(TextOf(AnnotationAt(m, 0)), "Gate");
         EXPECT_EQ(m.SkippedObjectCount(), 0);
       }},
      {"a leader is a leader: its arrowhead at the plane's origin, then its segment ends, at its depth",
       {{214, "2,0.1,0.05,2.,1.,1.,3.,1.,3.,4.;"}},
       [](const ONX_Model& m)
       {
         const ON_Leader2* leader = ON_Leader2::Cast(AnnotationAt(m, 0));
         ASSERT_NE(leader, nullptr);
         EXPECT_EQ(leader->Plane().origin, ON_3dPoint(1, 1, 2));
         ASSERT_EQ(leader->PointCount(), 3);
         EXPECT_TRUE(Near(leader->Dim3dPoint(0), ON_3dPoint(1, 1, 2)));
         EXPECT_TRUE(Near(leader->Dim3dPoint(1), ON_3dPoint(3, 1, 2)));
         EXPECT_TRUE(Near(leader->Dim3dPoint(2), ON_3dPoint(3, 4, 2)));
       }},
      {"types without a conversion are counted",
       {{402, "1,0;", 0, 0, 0, 7}, {406, "1,1HX;", 0, 0, 0, 15}, {406, "1,1HY;", 0, 0, 0, 15}},
       [](const ONX_Model& m)
       {
         EXPECT_EQ(m.SkippedObjectCount(), 3);
         EXPECT_EQ(m.SkippedObjectSummary(), ON_wString(L"402 associativity 1, 406 property 2"));
       }},
  };
  for (const ConversionCase& c : cases)
  {
    SCOPED_TRACE(c.name);
    ONX_Model model;
    ASSERT_EQ(ReadFile(IgesFixture::File(c.entities, c.global), model), 1) << Error();
    c.check(model);
  }
}

TEST_F(QORIGESRead, DeclaredDelimitersAreHonoured)
{
  ONX_Model model;
  const std::string global = IgesFixture::Global(2, "2HMM", '/', '!');
  ASSERT_EQ(ReadFile(IgesFixture::File({{116, "1./2./3.!"}}, global, '/'), model), 1) << Error();
  EXPECT_EQ(ON_Point::Cast(model.m_object_table[0].m_object)->point, ON_3dPoint(1, 2, 3));
}

TEST_F(QORIGESRead, BrokenAndHostileFilesFailCleanly)
{
  const std::string dependent = "00010000";
  struct Hostile
  {
    const char* name;
    std::string text;
    const char* error;
  };
  std::vector<Hostile> cases = {
      {"a composite that contains itself", IgesFixture::File({{102, "1,1;"}}), "contains itself"},
      {"composites that contain each other",
       IgesFixture::File({{102, "1,3;", 0, 0, 0, 0, dependent}, {102, "1,1;", 0, 0, 0, 0, dependent}, {102, "1,1;"}}),
       "contains itself"},
      {"a subfigure that contains an instance of itself",
       IgesFixture::File({{308, "0,1HA,1,3;", 0, 0, 0, 0, "00000200"},
                          {408, "1,0.,0.,0.,1.;", 0, 0, 0, 0, dependent},
                          {408, "1,0.,0.,0.,1.;"}}),
       "contains itself"},
      {"transformation matrices in a loop",
       IgesFixture::File({{124, "1.,0.,0.,0.,0.,1.,0.,0.,0.,0.,1.,0.;", 1}, {110, "0.,0.,0.,1.,1.,1.;", 1}}), "loop"},
      {"a matrix that cannot be read", IgesFixture::File({{124, "1.,0.;"}, {110, "0.,0.,0.,1.,1.,1.;", 1}}),
       "transformation matrix"},
      {"a pointer outside the directory", IgesFixture::File({{102, "1,999;"}}), "outside the directory"},
      {"a pointer at a second directory line", IgesFixture::File({{110, "0.,0.,0.,1.,1.,1.;"}, {102, "1,2;"}}),
       "outside the directory"},
      {"a huge count", IgesFixture::File({{102, "2000000000,1;"}}), "counts more"},
      {"a note with more strings than its record holds",
       IgesFixture::File({{212, "2,3,1.,1.,1,0.,0.,0,0,0.,0.,0.,3Ha,b;"}}), "string count"},
      {"a huge spline", IgesFixture::File({{126, "1000000000,3,0,0,1,0,0.;"}}), "B-spline"},
      {"a missing parameter", IgesFixture::File({{110, "0.,0.,0.,1.;"}}), "missing"},
      {"a record without terminator", IgesFixture::File({{110, "0.,0.,0.,1.,1.,1."}}), "terminator"},
  };
  // A chain of composites deeper than any real file, and composites that multiply each other's work.
  std::vector<IgesEntity> chain, fan;
  for (int i = 0; i < 100; i++)
    chain.push_back({102, "1," + std::to_string(2 * i + 3) + ";", 0, 0, 0, 0, i == 0 ? "00000000" : dependent});
  chain.push_back({110, "0.,0.,0.,1.,1.,1.;", 0, 0, 0, 0, dependent});
  fan.push_back({110, "0.,0.,0.,1.,1.,1.;", 0, 0, 0, 0, dependent});
  for (int level = 0; level < 4; level++)
  {
    std::string members = "200";
    for (int i = 0; i < 200; i++)
      members += "," + std::to_string(2 * level + 1);
    fan.push_back({102, members + ";", 0, 0, 0, 0, level == 3 ? "00000000" : dependent});
  }
  std::string farPointer = IgesFixture::File({{110, "0.,0.,0.,1.,1.,1.;"}});
  farPointer.replace(farPointer.find("     110       1") + 8, 8, "      99");
  cases.push_back({"a parameter pointer past the parameter section", farPointer, "outside the parameter section"});
  cases.push_back({"composites nested too deep", IgesFixture::File(chain), "deeper"});
  cases.push_back({"composites that multiply each other", IgesFixture::File(fan), "too many"});
  cases.push_back({"an array too large",
                   IgesFixture::File({{116, "0.,0.,0.;"}, {412, "1,1.,0.,0.,0.,100000,100000,1.,1.,0.,0;"}}),
                   "too large"});
  for (const Hostile& c : cases)
  {
    SCOPED_TRACE(c.name);
    ONX_Model model;
    EXPECT_EQ(ReadFile(c.text, model), 0);
    EXPECT_NE(Error().find(c.error), std::string::npos) << Error();
    EXPECT_EQ(model.m_object_table.Count(), 0);
  }
}

TEST_F(QORIGESRead, StructureErrorsAreNamed)
{
  const std::string good = IgesFixture::File({{110, "0.,0.,0.,1.,1.,1.;"}});
  ONX_Model model;
  EXPECT_EQ(ReadFile("", model), 0);
  EXPECT_NE(Error().find("Invalid IGES file"), std::string::npos);
  // A line cut short before its section letter.
  std::string cut = good;
  cut.erase(cut.find('D') - 10, 10);
  EXPECT_EQ(ReadFile(cut, model), 0);
  EXPECT_NE(Error().find("shorter than 73 columns"), std::string::npos) << Error();
  EXPECT_EQ(QORIGES::IGESToModel(WPath("missing.igs"), model), 0);
  EXPECT_EQ(Error(), "Error reading IGES file");
}

TEST_F(QORIGESRead, EveryCutOfAFileFailsCleanlyOrReadsWhatItHolds)
{
  const std::string text = IgesFixture::File({{124, "1.,0.,0.,1.,0.,1.,0.,0.,0.,0.,1.,0.;", 0, 0, 0, 0, "00010000"},
                                              {100, "0.,0.,0.,1.,0.,0.,1.;", 1},
                                              {126, "1,1,0,0,1,0,0.,0.,1.,1.,1.,1.,0.,0.,0.,1.,1.,1.,0.,1.,0.,0.,1.;"},
                                              {102, "2,3,5;"},
                                              {212, "1,3,1.,1.,1,0.,0.,0,0,0.,0.,0.,3Ha,b;"}});
  for (size_t length = 0; length <= text.size(); length++)
  {
    ONX_Model model;
    const int result = ReadFile(text.substr(0, length), model);
    if (result == 0)
    {
      EXPECT_FALSE(Error().empty()) << length;
    }
  }
}

TEST_F(QORIGESRead, ConvertsToA3dmFileAndReportsAFailedWrite)
{
  Write("in.igs", IgesFixture::File({{110, "0.,0.,0.,1.,1.,1.;"}}));
  ASSERT_EQ(QORIGES::IGESTo3DM(WPath("in.igs"), WPath("out.3dm"), 3), 1) << Error();
  ONX_Model model;
  ASSERT_TRUE(model.Read(Path("out.3dm").c_str()));
  EXPECT_EQ(model.m_object_table.Count(), 1);
  EXPECT_EQ(QORIGES::IGESTo3DM(WPath("in.igs"), WPath("no/such/folder/out.3dm"), 3), 0);
  EXPECT_EQ(Error(), "Unable to write 3DM file");
}
