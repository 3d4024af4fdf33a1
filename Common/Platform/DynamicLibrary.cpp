#include "DynamicLibrary.h"

#include <dlfcn.h>

namespace Platform
{

DynamicLibrary::~DynamicLibrary() { Unload(); }

bool DynamicLibrary::Load(const std::string& path)
{
  Unload();
  m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!m_handle)
  {
    const char* message = dlerror();
    m_error = message ? message : "unable to load " + path;
    return false;
  }
  return true;
}

void DynamicLibrary::Unload()
{
  if (m_handle)
    dlclose(m_handle);
  m_handle = nullptr;
}

std::string DynamicLibrary::FolderOf(const void* address)
{
  Dl_info info;
  if (!dladdr(address, &info) || !info.dli_fname)
    return "";
  const std::string path = info.dli_fname;
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

void* DynamicLibrary::Symbol(const std::string& name) const
{
  return m_handle ? dlsym(m_handle, name.c_str()) : nullptr;
}

} // namespace Platform
