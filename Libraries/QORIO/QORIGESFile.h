#pragma once

#include "QORIGESParameters.h"

#include <string>
#include <string_view>
#include <vector>

// One directory entry of an IGES file: the fields the conversion uses.
struct QORIGESEntry
{
  int type = 0;
  int parameterPointer = 0;
  int level = 0;
  int matrixPointer = 0;
  int subordinate = 0; // 0 independent, 1 physically, 2 logically, 3 both dependent
  int use = 0;         // 5: two-dimensional parametric
  int colour = 0;      // negative: directory pointer of a colour definition
  int parameterLineCount = 0;
  int form = 0;
};

// The sections of an IGES file in fixed ASCII form: the global section's delimiters and units,
// the directory entries and the parameter lines. Every pointer is checked before it is used.
class QORIGESFile
{
public:
  // Reads the text; false with `error` set when it is no IGES file or its structure is broken
  // (a line shorter than the section letter's column, a directory cut in half, a bad global section).
  bool Parse(std::string_view text, std::string& error);

  int EntryCount() const { return static_cast<int>(m_entries.size()); }
  const QORIGESEntry& Entry(int index) const { return m_entries[index]; }
  // The entry index of a directory pointer (1, 3, 5, ...), or -1 when it points at no entry.
  int EntryIndex(long long pointer) const;
  // The parameter record of an entry, split; false with `error` set when its lines lie outside
  // the parameter section, it has no terminator, or it belongs to another entity type.
  bool Parameters(int index, QORIGESParameters& parameters, std::string& error) const;

  // The global section's unit flag (1 inch, 2 millimetre, ... 11 microinch) and unit name.
  int UnitFlag() const { return m_unitFlag; }
  const std::string& UnitName() const { return m_unitName; }

private:
  bool ReadGlobal(const std::string& global, std::string& error);
  bool ReadDirectory(const std::vector<std::string_view>& lines, std::string& error);

  std::vector<QORIGESEntry> m_entries;
  std::vector<std::string_view> m_parameterLines;
  char m_parameterDelimiter = ',';
  char m_recordDelimiter = ';';
  int m_unitFlag = 1;
  std::string m_unitName;
};
