#include "opennurbs.h"

#include <gtest/gtest.h>

namespace
{

struct FaceCase
{
  ON_MeshFace face;
  bool valid;
};

TEST(MeshFace, ValidityByIndex)
{
  const FaceCase cases[] = {
      {{{0, 1, 2, 2}}, true},   // triangle
      {{{0, 1, 2, 3}}, true},   // quad
      {{{0, 0, 2, 2}}, false},  // repeated first corners
      {{{0, 1, 0, 0}}, false},  // third corner repeats the first
      {{{0, 1, 2, 0}}, false},  // quad whose fourth corner repeats the first
      {{{0, 1, 2, 1}}, false},  // ... or the second
      {{{-1, 1, 2, 2}}, false}, // negative index
      {{{0, 1, 4, 4}}, false},  // beyond the vertex count
  };
  for (const FaceCase& c : cases)
    EXPECT_EQ(c.face.IsValid(4), c.valid) << c.face.vi[0] << c.face.vi[1] << c.face.vi[2] << c.face.vi[3];
}

TEST(MeshFace, FlipKeepsFirstCornerAndShape)
{
  ON_MeshFace triangle{{4, 5, 6, 6}};
  triangle.Flip();
  EXPECT_EQ(triangle.vi[0], 4);
  EXPECT_EQ(triangle.vi[1], 6);
  EXPECT_EQ(triangle.vi[2], 5);
  EXPECT_TRUE(triangle.IsTriangle());

  ON_MeshFace quad{{4, 5, 6, 7}};
  quad.Flip();
  EXPECT_EQ(quad.vi[1], 7);
  EXPECT_EQ(quad.vi[2], 6);
  EXPECT_EQ(quad.vi[3], 5);
  EXPECT_TRUE(quad.IsQuad());
}

} // namespace
