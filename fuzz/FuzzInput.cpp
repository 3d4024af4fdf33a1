#include "FuzzInput.h"

#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

ON_wString FuzzInput::File(const uint8_t* data, size_t size)
{
  static const int fd = memfd_create("nubilo-fuzz", MFD_CLOEXEC);
  if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
    std::abort();
  return ON_wString(("/proc/self/fd/" + std::to_string(fd)).c_str());
}
