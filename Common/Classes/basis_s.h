#pragma once

// Largest hull dimension the records hold; both passes of the reconstruction build 4-dimensional hulls.
constexpr int MAXDIM = 4;

// A reduced vector: an exact, integer-valued half and the floating residual of its reduction
// against the earlier vertices of a simplex. Pooled and shared by reference count.
struct basis_s
{
  basis_s* next; // free-list link
  int ref_count;
  int scale_log2;            // power-of-two scaling applied to the exact half
  double exact_norm2;        // squared length of the exact half
  double residual_norm2;     // squared length of the residual half
  double half_log2_residual; // 0.5 log2(residual_norm2) once asked for; NaN until then
  double vecs[2 * MAXDIM];   // residual half, then exact half

  double* Residual() { return vecs; }
  double* Exact(int rdim) { return vecs + rdim; }
};
