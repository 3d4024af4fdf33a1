#include "QORBoundingBox.h"

#include <gtest/gtest.h>

namespace
{
ON_Mesh Triangle(const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c)
{
  ON_Mesh mesh;
  mesh.SetVertex(0, a);
  mesh.SetVertex(1, b);
  mesh.SetVertex(2, c);
  mesh.SetTriangle(0, 0, 1, 2);
  return mesh;
}
} // namespace

TEST(QORBoundingBox, ExtentsAndTheLargerOfLengthAndBreadth)
{
  const ON_BoundingBox box(ON_3dPoint(1, 2, 3), ON_3dPoint(3, 7, 3.5));
  EXPECT_EQ(QORBoundingBox::Length(box), 2.0);
  EXPECT_EQ(QORBoundingBox::Breadth(box), 5.0);
  EXPECT_EQ(QORBoundingBox::Height(box), 0.5);
  // Named "min", it returns the larger one: 5 for a box 2 long and 5 broad.
  EXPECT_EQ(QORBoundingBox::MinOfLengthBreadth(box), 5.0);
  EXPECT_EQ(QORBoundingBox::MinOfLengthBreadth(ON_BoundingBox(ON_3dPoint(0, 0, 0), ON_3dPoint(6, 1, 1))), 6.0);
}

TEST(QORBoundingBox, BoxOfSeveralMeshes)
{
  ON_ClassArray<ON_Mesh> meshes;
  EXPECT_FALSE(QORBoundingBox::GetBoundingBox(meshes).IsValid());
  meshes.Append(Triangle(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 1)));
  meshes.Append(ON_Mesh());
  meshes.Append(Triangle(ON_3dPoint(-2, 5, 0), ON_3dPoint(1, 0, -1), ON_3dPoint(0, 1, 1)));
  const ON_BoundingBox box = QORBoundingBox::GetBoundingBox(meshes);
  ASSERT_TRUE(box.IsValid());
  EXPECT_EQ(box.m_min, ON_3dPoint(-2, 0, -1));
  EXPECT_EQ(box.m_max, ON_3dPoint(1, 5, 1));
}
