#pragma once

#include <string>

namespace Platform
{

// Randomly generated 128-bit identifiers.
class Uuid
{
public:
  // Lower-case "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx".
  static std::string CreateString();
};

} // namespace Platform
