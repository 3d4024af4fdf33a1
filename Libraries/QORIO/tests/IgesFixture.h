#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Writes small IGES files for the tests: one directory entry per entity, parameter records cut
// into lines of 64 columns.
struct IgesEntity
{
  int type = 0;
  std::string parameters; // after the type number, with the record delimiter
  int matrix = 0;
  int level = 0;
  int colour = 0;
  int form = 0;
  std::string status = "00000000";
};

class IgesFixture
{
public:
  // The global section with unit flag and unit name, and the declared delimiters.
  static std::string Global(int unitFlag = 2, const std::string& unitName = "2HMM", char parameter = ',',
                            char record = ';')
  {
    const std::string d(1, parameter);
    std::string fields = std::string("1H") + parameter + d + "1H" + record + d + "4Htest" + d + "8Htest.igs" + d +
                         "4Htest" + d + "4Htest" + d + "32" + d + "38" + d + "6" + d + "308" + d + "15" + d + "4Htest" +
                         d + "1." + d + std::to_string(unitFlag) + d + unitName + d + "1" + d + "0.01" + d +
                         "15H20260101.000000" + d + "1.0D-8" + d + "1000." + d + "4Htest" + d + "4Htest" + d + "11" +
                         d + "0" + d + "15H20260101.000000" + record;
    return Section(fields, 'G', 72);
  }

  static std::string File(const std::vector<IgesEntity>& entities, const std::string& global = Global(),
                          char parameter = ',')
  {
    std::string directory, parameters;
    int pLine = 1;
    for (size_t i = 0; i < entities.size(); i++)
    {
      const IgesEntity& e = entities[i];
      const int de = static_cast<int>(2 * i + 1);
      const std::string record = std::to_string(e.type) + parameter + e.parameters;
      int lines = 0;
      for (size_t at = 0; at < record.size(); at += 64, lines++)
      {
        char tail[64];
        std::snprintf(tail, sizeof tail, " %7dP%7d\n", de, pLine + lines);
        std::string chunk = record.substr(at, 64);
        chunk.resize(64, ' ');
        parameters += chunk + tail;
      }
      char line[400];
      std::snprintf(line, sizeof line, "%8d%8d%8d%8d%8d%8d%8d%8d%8sD%7d\n", e.type, pLine, 0, 0, e.level, 0, e.matrix,
                    0, e.status.c_str(), de);
      directory += line;
      std::snprintf(line, sizeof line, "%8d%8d%8d%8d%8d%8s%8s%8s%8dD%7d\n", e.type, 0, e.colour, lines, e.form, "", "",
                    "", 0, de + 1);
      directory += line;
      pLine += lines;
    }
    std::string start = Section("test file", 'S', 72);
    char terminate[100];
    std::snprintf(terminate, sizeof terminate, "%-72sT%7d\n", "S      1G      1D      1P      1", 1);
    return start + global + directory + parameters + terminate;
  }

private:
  static std::string Section(const std::string& text, char letter, size_t width)
  {
    std::string out;
    int number = 1;
    for (size_t at = 0; at < text.size(); at += width, number++)
    {
      std::string chunk = text.substr(at, width);
      chunk.resize(width, ' ');
      char tail[64];
      std::snprintf(tail, sizeof tail, "%c%7d\n", letter, number);
      out += chunk + tail;
    }
    return out;
  }
};
