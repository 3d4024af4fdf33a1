#pragma once

#include <cmath>
#include <random>
#include <vector>

// Point samples of simple closed shapes for the reconstruction tests, as x, y, z triples.
namespace sample_shapes
{

inline std::vector<double> Sphere(int count, double radius, unsigned seed)
{
  std::mt19937 random(seed);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::vector<double> points;
  points.reserve(3 * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
  {
    double p[3] = {normal(random), normal(random), normal(random)};
    const double length = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
    for (double c : p)
      points.push_back(radius * c / length);
  }
  return points;
}

// Evenly spread points on a sphere (Fibonacci lattice): a clean sample for the quality checks.
inline std::vector<double> EvenSphere(int count, double radius)
{
  std::vector<double> points;
  const double golden = M_PI * (3.0 - std::sqrt(5.0));
  for (int i = 0; i < count; ++i)
  {
    const double z = 1.0 - (i + 0.5) * 2.0 / count;
    const double r = std::sqrt(1.0 - z * z);
    points.push_back(radius * r * std::cos(golden * i));
    points.push_back(radius * r * std::sin(golden * i));
    points.push_back(radius * z);
  }
  return points;
}

// Torus about the z axis with major radius R and minor radius r, sampled on a slightly jittered grid.
inline std::vector<double> Torus(int around, int across, double R, double r, unsigned seed)
{
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> jitter(-0.25, 0.25);
  std::vector<double> points;
  for (int i = 0; i < around; ++i)
  {
    for (int j = 0; j < across; ++j)
    {
      const double u = 2.0 * M_PI * (i + jitter(random)) / around;
      const double v = 2.0 * M_PI * (j + jitter(random)) / across;
      points.push_back((R + r * std::cos(v)) * std::cos(u));
      points.push_back((R + r * std::cos(v)) * std::sin(u));
      points.push_back(r * std::sin(v));
    }
  }
  return points;
}

} // namespace sample_shapes
