#pragma once

#include "opennurbs_2dpointarray.h"
#include "opennurbs_3dpointarray.h"
#include "opennurbs_3fpointarray.h"
#include "opennurbs_3fvectorarray.h"
#include "opennurbs_classarray.h"
#include "opennurbs_simplearray.h"
