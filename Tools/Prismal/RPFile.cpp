#include "RPFile.h"

#include <sodium.h>

#include <cstring>

namespace prismal
{

namespace
{

constexpr size_t kVersionOffset = 8;
constexpr size_t kSaltOffset = 12;
constexpr size_t kNonceOffset = kSaltOffset + crypto_pwhash_argon2id_SALTBYTES;

static_assert(crypto_pwhash_argon2id_SALTBYTES == 16, "the layout holds a 16-byte salt");
static_assert(crypto_aead_xchacha20poly1305_ietf_NPUBBYTES == 24, "the layout holds a 24-byte nonce");
static_assert(kNonceOffset + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES == RPFile::kHeaderSize);
static_assert(crypto_aead_xchacha20poly1305_ietf_ABYTES == RPFile::kTagSize);

// Version 1 key derivation: Argon2id v1.3, 2 passes over 64 MiB. Written out rather than taken
// from libsodium's named levels, which may change between its releases.
constexpr unsigned long long kOpsLimit = 2;
constexpr size_t kMemLimit = size_t(64) << 20;
constexpr size_t kKeySize = crypto_aead_xchacha20poly1305_ietf_KEYBYTES;

void PutUint32(unsigned char* out, uint32_t value)
{
  for (int i = 0; i < 4; ++i)
    out[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t GetUint32(const unsigned char* in)
{
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(in[i]) << (8 * i);
  return value;
}

// A key that is wiped when it goes out of scope.
struct Key
{
  unsigned char bytes[kKeySize];
  ~Key() { sodium_memzero(bytes, sizeof bytes); }
};

} // namespace

bool RPFile::IsRP(const unsigned char* data, size_t size)
{
  return size >= sizeof kMagic && std::memcmp(data, kMagic, sizeof kMagic) == 0;
}

uint32_t RPFile::Version(const unsigned char* data, size_t size)
{
  return size >= kVersionOffset + 4 ? GetUint32(data + kVersionOffset) : 0;
}

bool RPFile::DeriveKey(const char* password, const unsigned char* salt, unsigned char* key)
{
  return crypto_pwhash(key, kKeySize, password, std::strlen(password), salt, kOpsLimit, kMemLimit,
                       crypto_pwhash_ALG_ARGON2ID13) == 0;
}

bool RPFile::Seal(const unsigned char* plain, size_t size, const char* password, std::vector<unsigned char>& rp)
{
  std::vector<unsigned char> out(kHeaderSize + size + kTagSize);
  unsigned char* header = out.data();
  std::memcpy(header, kMagic, sizeof kMagic);
  PutUint32(header + kVersionOffset, kVersion);
  randombytes_buf(header + kSaltOffset, crypto_pwhash_argon2id_SALTBYTES);
  randombytes_buf(header + kNonceOffset, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
  Key key;
  if (!DeriveKey(password, header + kSaltOffset, key.bytes))
    return false;
  unsigned long long sealed = 0;
  crypto_aead_xchacha20poly1305_ietf_encrypt(out.data() + kHeaderSize, &sealed, plain, size, header, kHeaderSize,
                                             nullptr, header + kNonceOffset, key.bytes);
  rp.swap(out);
  return true;
}

RPFile::Status RPFile::Open(const unsigned char* rp, size_t size, const char* password, SecureBytes& plain)
{
  if (size < kHeaderSize + kTagSize)
    return Status::Truncated;
  if (Version(rp, size) != kVersion)
    return Status::UnsupportedVersion;
  Key key;
  if (!DeriveKey(password, rp + kSaltOffset, key.bytes))
    return Status::NoMemory;
  SecureBytes out(size - kHeaderSize - kTagSize);
  unsigned long long opened = 0;
  if (crypto_aead_xchacha20poly1305_ietf_decrypt(out.data(), &opened, nullptr, rp + kHeaderSize, size - kHeaderSize, rp,
                                                 kHeaderSize, rp + kNonceOffset, key.bytes) != 0)
    return Status::Refused;
  plain.swap(out);
  return Status::Opened;
}

} // namespace prismal
