#pragma once

#include "SecureBytes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace prismal
{

// The RP file layout (see Prismal.h): sealing STL bytes and opening them again.
class RPFile
{
public:
  static constexpr unsigned char kMagic[8] = {'P', 'R', 'I', 'S', 'M', 'A', 'L', 0x1A};
  static constexpr uint32_t kVersion = 1;
  static constexpr size_t kHeaderSize = 8 + 4 + 16 + 24;
  static constexpr size_t kTagSize = 16;

  enum class Status
  {
    Opened,
    Truncated,          // shorter than a header and a tag
    UnsupportedVersion, // a version this converter does not read
    Refused,            // the tag does not match: wrong password or changed bytes
    NoMemory,           // the key derivation could not get its memory
  };

  // Whether the bytes start with the RP magic.
  static bool IsRP(const unsigned char* data, size_t size);
  // The file's version; 0 when it is too short to hold one.
  static uint32_t Version(const unsigned char* data, size_t size);
  // The RP file of the bytes under the password, with a fresh salt and nonce; false when the
  // key derivation could not get its memory.
  static bool Seal(const unsigned char* plain, size_t size, const char* password, std::vector<unsigned char>& rp);
  // The bytes an RP file holds; `plain` is untouched unless the result is Opened.
  static Status Open(const unsigned char* rp, size_t size, const char* password, SecureBytes& plain);

private:
  static bool DeriveKey(const char* password, const unsigned char* salt, unsigned char* key);
};

} // namespace prismal
