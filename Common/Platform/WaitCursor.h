#pragma once

namespace Platform
{

// Marks, for its lifetime, that the user waits. A console has no cursor to change; the depth
// tells whether a wait is in progress.
class WaitCursor
{
public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  static int Depth();
};

} // namespace Platform
