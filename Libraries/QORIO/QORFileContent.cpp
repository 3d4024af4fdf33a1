#include "QORFileContent.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

bool QORFileContent::Load(const ON_wString& path)
{
  m_data.reset();
  m_size = 0;
  const int fd = open(static_cast<const char*>(ON_String(path)), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  bool ok = false;
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
  {
    const size_t capacity = static_cast<size_t>(info.st_size);
    m_data.reset(new (std::nothrow) char[capacity > 0 ? capacity : 1]);
    ok = m_data != nullptr;
    while (ok && m_size < capacity) // a file that shrinks while read keeps what was there
    {
      const ssize_t n = read(fd, m_data.get() + m_size, capacity - m_size);
      if (n < 0 && errno == EINTR)
        continue;
      ok = n >= 0;
      if (n <= 0)
        break;
      m_size += static_cast<size_t>(n);
    }
  }
  close(fd);
  return ok;
}

std::string_view QORFileContent::Text() const { return std::string_view(m_data.get(), m_size); }
