#pragma once

// Everything of our openNURBS-compatible core.

#include "opennurbs_defines.h"
#include "opennurbs_memory.h"
#include "opennurbs_on.h"

#include "opennurbs_2dpoint.h"
#include "opennurbs_2dvector.h"
#include "opennurbs_2fpoint.h"
#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_3fpoint.h"
#include "opennurbs_3fvector.h"
#include "opennurbs_4dpoint.h"

#include "opennurbs_string.h"
#include "opennurbs_wstring.h"
#include "opennurbs_uuid.h"
#include "opennurbs_color.h"
#include "opennurbs_textlog.h"

#include "opennurbs_interval.h"
#include "opennurbs_bounding_box.h"
#include "opennurbs_line.h"

#include "opennurbs_array.h"

#include "opennurbs_classid.h"
#include "opennurbs_object.h"
#include "opennurbs_geometry.h"
#include "opennurbs_pointgeometry.h"

#include "opennurbs_xform.h"
#include "opennurbs_planeequation.h"
#include "opennurbs_plane.h"
#include "opennurbs_knot.h"
#include "opennurbs_evaluate_nurbs.h"
#include "opennurbs_curve.h"
#include "opennurbs_surface.h"
#include "opennurbs_nurbscurve.h"
#include "opennurbs_nurbssurface.h"
#include "opennurbs_polyline.h"
#include "opennurbs_linecurve.h"
#include "opennurbs_polylinecurve.h"

#include "opennurbs_meshface.h"
#include "opennurbs_meshtopologyvertex.h"
#include "opennurbs_meshtopologyedge.h"
#include "opennurbs_meshtopologyface.h"
#include "opennurbs_meshtopology.h"
#include "opennurbs_mesh.h"
