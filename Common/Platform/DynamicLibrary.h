#pragma once

#include <string>

namespace Platform
{

// A shared library loaded at run time and found by name.
class DynamicLibrary
{
public:
  DynamicLibrary() = default;
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  // Loads the library; false with the loader's message in Error() when it cannot be loaded.
  bool Load(const std::string& path);
  void Unload();
  bool IsLoaded() const { return m_handle != nullptr; }
  // Address of an exported symbol, or null.
  void* Symbol(const std::string& name) const;
  const std::string& Error() const { return m_error; }

  // The folder of the loaded module (program or library) that holds the address; "" when none.
  static std::string FolderOf(const void* address);

private:
  void* m_handle = nullptr;
  std::string m_error;
};

} // namespace Platform
