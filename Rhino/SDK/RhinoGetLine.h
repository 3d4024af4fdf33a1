#pragma once

#include "CArgsRhinoGetLine.h"
#include "CRhinoCommand.h"

class CRhinoHistory;

// Asks for a line by its start and end points, each answered as "x,y,z" (z may be left out).
// Returns success with the line filled, or cancel.
CRhinoCommand::result RhinoGetLine(CArgsRhinoGetLine& args, ON_Line& line, CRhinoHistory* history = nullptr);
