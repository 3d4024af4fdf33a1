// The converter's entry points. No exception leaves them.
#include "Prismal.h"

#include "FileBytes.h"
#include "RPFile.h"

#include <sodium.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <strings.h>
#include <vector>

#define PRISMAL_EXPORT __attribute__((visibility("default")))

namespace
{

using prismal::FileBytes;
using prismal::RPFile;
using prismal::SecureBytes;

constexpr size_t kStlHeaderSize = 80 + 4;
constexpr size_t kStlFacetSize = 50;

// A binary STL file: a header, a facet count and exactly that many facets.
bool IsBinarySTL(const SecureBytes& bytes)
{
  if (bytes.size() < kStlHeaderSize)
    return false;
  uint32_t count = 0;
  for (int i = 0; i < 4; ++i)
    count |= static_cast<uint32_t>(bytes[80 + i]) << (8 * i);
  return bytes.size() - kStlHeaderSize == static_cast<size_t>(count) * kStlFacetSize;
}

void Report(char* errorText, int errorTextSize, const std::string& message)
{
  if (!errorText || errorTextSize <= 0)
    return;
  const size_t n = std::min(message.size(), static_cast<size_t>(errorTextSize) - 1);
  std::memcpy(errorText, message.data(), n);
  errorText[n] = '\0';
}

// A failure that is not about a file: errno cleared so that callers do not blame one.
std::string Failure(const char* message)
{
  errno = 0;
  return message;
}

// Whether the path's name ends in the extension (with its dot), in any case.
bool HasExtension(const char* path, const char* extension)
{
  const size_t n = std::strlen(path), m = std::strlen(extension);
  return n > m && path[n - m - 1] != '/' && strcasecmp(path + n - m, extension) == 0;
}

std::string OpenRP(const SecureBytes& input, const char* password, const char* destination)
{
  if (!RPFile::IsRP(input.data(), input.size()))
    return Failure("Not an RP file");
  SecureBytes stl;
  switch (RPFile::Open(input.data(), input.size(), password, stl))
  {
  case RPFile::Status::Opened:
    break;
  case RPFile::Status::Truncated:
    return Failure("Truncated RP file");
  case RPFile::Status::UnsupportedVersion:
    return Failure(
        ("Unsupported RP file version " + std::to_string(RPFile::Version(input.data(), input.size()))).c_str());
  case RPFile::Status::Refused:
    return Failure("Wrong password or damaged RP file");
  case RPFile::Status::NoMemory:
    return Failure("Out of memory");
  }
  if (!FileBytes::Replace(destination, stl.data(), stl.size(), 0600))
    return "Unable to write to STL file";
  return "";
}

std::string SealSTL(const SecureBytes& input, const char* password, const char* destination)
{
  if (!IsBinarySTL(input))
    return Failure("Not a binary STL file");
  std::vector<unsigned char> rp;
  if (!RPFile::Seal(input.data(), input.size(), password, rp))
    return Failure("Out of memory");
  if (!FileBytes::Replace(destination, rp.data(), rp.size(), 0666))
    return "Unable to write to RP file";
  return "";
}

// The conversion; an empty result on success, else the message.
std::string Convert(const char* source, const char* destination, const char* sourcePassword,
                    const char* destinationPassword)
{
  if (!source || !destination)
    return Failure("Missing file name");
  const bool toSTL = HasExtension(source, ".rp") && HasExtension(destination, ".stl");
  const bool toRP = HasExtension(source, ".stl") && HasExtension(destination, ".rp");
  if (!toSTL && !toRP)
    return Failure("Files to convert are an .rp and an .stl file");
  if (sodium_init() < 0)
    return Failure("The encryption library could not be started");
  SecureBytes input;
  if (!FileBytes::Read(source, input))
    return toSTL ? "Unable to read RP file" : "Unable to read STL file";
  if (toSTL)
    return OpenRP(input, sourcePassword ? sourcePassword : "", destination);
  return SealSTL(input, destinationPassword ? destinationPassword : "", destination);
}

} // namespace

extern "C" PRISMAL_EXPORT int IsPasswordValid(const char* rpPath, const char* password)
{
  try
  {
    if (!rpPath || sodium_init() < 0)
      return 1;
    SecureBytes input;
    if (!FileBytes::Read(rpPath, input) || !RPFile::IsRP(input.data(), input.size()))
      return 1;
    SecureBytes stl;
    return RPFile::Open(input.data(), input.size(), password ? password : "", stl) == RPFile::Status::Refused ? 0 : 1;
  }
  catch (...)
  {
    return 1; // ConvertFile will say what is wrong
  }
}

extern "C" PRISMAL_EXPORT int ConvertFile(const char* source, const char* destination, const char* sourcePassword,
                                          const char* destinationPassword, char* errorText, int errorTextSize)
{
  std::string message;
  try
  {
    message = Convert(source, destination, sourcePassword, destinationPassword);
  }
  catch (const std::bad_alloc&)
  {
    message = Failure("Out of memory");
  }
  catch (...)
  {
    message = Failure("Conversion failed");
  }
  if (message.empty())
    return 1;
  const int error = errno;
  Report(errorText, errorTextSize, message);
  errno = error;
  return 0;
}
