#include "opennurbs.h"
#include "opennurbs_xform.h"

#include <gtest/gtest.h>

#include <memory>

// A class added the way later classes add themselves, to check the machinery through inheritance.
class TestMarkedPoint : public ON_Point
{
  ON_OBJECT_DECLARE(TestMarkedPoint);

public:
  int mark = 0;
};

ON_OBJECT_IMPLEMENT(TestMarkedPoint, ON_Point, "6A0C2E3B-95C1-4D1F-8E7A-3B2F1C0D9E84")

TEST(Object, CastWorksThroughInheritanceAndRejectsOtherClasses)
{
  ON_Point point(1, 2, 3);
  TestMarkedPoint marked;
  const ON_Object* as_point = &point;
  const ON_Object* as_marked = &marked;

  EXPECT_EQ(ON_Point::Cast(as_point), &point);
  EXPECT_EQ(ON_Point::Cast(as_marked), &marked);
  EXPECT_EQ(TestMarkedPoint::Cast(as_marked), &marked);
  EXPECT_EQ(TestMarkedPoint::Cast(as_point), nullptr);
  EXPECT_EQ(ON_Point::Cast(static_cast<const ON_Object*>(nullptr)), nullptr);
  EXPECT_NE(ON_Geometry::Cast(as_point), nullptr);
  EXPECT_TRUE(point.IsKindOf(&ON_Object::m_ON_Object_class_id));
  EXPECT_FALSE(point.IsKindOf(&TestMarkedPoint::m_TestMarkedPoint_class_id));
  EXPECT_FALSE(point.IsKindOf(nullptr));
}

TEST(Object, ClassIdsAreRegisteredByNameAndUuid)
{
  const ON_ClassId* id = ON_ClassId::ClassId("ON_Point");
  ASSERT_EQ(id, &ON_Point::m_ON_Point_class_id);
  EXPECT_STREQ(id->BaseClassName(), "ON_Geometry");
  EXPECT_EQ(id->BaseClass(), &ON_Geometry::m_ON_Geometry_class_id);
  EXPECT_EQ(ON_ClassId::ClassId(ON_UuidFromString("C3101A1D-F157-11D3-BFE7-0010830122F0")), id);
  EXPECT_EQ(ON_ClassId::ClassId("ON_NoSuchClass"), nullptr);
  EXPECT_EQ(ON_ClassId::ClassId(ON_nil_uuid), nullptr);

  std::unique_ptr<ON_Object> created(id->Create());
  ASSERT_NE(ON_Point::Cast(created.get()), nullptr);
  EXPECT_EQ(ON_Point::Cast(created.get())->point, ON_3dPoint(0, 0, 0));
  EXPECT_EQ(ON_Geometry::m_ON_Geometry_class_id.Create(), nullptr);
}

TEST(Object, DuplicateCopiesTheMostDerivedClass)
{
  TestMarkedPoint marked;
  marked.point = ON_3dPoint(4, 5, 6);
  marked.mark = 17;
  const ON_Object& object = marked;
  std::unique_ptr<ON_Object> copy(object.Duplicate());
  const TestMarkedPoint* copied = TestMarkedPoint::Cast(copy.get());
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->mark, 17);
  EXPECT_EQ(copied->point, marked.point);
  std::unique_ptr<ON_Point> typed(ON_Point(7, 8, 9).Duplicate());
  EXPECT_EQ(typed->point, ON_3dPoint(7, 8, 9));
}

TEST(Object, PointGeometry)
{
  ON_Point p(ON_3dPoint(1, 2, 3));
  EXPECT_EQ(p.ObjectType(), ON::point_object);
  EXPECT_EQ(static_cast<int>(ON::mesh_object), 0x20);
  EXPECT_EQ(p.Dimension(), 3);
  EXPECT_TRUE(p.IsValid());
  const ON_BoundingBox box = p.BoundingBox();
  EXPECT_TRUE(box.IsValid());
  EXPECT_EQ(box.m_min, box.m_max);
  ON_BoundingBox grown(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 1));
  ASSERT_TRUE(p.GetBoundingBox(grown, true));
  EXPECT_EQ(grown.m_max, ON_3dPoint(1, 2, 3));
  EXPECT_EQ(grown.m_min, ON_3dPoint(0, 0, 0));

  ON_wString log_text;
  ON_TextLog log(log_text);
  p.point.x = ON_UNSET_VALUE;
  EXPECT_FALSE(p.IsValid(&log));
  EXPECT_FALSE(log_text.IsEmpty());
  EXPECT_FALSE(p.BoundingBox().IsValid());
}

// A geometry without a box: growing keeps the caller's box, a fresh query empties it.
class TestBoxlessGeometry : public ON_Geometry
{
  ON_OBJECT_DECLARE(TestBoxlessGeometry);

public:
  bool IsValid(ON_TextLog* = nullptr) const override { return true; }
  bool GetBBox(double*, double*, bool) const override { return false; }
};

ON_OBJECT_IMPLEMENT(TestBoxlessGeometry, ON_Geometry, "0B6E4A51-7C2D-4E89-9F31-52A8D6C4E017")

TEST(Object, FailedBoxQueryEmptiesOnlyAFreshBox)
{
  TestBoxlessGeometry g;
  ON_BoundingBox box(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 1));
  EXPECT_FALSE(g.GetBoundingBox(box, true));
  EXPECT_TRUE(box.IsValid());
  EXPECT_FALSE(g.GetBoundingBox(box));
  EXPECT_FALSE(box.IsValid());
  EXPECT_FALSE(g.Transform(ON_Xform(1)));
}

TEST(TextLog, PrintsIntoAStringWithIndentation)
{
  ON_wString text;
  ON_TextLog log(text);
  log.Print("a=%d\n", 1);
  log.PushIndent();
  log.Print(L"%s\nc\n", L"b");
  log.PopIndent();
  log.Print("%S", L"d");
  EXPECT_TRUE(text == L"a=1\n  b\n  c\nd");
}
