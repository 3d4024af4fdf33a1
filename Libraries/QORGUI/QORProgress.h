#pragma once

#include "ProgressReporter.h"

// Progress window of the dialog library: title, status line and bar driven by a counter.
class QORProgress : public Platform::ProgressReporter
{
public:
  using Platform::ProgressReporter::ProgressReporter;
};
