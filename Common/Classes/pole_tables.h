#pragma once

#include <vector>

// Pole labels.
constexpr signed char kUnlabelled = 0;
constexpr signed char kOuter = 1;
constexpr signed char kInner = 2;

struct opposite_link
{
  double cosine; // of the angle at the sample between its two poles
  int pole;
  int next;
};

struct neighbour_link
{
  double kappa; // cosine of the intersection angle of the two balls
  int cell;     // the power cell (tetrahedron) where the pair was recorded
  int pole;
  int next;
  signed char edge; // edge-table number of the pole pair in `cell`
};

// Adjacency record of one pole.
struct pole_record
{
  double in_priority = 0.0;
  double out_priority = 0.0;
  int first_neighbour = -1;
  int first_opposite = -1;
  int heap_position = 0;
  signed char label = kUnlabelled;
};

// The poles of a reconstruction and their links, shared by the pole, labelling and crust stages.
// Lists are singly linked through indices into the link tables, newest first.
struct pole_tables
{
  std::vector<float> points;  // x, y, z per pole, single precision
  std::vector<float> weights; // |P|^2 - r^2 per pole
  std::vector<int> samples;   // the sample each pole was found for
  std::vector<pole_record> records;
  std::vector<opposite_link> opposites;
  std::vector<neighbour_link> neighbours;

  int Count() const { return static_cast<int>(records.size()); }

  void AddOpposite(int from, int to, double cosine)
  {
    opposites.push_back({cosine, to, records[from].first_opposite});
    records[from].first_opposite = static_cast<int>(opposites.size()) - 1;
  }

  void AddNeighbour(int from, int to, int edge, double kappa, int cell)
  {
    neighbours.push_back({kappa, cell, to, records[from].first_neighbour, static_cast<signed char>(edge)});
    records[from].first_neighbour = static_cast<int>(neighbours.size()) - 1;
  }

  void Release() { *this = pole_tables(); }
};
