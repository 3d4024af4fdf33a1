#pragma once

#include <functional>

// How a long computation tells its caller how far it has come: the callback hears the fraction
// done (0 to 1) and answers true to go on, false to stop.
using progress_callback = std::function<bool(double fraction)>;

// Thrown from a progress point when the caller answers stop; the driver of the computation catches
// it and releases what the run holds.
struct run_stopped
{
};

// Progress points of a run made of stages. Each stage covers a share of the run and counts its
// items; the callback is asked when a stage starts and every kInterval items within it.
class run_progress
{
public:
  static constexpr long long kInterval = 4096;

  // Without a callback the progress points do nothing.
  explicit run_progress(const progress_callback& callback) : m_callback(callback) {}

  // Starts the stage, named `name`, that takes the run from `begin` to `end` over about `items`
  // items.
  void Stage(double begin, double end, long long items, const char* name = "");
  // The name of the current stage (valid while the run's progress lives).
  const char* StageName() const { return m_name; }
  void Step()
  {
    if (++m_done % kInterval == 0)
      Ask();
  }

private:
  void Ask();

  const progress_callback& m_callback;
  const char* m_name = "";
  double m_begin = 0.0;
  double m_end = 0.0;
  long long m_items = 1;
  long long m_done = 0;
};

// A step of a stage that may run without progress points.
inline void progress_step(run_progress* progress)
{
  if (progress)
    progress->Step();
}
