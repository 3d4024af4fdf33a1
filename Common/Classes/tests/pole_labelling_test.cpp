#include "input_box.h"
#include "pole_heap.h"
#include "pole_labeler.h"
#include "pole_tables.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

pole_tables Poles(int count)
{
  pole_tables poles;
  poles.records.resize(count);
  poles.points.assign(3 * static_cast<size_t>(count), 0.0f);
  poles.weights.assign(count, 0.0f);
  return poles;
}

// Equal priorities leave in insertion order only past strictly smaller ones; positions follow.
TEST(PoleHeap, ExtractsLargestFirstAndKeepsPositions)
{
  pole_tables poles = Poles(5);
  pole_heap heap(poles, nullptr);
  const double priorities[] = {0.5, 2.0, 2.0, -1.0, 3.0};
  for (int pole = 0; pole < 5; ++pole)
    heap.Insert(pole, priorities[pole]);
  for (int pole = 0; pole < 5; ++pole)
    EXPECT_TRUE(heap.Holds(poles.records[pole].heap_position, pole));
  // In 0.25 and out 0.75: priority |in - out| - 1 = -0.5 moves pole 4 from the top to the bottom.
  poles.records[4].in_priority = 0.25;
  poles.records[4].out_priority = 0.75;
  heap.UpdatePriority(poles.records[4].heap_position, 4);
  std::vector<int> order;
  for (int pole = heap.Extract(); pole >= 0; pole = heap.Extract())
    order.push_back(pole);
  EXPECT_EQ((std::vector<int>{1, 2, 0, 4, 3}), order);
  EXPECT_EQ(-1, heap.Extract());
}

// Poles 0 (far outside the samples' box) and 1 are deep neighbours; 2 is the opposite pole of 1;
// 3 meets 1 at a right angle (kappa 0: nothing spreads) and 2 deeply, so it takes 2's label.
TEST(PoleLabeler, FloodsFromOutsideThroughNeighboursAndOpposites)
{
  pole_tables poles = Poles(4);
  poles.points = {100.0f, 0, 0, 0.5f, 0, 0, -0.5f, 0, 0, 0.6f, 0.2f, 0};
  poles.AddNeighbour(0, 1, 0, 0.9, -1);
  poles.AddNeighbour(1, 0, 0, 0.9, -1);
  poles.AddOpposite(1, 2, -0.8);
  poles.AddOpposite(2, 1, -0.8);
  poles.AddNeighbour(1, 3, 0, 0.0, -1);
  poles.AddNeighbour(3, 1, 0, 0.0, -1);
  poles.AddNeighbour(3, 2, 0, 0.4, -1);
  poles.AddNeighbour(2, 3, 0, 0.4, -1);
  input_box box;
  const double corner[2][3] = {{-1e6, -1e6, -1e6}, {1e6, 1e6, 1e6}};
  box.Add(corner[0]);
  box.Add(corner[1]);
  pole_labeler labeler(poles, nullptr);
  labeler.Run(box, 1e6);
  EXPECT_EQ(kOuter, poles.records[0].label);
  EXPECT_EQ(kOuter, poles.records[1].label);
  EXPECT_EQ(kInner, poles.records[2].label);
  EXPECT_EQ(kInner, poles.records[3].label);
  EXPECT_EQ(0, labeler.Unlabelled());
}

// Without a pole outside the enlarged box nothing starts the flood, and nothing gets a label.
TEST(PoleLabeler, NoOutsidePoleLeavesEveryPoleUnlabelled)
{
  pole_tables poles = Poles(2);
  poles.AddNeighbour(0, 1, 0, 0.9, -1);
  poles.AddNeighbour(1, 0, 0, 0.9, -1);
  input_box box;
  const double corner[2][3] = {{-1e6, -1e6, -1e6}, {1e6, 1e6, 1e6}};
  box.Add(corner[0]);
  box.Add(corner[1]);
  pole_labeler labeler(poles, nullptr);
  labeler.Run(box, 1e6);
  EXPECT_EQ(2, labeler.Unlabelled());
}

} // namespace
