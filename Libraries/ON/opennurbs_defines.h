#pragma once

// Basic types, constants and validity tests of the core toolkit.

#include <cfloat>
#include <cstddef>
#include <cstdint>

// Every class of the shared library is visible; the macros keep the toolkit's declarations.
#define ON_CLASS
#define ON_DECL
#define ON_EXTERN_DECL
#define ON_MSC_CDECL

typedef int ON_BOOL32;
typedef int8_t ON__INT8;
typedef uint8_t ON__UINT8;
typedef int16_t ON__INT16;
typedef uint16_t ON__UINT16;
typedef int32_t ON__INT32;
typedef uint32_t ON__UINT32;
typedef int64_t ON__INT64;
typedef uint64_t ON__UINT64;

#define ON_UNSET_VALUE -1.23432101234321e+308
#define ON_UNSET_FLOAT -1.234321e+38f
#define ON_UNSET_UINT_INDEX 0xFFFFFFFFU

// The release of the system's era (v4/v5-early) used 1.0e-12; the toolkit switched to 2^-32 in 2012.
// The later value is kept: 1e-12 is below the round-off of ordinary model coordinates.
#define ON_ZERO_TOLERANCE 2.3283064365386962890625e-10
// Relative coincidence tolerance that came with the 2012 zero tolerance.
#define ON_RELATIVE_TOLERANCE 2.27373675443232059e-13
#define ON_EPSILON 2.2204460492503131e-16
#define ON_SQRT_EPSILON 1.490116119385000000e-8
#define ON_FLOAT_EPSILON 1.192092896e-07
#define ON_DBL_MIN 2.2250738585072020e-308
#define ON_ZERO_CURVATURE_TOLERANCE 1.0e-8
#define ON_PI 3.141592653589793238462643
#define ON_DEGREES_TO_RADIANS (ON_PI / 180.0)
#define ON_RADIANS_TO_DEGREES (180.0 / ON_PI)
#define ON_DEFAULT_ANGLE_TOLERANCE (ON_PI / 180.0)

// v4/v5 rule: valid means finite and different from ON_UNSET_VALUE.
ON_DECL bool ON_IsValid(double x);
ON_DECL bool ON_IsValidFloat(float x);

#define ON_IS_VALID(x) ON_IsValid(x)
#define ON_IS_VALID_FLOAT(x) ON_IsValidFloat(x)

// Number of knots of a NURBS curve with the given order and control point count.
ON_DECL int ON_KnotCount(int order, int cv_count);
