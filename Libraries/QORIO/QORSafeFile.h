#pragma once

#include <cstdio>
#include <string>

// Writes a file so that a failure never leaves a cut file where a good one stood: the data go
// to a temporary file beside the target, which replaces the target only on Commit. A writing
// interrupted by the user (Platform::Interrupt) fails, with errno EINTR.
class QORSafeFile
{
public:
  QORSafeFile() = default;
  ~QORSafeFile();
  QORSafeFile(const QORSafeFile&) = delete;
  QORSafeFile& operator=(const QORSafeFile&) = delete;

  // Creates the temporary file ("wb" semantics); false when the target's folder is not writable
  // or the target is a folder.
  bool Open(const std::string& path);
  std::FILE* Stream() const { return m_stream; }
  // Writes the bytes; false, with the file marked as failed, when they could not all be written.
  bool Write(const void* data, size_t size);
  // Writes the text and empties it, for writers that fill a buffer piece by piece.
  bool Flush(std::string& text);
  // Marks the file as failed, for writers that test their own writes.
  void Fail() { m_failed = true; }
  // Flushes and closes the temporary file and renames it onto the target; false (and the
  // target untouched) when any write, the close or the rename failed.
  bool Commit();
  // Drops the temporary file.
  void Discard();

private:
  static bool Interrupted();

  std::FILE* m_stream = nullptr;
  std::string m_path;
  std::string m_temp;
  bool m_failed = false;
};
