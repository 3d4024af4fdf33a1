#include "QORFileContent.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

int QORFileContent::Read(const ON_wString& path, std::string& content)
{
  const int fd = open(static_cast<const char*>(ON_String(path)), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return 0;
  int rc = 0;
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
  {
    try
    {
      std::string data(static_cast<size_t>(info.st_size), '\0');
      size_t done = 0;
      while (done < data.size())
      {
        const ssize_t n = read(fd, &data[done], data.size() - done);
        if (n < 0 && errno == EINTR)
          continue;
        if (n <= 0)
          break;
        done += static_cast<size_t>(n);
      }
      data.resize(done); // a file that shrank while read keeps what was there
      content.swap(data);
      rc = 1;
    }
    catch (const std::bad_alloc&)
    {
      rc = 0;
    }
  }
  close(fd);
  return rc;
}
