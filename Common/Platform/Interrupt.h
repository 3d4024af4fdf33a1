#pragma once

namespace Platform
{

// The user's request to stop the running command (Ctrl-C). The host raises it from its signal
// handler and clears it before each command; long operations poll it at their progress points
// and fail with "Cancelled", leaving their outputs as they were.
class Interrupt
{
public:
  static bool Requested();
  // Async-signal-safe.
  static void Request();
  static void Clear();

  // The error text of an operation stopped by the request.
  static constexpr const char* kCancelled = "Cancelled";
};

} // namespace Platform
