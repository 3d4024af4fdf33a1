#pragma once

// The host SDK: everything a plug-in includes.
#include "CArgsRhinoGetLine.h"
#include "CRhinoApp.h"
#include "CRhinoCommand.h"
#include "CRhinoDoc.h"
#include "CRhinoGetObject.h"
#include "CRhinoPlugIn.h"
#include "RhinoGetLine.h"
#include "RhinoSdkVersion.h"
#include "opennurbs.h"
