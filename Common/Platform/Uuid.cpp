#include "Uuid.h"

#include <uuid/uuid.h>

namespace Platform
{

std::string Uuid::CreateString()
{
  uuid_t id;
  uuid_generate_random(id);
  char text[37];
  uuid_unparse_lower(id, text);
  return text;
}

} // namespace Platform
