#pragma once

#include "ProgressReporter.h"

// Progress window of the surface library: title, status line and bar driven by a counter.
class VMProgress : public Platform::ProgressReporter
{
public:
  using Platform::ProgressReporter::ProgressReporter;
};
