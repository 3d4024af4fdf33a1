#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Platform {

// Randomly generated 128-bit identifiers.
class Uuid {
 public:
  static std::array<std::uint8_t, 16> Create();
  // Lower-case "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx".
  static std::string CreateString();
};

}  // namespace Platform
