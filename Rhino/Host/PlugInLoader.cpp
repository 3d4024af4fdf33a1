#include "PlugInLoader.h"

#include "RhinoSdkVersion.h"

PlugInLoader::~PlugInLoader() { Unload(); }

bool PlugInLoader::Load(const std::string& modulePath, std::string& error)
{
  if (!m_module.Load(modulePath))
  {
    error = "Unable to load plug-in " + modulePath + ": " + m_module.Error();
    return false;
  }
  using VersionFunction = int (*)();
  auto version = reinterpret_cast<VersionFunction>(m_module.Symbol("RhinoPlugInSdkVersion"));
  if (!version || version() != RHINO_SDK_VERSION)
  {
    error = "Plug-in " + modulePath + " was not built for this host";
    m_module.Unload();
    return false;
  }
  CRhinoPlugIn* plugin = CRhinoPlugIn::LastConstructed();
  if (!plugin)
  {
    error = "Plug-in " + modulePath + " has no plug-in object";
    m_module.Unload();
    return false;
  }
  const size_t slash = modulePath.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : modulePath.substr(0, slash);
  plugin->SetPlugInFolder(ON_wString(folder.c_str()));
  if (!plugin->OnLoadPlugIn())
  {
    error = "Plug-in " + modulePath + " did not load";
    m_module.Unload();
    return false;
  }
  m_plugin = plugin;
  return true;
}

void PlugInLoader::Unload()
{
  if (m_plugin)
    m_plugin->OnUnloadPlugIn();
  m_plugin = nullptr;
  m_module.Unload();
}
