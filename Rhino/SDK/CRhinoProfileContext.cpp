#include "CRhinoProfileContext.h"

#include "opennurbs.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace
{

std::string Utf8(const wchar_t* text) { return text ? static_cast<const char*>(ON_String(text)) : ""; }

std::string Trim(const std::string& s)
{
  const size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos)
    return {};
  return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

void MakeParentFolders(const std::string& path)
{
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
    mkdir(path.substr(0, slash).c_str(), 0755);
}

} // namespace

bool CRhinoProfileContext::SetFile(const std::string& path)
{
  m_file = path;
  m_sections.clear();
  std::ifstream in(path);
  if (!in)
    return errno == ENOENT;
  std::string line, section;
  while (std::getline(in, line))
  {
    line = Trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#')
      continue;
    if (line.front() == '[' && line.back() == ']')
    {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const size_t eq = line.find('=');
    if (eq != std::string::npos)
      m_sections[section][Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
  }
  return true;
}

BOOL CRhinoProfileContext::LoadProfileInt(const wchar_t* section, const wchar_t* entry, int* value) const
{
  const auto s = m_sections.find(Utf8(section));
  if (s == m_sections.end() || !value)
    return FALSE;
  const auto e = s->second.find(Utf8(entry));
  if (e == s->second.end())
    return FALSE;
  char* end = nullptr;
  errno = 0;
  const long n = std::strtol(e->second.c_str(), &end, 10);
  if (e->second.empty() || *end != '\0' || errno != 0 || n < INT32_MIN || n > INT32_MAX)
    return FALSE;
  *value = static_cast<int>(n);
  return TRUE;
}

BOOL CRhinoProfileContext::SaveProfileInt(const wchar_t* section, const wchar_t* entry, int value)
{
  m_sections[Utf8(section)][Utf8(entry)] = std::to_string(value);
  return Write() ? TRUE : FALSE;
}

bool CRhinoProfileContext::Write() const
{
  if (m_file.empty())
    return true;
  MakeParentFolders(m_file);
  // A new file beside the old one replaces it only when completely written.
  const std::string temp = m_file + ".tmp";
  {
    std::ofstream out(temp, std::ios::trunc);
    for (const auto& [section, entries] : m_sections)
    {
      out << '[' << section << "]\n";
      for (const auto& [entry, value] : entries)
        out << entry << '=' << value << '\n';
    }
    out.flush();
    if (!out)
    {
      std::remove(temp.c_str());
      return false;
    }
  }
  return std::rename(temp.c_str(), m_file.c_str()) == 0;
}
