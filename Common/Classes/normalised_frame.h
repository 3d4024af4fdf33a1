#pragma once

// Similarity frame that carries a point set into a unit box about the origin (centre of its bounding
// box at the origin, largest extent 1), where the hull engine's scaled integer coordinates and their
// squares stay well inside the exactly representable range, and carries results back.
class normalised_frame
{
public:
  // False when the points are not all finite or span no extent.
  bool Fit(const double* points, int count);

  void ToFrame(const double* p, double* out) const;
  void FromFrame(const double* p, double* out) const;
  // Carries a ball's weight |P|^2 - r^2 from the frame (centre P given in the frame) back.
  double WeightFromFrame(const double* centre, double weight) const;

private:
  double m_centre[3] = {0.0, 0.0, 0.0};
  double m_extent = 1.0;
};
