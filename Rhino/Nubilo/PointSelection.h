#pragma once

#include "rhinoSdk.h"

// The point prompt of the commands that work on point objects, with list options whose choices the
// plug-in's settings remember between runs.
class PointSelection
{
public:
  // A list option: its name, its values, the settings entry that remembers it and the value chosen.
  struct ListOption
  {
    const wchar_t* name;
    const wchar_t* const* values;
    int count;
    const wchar_t* entry;
    int index = 0;
  };

  // Sets each option to its remembered value (the first when none is, or it is out of range).
  static void Recall(ListOption* options, int count);
  // Asks for points; an option picked at the prompt changes its value and asks again. True when
  // points were selected, false when the user cancelled.
  static bool Select(CRhinoGetObject& get, ListOption* options, int count);
  // Stores each option's value for the next run.
  static void Remember(const ListOption* options, int count);
  // The locations of the selected point objects.
  static ON_3dPointArray Points(const CRhinoGetObject& get);
};
