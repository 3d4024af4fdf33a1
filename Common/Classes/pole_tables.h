#pragma once

#include <array>
#include <vector>

struct simplex;

// Pole labels.
constexpr signed char kUnlabelled = 0;
constexpr signed char kOuter = 1;
constexpr signed char kInner = 2;

struct opposite_link
{
  int pole;
  double cosine;
  int next;
};

struct neighbour_link
{
  int edge;       // edge-table number of the pole pair in `facet`
  double kappa;   // cosine of the intersection angle of the two balls
  simplex* facet;
  int pole;
  int next;
};

// Adjacency record of one pole.
struct pole_record
{
  int first_neighbour = -1;
  int first_opposite = -1;
  signed char label = kUnlabelled;
  double in_priority = 0.0;
  double out_priority = 0.0;
  int heap_position = 0;
};

// The poles of a reconstruction and their links, shared by the pole, labelling and crust stages.
// Lists are singly linked through indices into the link tables, newest first.
struct pole_tables
{
  std::vector<float> points;   // x, y, z per pole, single precision
  std::vector<float> weights;  // |P|^2 - r^2 per pole
  std::vector<pole_record> records;
  std::vector<opposite_link> opposites;
  std::vector<neighbour_link> neighbours;
  std::vector<std::array<double, 3>> vertices;  // Voronoi or power vertices, by simplex vertex_slot - 1

  int Count() const { return static_cast<int>(records.size()); }

  void AddOpposite(int from, int to, double cosine)
  {
    opposites.push_back({to, cosine, records[from].first_opposite});
    records[from].first_opposite = static_cast<int>(opposites.size()) - 1;
  }

  void AddNeighbour(int from, int to, int edge, double kappa, simplex* facet)
  {
    neighbours.push_back({edge, kappa, facet, to, records[from].first_neighbour});
    records[from].first_neighbour = static_cast<int>(neighbours.size()) - 1;
  }

  void Release() { *this = pole_tables(); }
};
