#include "opennurbs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace
{
int CompareInts(const int* a, const int* b) { return (*a < *b) ? -1 : ((*a > *b) ? 1 : 0); }
int CompareDoubles(const double* a, const double* b) { return (*a < *b) ? -1 : ((*a > *b) ? 1 : 0); }

// Counts live instances so construction and destruction by ON_ClassArray can be checked.
struct Tracked
{
  static int live;
  int value = -1;
  Tracked() { live++; }
  Tracked(const Tracked& o) : value(o.value) { live++; }
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { live--; }
};
int Tracked::live = 0;
} // namespace

TEST(SimpleArray, CapacityGrowsFourEightSixteen)
{
  ON_SimpleArray<int> a;
  std::vector<int> capacities;
  for (int i = 0; i < 33; i++)
  {
    a.Append(i);
    capacities.push_back(a.Capacity());
  }
  EXPECT_EQ(capacities[0], 4);
  EXPECT_EQ(capacities[3], 4);
  EXPECT_EQ(capacities[4], 8);
  EXPECT_EQ(capacities[8], 16);
  EXPECT_EQ(capacities[16], 32);
  EXPECT_EQ(capacities[32], 64);
  for (int i = 0; i < 33; i++)
    EXPECT_EQ(a[i], i);
}

TEST(SimpleArray, AppendManyGrowsToAtLeastTheNeededCount)
{
  ON_SimpleArray<int> a;
  const int values[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  a.Append(3, values);
  EXPECT_EQ(a.Capacity(), 4); // the usual first step is larger than the 3 needed
  a.Append(10, values);
  EXPECT_EQ(a.Count(), 13);
  EXPECT_EQ(a.Capacity(), 13);
  EXPECT_EQ(a[12], 9);
}

TEST(SimpleArray, AppendOfOwnElementSurvivesGrowth)
{
  ON_SimpleArray<double> a;
  for (int i = 0; i < 4; i++)
    a.Append(i + 0.5);
  ASSERT_EQ(a.Count(), a.Capacity());
  a.Append(a[1]);
  EXPECT_EQ(a[4], 1.5);
  a.Append(5, a.Array()); // whole buffer appended to itself while it moves
  EXPECT_EQ(a.Count(), 10);
  EXPECT_EQ(a[9], 1.5);
  a.Insert(0, a[9]);
  EXPECT_EQ(a[0], 1.5);
}

TEST(SimpleArray, SearchComparesBytesSoNegativeZeroDiffers)
{
  ON_SimpleArray<double> a;
  a.Append(1.0);
  a.Append(0.0);
  EXPECT_EQ(a.Search(0.0), 1);
  EXPECT_EQ(a.Search(-0.0), -1);
  const double minus_zero = -0.0;
  EXPECT_EQ(a.Search(&minus_zero, CompareDoubles), 1); // value comparison finds it
  EXPECT_EQ(a.Search(&minus_zero, nullptr), -1);
}

TEST(SimpleArray, SortsReportEmptyAndNullCompareAsFailure)
{
  for (auto sort : {&ON_SimpleArray<int>::QuickSort, &ON_SimpleArray<int>::HeapSort})
  {
    ON_SimpleArray<int> a;
    EXPECT_FALSE((a.*sort)(CompareInts));
    a.Append(7);
    EXPECT_TRUE((a.*sort)(CompareInts));
    EXPECT_FALSE((a.*sort)(nullptr));
    EXPECT_EQ(a[0], 7);
  }
}

TEST(SimpleArray, SortsAndBinarySearchAgreeWithStdSort)
{
  std::mt19937 rng(7);
  std::vector<int> values(1000);
  for (int& v : values)
    v = static_cast<int>(rng() % 200);
  std::vector<int> expected = values;
  std::sort(expected.begin(), expected.end());
  for (auto sort : {&ON_SimpleArray<int>::QuickSort, &ON_SimpleArray<int>::HeapSort})
  {
    ON_SimpleArray<int> a;
    a.Append(static_cast<int>(values.size()), values.data());
    ASSERT_TRUE((a.*sort)(CompareInts));
    ASSERT_TRUE(std::equal(expected.begin(), expected.end(), a.Array()));
    const int present = expected[500], absent = 500;
    const int i = a.BinarySearch(&present, CompareInts);
    ASSERT_GE(i, 0);
    EXPECT_EQ(a[i], present);
    EXPECT_EQ(a.BinarySearch(&absent, CompareInts), -1);
  }
  ON_SimpleArray<int> empty;
  const int key = 1;
  EXPECT_EQ(empty.BinarySearch(&key, CompareInts), -1);
  EXPECT_EQ(empty.BinarySearch(nullptr, CompareInts), -1);
}

TEST(SimpleArray, OutOfRangeInsertAndRemoveAreIgnored)
{
  struct Case
  {
    int index;
    bool insert;
  };
  const Case cases[] = {{-1, true}, {4, true}, {-1, false}, {3, false}, {100, false}};
  for (const Case& c : cases)
  {
    ON_SimpleArray<int> a;
    for (int i = 0; i < 3; i++)
      a.Append(i);
    if (c.insert)
      a.Insert(c.index, 9);
    else
      a.Remove(c.index);
    ASSERT_EQ(a.Count(), 3) << c.index;
    EXPECT_EQ(a[0] + 10 * a[1] + 100 * a[2], 210) << c.index;
  }
  ON_SimpleArray<int> a;
  a.Insert(0, 5); // at Count() is allowed
  a.Insert(1, 6);
  a.Insert(0, 4);
  EXPECT_EQ(a.Count(), 3);
  EXPECT_EQ(a[0] + 10 * a[1] + 100 * a[2], 654);
}

TEST(SimpleArray, RemoveAndEmptyZeroFillButKeepCapacity)
{
  ON_SimpleArray<int> a;
  for (int i = 1; i <= 4; i++)
    a.Append(i);
  a.Remove(1);
  ASSERT_EQ(a.Count(), 3);
  EXPECT_EQ(a[1], 3);
  EXPECT_EQ(a.Array()[3], 0);
  a.Remove();
  EXPECT_EQ(a.Count(), 2);
  a.Empty();
  EXPECT_EQ(a.Count(), 0);
  EXPECT_EQ(a.Capacity(), 4);
  EXPECT_EQ(a.Array()[0], 0);
  EXPECT_EQ(a.AppendNew(), 0);
  a.Destroy();
  EXPECT_EQ(a.Capacity(), 0);
  EXPECT_EQ(a.Array(), nullptr);
}

TEST(SimpleArray, CapacityAndCountRules)
{
  ON_SimpleArray<int> a(10);
  EXPECT_EQ(a.Capacity(), 10);
  a.Reserve(5);
  EXPECT_EQ(a.Capacity(), 10);
  a.SetCount(11);
  EXPECT_EQ(a.Count(), 0);
  a.SetCount(-1);
  EXPECT_EQ(a.Count(), 0);
  a.SetCount(6);
  EXPECT_EQ(a.Count(), 6);
  EXPECT_EQ(a[5], 0); // grown memory is zero-filled
  a.SetCapacity(3);
  EXPECT_EQ(a.Count(), 3);
  a.Shrink();
  EXPECT_EQ(a.Capacity(), 3);
  a.SetCapacity(8);
  EXPECT_EQ(a.Array()[7], 0);
}

TEST(SimpleArray, AccessorsAndCopies)
{
  ON_SimpleArray<int> a;
  EXPECT_EQ(a.At(0), nullptr);
  EXPECT_EQ(a.First(), nullptr);
  EXPECT_EQ(a.Last(), nullptr);
  for (int i = 0; i < 5; i++)
    a.Append(i);
  EXPECT_EQ(a.At(5), nullptr);
  EXPECT_EQ(a.At(-1), nullptr);
  EXPECT_EQ(*a.At(4), 4);
  EXPECT_EQ(*a.First(), 0);
  EXPECT_EQ(*a.Last(), 4);
  a.Reverse();
  EXPECT_EQ(a[0], 4);
  a.Swap(0, 4);
  EXPECT_EQ(a[0], 0);

  ON_SimpleArray<int> b(a);
  EXPECT_EQ(b.Count(), 5);
  EXPECT_EQ(b[4], 4);
  ON_SimpleArray<int> empty;
  b = empty;
  EXPECT_EQ(b.Count(), 0);
  EXPECT_EQ(b.Capacity(), 5);

  int* kept = a.KeepArray();
  EXPECT_EQ(a.Count(), 0);
  ON_SimpleArray<int> c;
  c.SetArray(kept, 5, 8);
  EXPECT_EQ(c.Count(), 5);
  EXPECT_EQ(c[3], 1);
}

TEST(ClassArray, EveryCapacitySlotHoldsALiveElement)
{
  Tracked::live = 0;
  {
    ON_ClassArray<Tracked> a;
    a.SetCapacity(4);
    EXPECT_EQ(Tracked::live, 4);
    for (int i = 0; i < 5; i++)
      a.AppendNew().value = i;
    EXPECT_EQ(a.Capacity(), 8);
    EXPECT_EQ(Tracked::live, 8);
    EXPECT_EQ(a[4].value, 4);

    a.Remove(1);
    EXPECT_EQ(a.Count(), 4);
    EXPECT_EQ(a[1].value, 2);
    EXPECT_EQ(a.Array()[4].value, -1); // vacated slot default again
    EXPECT_EQ(Tracked::live, 8);

    a.SetCount(5);
    EXPECT_EQ(a.AppendNew().value, -1); // a reused slot is re-default-constructed

    a.Empty();
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(a.Capacity(), 8);
    EXPECT_EQ(Tracked::live, 8);
    a.SetCapacity(2);
    EXPECT_EQ(Tracked::live, 2);
    a.Destroy();
    EXPECT_EQ(Tracked::live, 0);
  }
  EXPECT_EQ(Tracked::live, 0);
}

TEST(ClassArray, HoldsNonTrivialElementsThroughGrowthInsertRemoveAndSort)
{
  ON_ClassArray<ON_String> a;
  for (int i = 0; i < 20; i++)
  {
    ON_String s;
    s.Format("item %02d with a text long enough to live on the heap", 19 - i);
    a.Append(s);
  }
  a.Append(a[0]); // own element while the buffer moves
  EXPECT_EQ(a.Count(), 21);
  EXPECT_TRUE(a[20] == a[0]);
  a.Insert(1, ON_String("first"));
  EXPECT_TRUE(a[1] == "first");
  a.Remove(1);
  a.Remove(20);
  a.Insert(-1, ON_String("ignored"));
  a.Swap(0, 99);
  EXPECT_EQ(a.Count(), 20);

  auto compare = [](const ON_String* x, const ON_String* y) { return x->Compare(*y); };
  ASSERT_TRUE(a.QuickSort(compare));
  for (int i = 1; i < a.Count(); i++)
    EXPECT_LT(a[i - 1].Compare(a[i]), 0);
  const ON_String key("item 07 with a text long enough to live on the heap");
  EXPECT_EQ(a.BinarySearch(&key, compare), 7);
  EXPECT_EQ(a.Search(&key, compare), 7);

  ON_ClassArray<ON_String> copy;
  copy = a;
  a.Destroy();
  EXPECT_TRUE(copy[7] == key);
  ON_ClassArray<ON_String> empty;
  EXPECT_FALSE(empty.HeapSort(compare));
}

TEST(PointArray, BoundingBoxOfEmptyArrayIsTheInvalidDefault)
{
  ON_3dPointArray points;
  const ON_BoundingBox box = points.BoundingBox();
  EXPECT_FALSE(box.IsValid());
  EXPECT_EQ(box.m_min, ON_3dPoint(1, 0, 0));
  EXPECT_EQ(box.m_max, ON_3dPoint(-1, 0, 0));
}

TEST(PointArray, BoundingBoxesAndClosestPoint)
{
  ON_3dPointArray points;
  points.Append(ON_3dPoint(1, 5, -2));
  points.Append(ON_3dPoint(-3, 2, 4));
  points.Append(ON_3dPoint(0, 0, 0));
  ON_BoundingBox box = points.BoundingBox();
  EXPECT_EQ(box.m_min, ON_3dPoint(-3, 0, -2));
  EXPECT_EQ(box.m_max, ON_3dPoint(1, 5, 4));
  EXPECT_EQ(points.BoundingBox(1, 2).m_max, ON_3dPoint(0, 2, 4));
  EXPECT_FALSE(points.BoundingBox(2, 2).IsValid());

  ON_BoundingBox grown(ON_3dPoint(10, 10, 10), ON_3dPoint(11, 11, 11));
  ASSERT_TRUE(points.GetBoundingBox(grown, true));
  EXPECT_EQ(grown.m_max, ON_3dPoint(11, 11, 11));
  EXPECT_EQ(grown.m_min, ON_3dPoint(-3, 0, -2));

  int index = -1;
  EXPECT_TRUE(points.GetClosestPoint(ON_3dPoint(0.9, 4, -1), &index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(points.GetClosestPoint(ON_3dPoint(0.9, 4, -1), &index, 0.5));
  EXPECT_FALSE(ON_3dPointArray().GetClosestPoint(ON_3dPoint(0, 0, 0), &index));

  EXPECT_TRUE(points.Translate(ON_3dVector(1, 1, 1)));
  EXPECT_EQ(points[2], ON_3dPoint(1, 1, 1));
  EXPECT_FALSE(ON_3dPointArray().Translate(ON_3dVector(1, 1, 1)));
}

TEST(PointArray, CreateFromRationalPoints)
{
  const double homogeneous[] = {2, 4, 6, 2, 1, 1, 1, 1};
  ON_3dPointArray points;
  ASSERT_TRUE(points.Create(3, true, 2, 4, homogeneous));
  EXPECT_EQ(points[0], ON_3dPoint(1, 2, 3));
  EXPECT_EQ(points[1], ON_3dPoint(1, 1, 1));
  EXPECT_FALSE(points.Create(4, false, 1, 4, homogeneous));
}
