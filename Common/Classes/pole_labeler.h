#pragma once

#include <ostream>

class run_progress;
struct input_box;
struct pole_tables;

// Labels every pole inner or outer: a priority-driven flood from the poles far outside the samples,
// through deeply intersecting neighbours (same label) and opposite poles (other label), then local
// votes for the poles the flood did not reach.
class pole_labeler
{
public:
  pole_labeler(pole_tables& poles, std::ostream* log, run_progress* progress = nullptr);

  // Each pole labelled is a progress step.
  void Run(const input_box& box, double scale);
  int Unlabelled() const;

private:
  void Flood(const input_box& box, double scale);
  void Spread(class pole_heap& heap, int pole);
  void LabelRemaining(int pole);
  void Log(const char* text) const;

  pole_tables& m_poles;
  std::ostream* m_log;
  run_progress* m_progress;
};
