#include "CHostCommand.h"

#include <algorithm>
#include <cerrno>
#include <vector>
#include <cstring>

namespace
{

// Errors that say why a file could not be read or written; others (such as the ENOTTY that the
// C library leaves after probing a stream) say nothing about the file.
bool IsFileError(int error)
{
  switch (error)
  {
  case ENOENT:
  case ENOTDIR:
  case EISDIR:
  case EACCES:
  case EPERM:
  case EROFS:
  case ENOSPC:
  case EDQUOT:
  case EFBIG:
  case EIO:
  case ENAMETOOLONG:
  case ELOOP:
  case EMFILE:
  case ENFILE:
  case EINTR:
    return true;
  default:
    return false;
  }
}

} // namespace

bool CHostCommand::NextFileName(const char* prompt, std::string& path)
{
  if (!NextToken(prompt, path))
    return false;
  const size_t first = path.find_first_not_of(" \t");
  if (first == std::string::npos)
    return false;
  path = path.substr(first, path.find_last_not_of(" \t") - first + 1);
  return true;
}

void CHostCommand::PrintFileFailure(const std::string& text, const std::string& path, int error)
{
  if (IsFileError(error))
    RhinoApp().Print("Failure [%s] %s: %s\n", text.c_str(), path.c_str(), std::strerror(error));
  else
    RhinoApp().Print("Failure [%s] %s\n", text.c_str(), path.c_str());
}

std::string CHostCommand::HelpLines()
{
  std::vector<std::string> lines;
  for (CRhinoCommand* command : CRhinoCommand::Commands())
    if (const auto* host = dynamic_cast<const CHostCommand*>(command))
      lines.push_back(std::string("  ") + host->Usage() + "\n");
  std::sort(lines.begin(), lines.end());
  std::string text;
  for (const std::string& line : lines)
    text += line;
  return text;
}
