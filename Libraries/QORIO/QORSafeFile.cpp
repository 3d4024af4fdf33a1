#include "QORSafeFile.h"

#include "Interrupt.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Permissions the new file gets: the target's when it exists, else what a plain create gives.
mode_t CreationMode(const std::string& path)
{
  struct stat info;
  const int error = errno; // a missing target is no failure to report
  const bool exists = stat(path.c_str(), &info) == 0;
  errno = error;
  if (exists)
    return info.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

} // namespace

QORSafeFile::~QORSafeFile() { Discard(); }

bool QORSafeFile::Open(const std::string& path)
{
  Discard();
  struct stat info;
  if (path.empty() || (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)))
  {
    errno = path.empty() ? ENOENT : EISDIR;
    return false;
  }
  m_path = path;
  m_temp = path + ".XXXXXX";
  const int fd = mkstemp(m_temp.data());
  if (fd < 0)
  {
    m_temp.clear();
    return false;
  }
  fchmod(fd, CreationMode(path));
  m_stream = fdopen(fd, "wb");
  if (!m_stream)
  {
    close(fd);
    Discard();
    return false;
  }
  m_failed = false;
  return true;
}

bool QORSafeFile::Write(const void* data, size_t size)
{
  if (!m_failed && Interrupted())
    m_failed = true;
  if (!m_stream || std::fwrite(data, 1, size, m_stream) != size)
    m_failed = true;
  return !m_failed;
}

// The user stopped the command: the writing fails with EINTR and the target stays as it was.
bool QORSafeFile::Interrupted()
{
  if (!Platform::Interrupt::Requested())
    return false;
  errno = EINTR;
  return true;
}

bool QORSafeFile::Flush(std::string& text)
{
  const bool ok = Write(text.data(), text.size());
  text.clear();
  return ok;
}

bool QORSafeFile::Commit()
{
  if (!m_stream)
    return false;
  const bool interrupted = Interrupted();
  bool ok = !m_failed && !interrupted && std::fflush(m_stream) == 0 && !std::ferror(m_stream);
  ok = std::fclose(m_stream) == 0 && ok;
  m_stream = nullptr;
  if (ok)
    ok = std::rename(m_temp.c_str(), m_path.c_str()) == 0;
  if (ok)
  {
    m_temp.clear();
    return true;
  }
  Discard();
  if (interrupted)
    errno = EINTR;
  return false;
}

// Keeps errno, so that a caller can still tell why the writing failed.
void QORSafeFile::Discard()
{
  const int error = errno;
  if (m_stream)
    std::fclose(m_stream);
  m_stream = nullptr;
  if (!m_temp.empty())
    std::remove(m_temp.c_str());
  m_temp.clear();
  errno = error;
}
