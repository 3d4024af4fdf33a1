#pragma once

// Raised inside the hull engine when its structure becomes inconsistent or a pool is exhausted;
// caught by the reconstruction driver, never thrown past the library.
struct hull_failure
{
  const char* message;
};
