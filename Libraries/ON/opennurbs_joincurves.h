#pragma once

#include "opennurbs_array.h"
#include "opennurbs_curve.h"

// Joins curves whose ends lie within join_tol of each other into poly curves, as the toolkit's
// version 5 does:
// - Null inputs are skipped; inputs of different dimensions make the call fail (0, nothing
//   appended). Every input is copied; closed copies are appended first, in input order.
// - Candidate pairs of ends of different open curves (start to end; with bPreserveDirection
//   false also start to start and end to end) no farther apart than join_tol are taken in order
//   of distance (ties in order of the curves and ends), each only when neither end is taken yet.
// - Each chain becomes an ON_PolyCurve of the members' segments, every member reversed as the
//   chain needs; without bPreserveDirection a chain of which more than half the members run
//   backwards is reversed as a whole. Adjacent ends are moved to their midpoint. A closed chain
//   starts at its member that came first among the open inputs; an open chain whose ends are
//   within join_tol is closed. Chains are appended in the order they were started, then the
//   open curves that joined nothing, in input order.
// - Line, polyline and NURBS curves (clamped at the ends that move) and poly curves made of them
//   are joined; other open curves are passed through unjoined.
// OutCurves is appended to; the caller deletes what it receives. key, when given, receives per
// input the index in OutCurves of the curve that holds it (-1 for a null input). Returns the
// number of curves appended.
ON_DECL int ON_JoinCurves(const ON_SimpleArray<const ON_Curve*>& InCurves, ON_SimpleArray<ON_Curve*>& OutCurves,
                          double join_tol, bool bPreserveDirection = false, ON_SimpleArray<int>* key = nullptr);
