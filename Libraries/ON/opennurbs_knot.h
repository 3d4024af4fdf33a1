#pragma once

#include "opennurbs_defines.h"

// Knot vectors use the toolkit's layout: order + cv_count - 2 knots, no superfluous end knots.
// Span i (0 <= i <= cv_count - order) is [knot[i + order - 2], knot[i + order - 1]] and is
// shaped by the control vertices i .. i + order - 1.

// Span index for parameter t: the non-empty span with knot[i+order-2] <= t < knot[i+order-1];
// t at or past the end gives the last span, t before the start the first. With side < 0 a t
// on an interior knot takes the span to its left. hint, a span found before, is tried first.
ON_DECL int ON_NurbsSpanIndex(int order, int cv_count, const double* knot, double t, int side = 0, int hint = 0);

// Clamped knots spaced by delta (accumulated by repeated addition); false when delta <= 0.
ON_DECL bool ON_MakeClampedUniformKnotVector(int order, int cv_count, double* knot, double delta = 1.0);

// Valid values, non-decreasing, non-empty end spans, no multiplicity above the degree.
ON_DECL bool ON_IsValidKnotVector(int order, int cv_count, const double* knot);

// Greville abscissa of the control vertex whose first knot is knot[0]: the mean of
// knot[0 .. order-2].
ON_DECL double ON_GrevilleAbcissa(int order, const double* knot);
