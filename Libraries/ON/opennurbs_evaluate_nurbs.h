#pragma once

#include "opennurbs_defines.h"

// Values and derivatives of the order B-spline basis functions that are non-zero on one span.
// knot points at the span's first knot (knot array + span index, toolkit layout), so the span is
// [knot[order-2], knot[order-1]]. N receives (der_count + 1) rows of order values:
// N[k*order + j] is the k-th derivative of the basis function of control vertex span + j.
// Parameters outside the span extrapolate its polynomial.
ON_DECL bool ON_EvaluateNurbsBasisDerivatives(int order, const double* knot, double t, int der_count, double* N);
