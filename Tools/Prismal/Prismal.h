#pragma once

// Prismal: the RP converter, a shared library that callers load at run time and call through
// these two C entry points.
//
// An RP file holds one binary STL file, encrypted and authenticated with a key derived from a
// password (an empty password when none was given). Version 1, all integers little-endian:
//
//   offset  size  field
//        0     8  magic "PRISMAL" followed by byte 0x1A
//        8     4  format version (1)
//       12    16  Argon2id salt, random per file
//       28    24  XChaCha20-Poly1305 nonce, random per file
//       52     n  the STL bytes, encrypted
//     52+n    16  Poly1305 tag over the 52 header bytes and the encrypted bytes
//
// The key (32 bytes) is Argon2id v1.3 of the password's UTF-8 bytes and the salt, with 2 passes
// over 64 MiB (libsodium's "interactive" level: moderate, so that a conversion stays quick).
// The version fixes these limits; a file cannot ask for more. A wrong password and any changed,
// missing or added byte fail the same way: the tag does not match.

#ifdef __cplusplus
extern "C"
{
#endif

  // Nonzero unless `rpPath` is an RP file that the password does not open (or whose bytes were
  // changed). A file that cannot be read or is no RP file gives nonzero: the password is not what
  // stops its conversion, and ConvertFile says what does.
  int IsPasswordValid(const char* rpPath, const char* password);

  // Converts between an RP file and a binary STL file, the kinds being those the two paths name
  // (extensions .rp and .stl, in any case): an RP source is opened with `sourcePassword`, an STL
  // source is protected with `destinationPassword`. The destination is replaced only on success; a
  // new STL file is readable by its owner only. Nonzero on success; zero on failure, with the
  // message in `errorText` (at most errorTextSize bytes, always terminated) and errno telling the
  // file error when there is one (0 otherwise).
  int ConvertFile(const char* source, const char* destination, const char* sourcePassword,
                  const char* destinationPassword, char* errorText, int errorTextSize);

#ifdef __cplusplus
}
#endif
