#include "FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace prismal
{

namespace
{

bool WriteAll(int fd, const unsigned char* data, size_t size)
{
  while (size > 0)
  {
    const ssize_t n = write(fd, data, size);
    if (n < 0)
    {
      if (errno == EINTR)
        continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

} // namespace

bool FileBytes::Read(const char* path, SecureBytes& bytes)
{
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  struct stat info;
  if (fstat(fd, &info) != 0)
  {
    const int error = errno;
    close(fd);
    errno = error;
    return false;
  }
  if (!S_ISREG(info.st_mode))
  {
    close(fd);
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  SecureBytes content;
  try
  {
    content.resize(static_cast<size_t>(info.st_size));
  }
  catch (...)
  {
    close(fd);
    throw;
  }
  size_t done = 0;
  while (done < content.size())
  {
    const ssize_t n = read(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
    {
      const int error = n == 0 ? EIO : errno; // the file shrank while being read
      close(fd);
      errno = error;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  close(fd);
  bytes.swap(content);
  return true;
}

bool FileBytes::Replace(const char* path, const unsigned char* data, size_t size, mode_t newMode)
{
  struct stat info;
  mode_t mode;
  if (stat(path, &info) == 0)
  {
    if (S_ISDIR(info.st_mode))
    {
      errno = EISDIR;
      return false;
    }
    mode = info.st_mode & 07777;
  }
  else
  {
    const mode_t mask = umask(0);
    umask(mask);
    mode = newMode & ~mask;
  }
  std::string temporary = std::string(path) + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC); // readable by its owner only
  if (fd < 0)
    return false;
  bool ok = WriteAll(fd, data, size) && fchmod(fd, mode) == 0;
  int error = errno;
  if (close(fd) != 0 && ok)
  {
    ok = false;
    error = errno;
  }
  if (ok && std::rename(temporary.c_str(), path) == 0)
    return true;
  if (ok)
    error = errno;
  unlink(temporary.c_str());
  errno = error;
  return false;
}

} // namespace prismal
