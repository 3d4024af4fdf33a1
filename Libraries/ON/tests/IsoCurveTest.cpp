#include "opennurbs.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// Cubic by quadratic, uneven knots, optionally rational with varied weights.
ON_NurbsSurface Bumpy(bool rational)
{
  ON_NurbsSurface s(3, rational, 4, 3, 5, 4);
  for (int i = 0; i < 5; i++)
    for (int j = 0; j < 4; j++)
    {
      const ON_3dPoint p(i * 1.5, j * 2.0 + 0.3 * i, ((i * 7 + j * 3) % 5) - 2.0);
      const double w = rational ? 0.5 + 0.3 * ((i + 2 * j) % 4) : 1.0;
      s.SetCV(i, j, ON_4dPoint(p.x * w, p.y * w, p.z * w, w));
    }
  const double k0[7] = {0, 0, 0, 0.4, 2, 2, 2};
  const double k1[5] = {-1, -1, 0.5, 3, 3};
  for (int i = 0; i < 7; i++)
    s.SetKnot(0, i, k0[i]);
  for (int i = 0; i < 5; i++)
    s.SetKnot(1, i, k1[i]);
  return s;
}
} // namespace

TEST(ON_NurbsSurface, IsoCurveRunsAlongTheSurface)
{
  for (bool rational : {false, true})
  {
    const ON_NurbsSurface surface = Bumpy(rational);
    ASSERT_TRUE(surface.IsValid());
    for (int dir = 0; dir < 2; dir++)
    {
      const ON_Interval other = surface.Domain(1 - dir);
      for (double x : {0.0, 0.3, 0.5, 0.77, 1.0})
      {
        const double c = other.ParameterAt(x);
        std::unique_ptr<ON_Curve> iso(surface.IsoCurve(dir, c));
        ASSERT_TRUE(iso) << dir;
        EXPECT_EQ(iso->Domain(), surface.Domain(dir));
        const ON_NurbsCurve* nurbs = ON_NurbsCurve::Cast(iso.get());
        ASSERT_TRUE(nurbs);
        EXPECT_EQ(nurbs->Order(), surface.Order(dir));
        EXPECT_EQ(nurbs->IsRational(), rational);
        for (double y = 0.0; y <= 1.0; y += 0.0625)
        {
          const double t = surface.Domain(dir).ParameterAt(y);
          const ON_3dPoint expected = dir == 0 ? surface.PointAt(t, c) : surface.PointAt(c, t);
          EXPECT_LE(iso->PointAt(t).DistanceTo(expected), 1e-12) << rational << dir << x << y;
        }
      }
    }
    EXPECT_EQ(surface.IsoCurve(2, 0.5), nullptr);
  }
  // Surfaces of other classes give theirs through the NURBS form.
  ON_PlaneSurface plane(ON_Plane::World_xy);
  plane.m_extents[0].Set(0, 4);
  plane.m_extents[1].Set(0, 2);
  std::unique_ptr<ON_Curve> edge(plane.IsoCurve(0, plane.Domain(1)[1]));
  ASSERT_TRUE(edge);
  EXPECT_LE(edge->PointAtEnd().DistanceTo(ON_3dPoint(4, 2, 0)), 1e-15);
}
