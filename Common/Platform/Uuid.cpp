#include "Uuid.h"

#include <uuid/uuid.h>

namespace Platform {

std::array<std::uint8_t, 16> Uuid::Create() {
  uuid_t id;
  uuid_generate_random(id);
  std::array<std::uint8_t, 16> bytes;
  for (int i = 0; i < 16; ++i) bytes[i] = id[i];
  return bytes;
}

std::string Uuid::CreateString() {
  uuid_t id;
  uuid_generate_random(id);
  char text[37];
  uuid_unparse_lower(id, text);
  return text;
}

}  // namespace Platform
