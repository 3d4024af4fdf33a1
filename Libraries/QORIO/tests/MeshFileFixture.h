#pragma once

#include "TempFolder.h"
#include "opennurbs.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// A fresh folder per test, removed with everything in it afterwards.
class MeshFileTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    std::string pattern = Platform::TempFolder::Path() + "/nubilo-mesh-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }

  std::string Path(const std::string& name) const { return m_dir + "/" + name; }
  ON_wString WPath(const std::string& name) const { return ON_wString(Path(name).c_str()); }

  std::string Write(const std::string& name, const std::string& content) const
  {
    std::ofstream(Path(name), std::ios::binary) << content;
    return Path(name);
  }

  static std::string Read(const std::string& path)
  {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::string m_dir;
};

// Output of a shell command; empty when the tool is missing.
inline std::string RunTool(const std::string& command)
{
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe)
    return output;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    output.append(buffer.data(), n);
  pclose(pipe);
  return output;
}

inline bool HasTool(const char* name)
{
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// The number after "label" in a tool's report, or -1.
inline long NumberAfter(const std::string& text, const std::string& label)
{
  const size_t at = text.find(label);
  if (at == std::string::npos)
    return -1;
  return std::strtol(text.c_str() + at + label.size(), nullptr, 10);
}

inline std::string SharedData(const std::string& relative) { return std::string(NUBILO_SHARED_DATA) + "/" + relative; }

inline bool Exists(const std::string& path) { return std::ifstream(path).good(); }

// Two triangles and a quad, the quad meeting the triangles along an edge.
inline ON_Mesh SampleMesh()
{
  ON_Mesh mesh;
  const ON_3fPoint v[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0.5f}, {2, 1, 0.5f}};
  for (const ON_3fPoint& p : v)
    mesh.m_V.Append(p);
  mesh.m_F.Append(ON_MeshFace{{0, 1, 2, 2}});
  mesh.m_F.Append(ON_MeshFace{{0, 2, 3, 3}});
  mesh.m_F.Append(ON_MeshFace{{1, 4, 5, 2}});
  return mesh;
}
