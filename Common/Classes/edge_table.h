#pragma once

// The six edges of a simplex with four vertices, by vertex position, with the two positions off the
// edge. The order of `third` and `fourth` sets the direction of the walk around an edge.
struct edge_row
{
  int end0, end1, third, fourth;
};

constexpr edge_row kEdgeTable[6] = {{0, 1, 2, 3}, {0, 2, 3, 1}, {0, 3, 1, 2}, {1, 2, 3, 0}, {1, 3, 0, 2}, {2, 3, 0, 1}};

// The edge number of the positions a and b (a != b, both in 0..3).
inline int EdgeOfPositions(int a, int b)
{
  static const int kEdge[4][4] = {{-1, 0, 1, 2}, {0, -1, 3, 4}, {1, 3, -1, 5}, {2, 4, 5, -1}};
  return kEdge[a][b];
}
