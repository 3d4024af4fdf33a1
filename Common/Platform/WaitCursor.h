#pragma once

namespace Platform {

// Shows the busy state for its lifetime. A console has no cursor to change, so it only marks
// the scope where the user waits.
class WaitCursor {
 public:
  WaitCursor() = default;
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace Platform
