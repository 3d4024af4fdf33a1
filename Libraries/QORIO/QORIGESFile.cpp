// QORIGESFile: sections, global section and directory of an IGES file.
#include "QORIGESFile.h"

#include "QORLineReader.h"

#include <cstdlib>

namespace
{

constexpr size_t SectionColumn = 72; // 0-based column of the section letter

// The integer of a fixed field as C's atol reads it (0 for blanks).
int FieldInteger(std::string_view line, size_t first, size_t width)
{
  const std::string field(line.substr(first, width));
  const long value = std::strtol(field.c_str(), nullptr, 10);
  return value > -100000000 && value < 100000000 ? static_cast<int>(value) : 0;
}

// One of the two-digit pairs of the status number (0 when it is no number).
int StatusPair(std::string_view line, size_t pair) { return FieldInteger(line, 64 + 2 * pair, 2); }

// Reads a delimiter field of the global section ("1H," or empty for the default) at pos.
bool ReadDelimiter(const std::string& text, size_t& pos, char defaultDelimiter, char& delimiter)
{
  while (pos < text.size() && text[pos] == ' ')
    pos++;
  if (text.compare(pos, 2, "1H") == 0 && pos + 2 < text.size())
  {
    delimiter = text[pos + 2];
    pos += 3;
    return true;
  }
  delimiter = defaultDelimiter;
  return true;
}

} // namespace

bool QORIGESFile::Parse(std::string_view text, std::string& error)
{
  QORLineReader reader(text);
  std::string global;
  std::vector<std::string_view> directory;
  std::string_view line;
  for (int number = 1; reader.Next(line); number++)
  {
    if (line.empty() || line.find_first_not_of(" \t\r\x1a") == std::string_view::npos)
      continue;
    if (line.size() <= SectionColumn)
    {
      error = "line " + std::to_string(number) + " is shorter than 73 columns";
      return false;
    }
    const char section = line[SectionColumn];
    if (section == 'T')
      break;
    if (section == 'G')
      global.append(line.substr(0, SectionColumn));
    else if (section == 'D')
      directory.push_back(line.substr(0, 80));
    else if (section == 'P')
      m_parameterLines.push_back(line.substr(0, 64));
    else if (section == 'C' || section == 'B')
    {
      error = "compressed and binary IGES files are not supported";
      return false;
    }
  }
  if (directory.empty() || m_parameterLines.empty())
  {
    error = "no directory or parameter section";
    return false;
  }
  return ReadGlobal(global, error) && ReadDirectory(directory, error);
}

bool QORIGESFile::ReadGlobal(const std::string& global, std::string& error)
{
  if (global.empty())
    return true;
  size_t pos = 0;
  ReadDelimiter(global, pos, ',', m_parameterDelimiter);
  while (pos < global.size() && global[pos] == ' ')
    pos++;
  if (pos < global.size() && global[pos] == m_parameterDelimiter)
    pos++;
  ReadDelimiter(global, pos, ';', m_recordDelimiter);
  if (m_parameterDelimiter == m_recordDelimiter)
  {
    error = "the global section declares one character for both delimiters";
    return false;
  }
  QORIGESParameters fields;
  std::string detail;
  if (!fields.Split(global, m_parameterDelimiter, m_recordDelimiter, detail))
  {
    error = "global section: " + detail;
    return false;
  }
  // Global parameter 14 is the unit flag, 15 the unit name.
  m_unitFlag = fields.IsEmpty(13) ? 1 : fields.Integer(13, 1);
  m_unitName = fields.Text(14);
  if (fields.Failed())
  {
    error = "global section: the unit flag is no number";
    return false;
  }
  return true;
}

bool QORIGESFile::ReadDirectory(const std::vector<std::string_view>& lines, std::string& error)
{
  if (lines.size() % 2 != 0)
  {
    error = "the directory section has an odd number of lines";
    return false;
  }
  m_entries.reserve(lines.size() / 2);
  for (size_t i = 0; i < lines.size(); i += 2)
  {
    const std::string_view first = lines[i], second = lines[i + 1];
    QORIGESEntry entry;
    entry.type = FieldInteger(first, 0, 8);
    entry.parameterPointer = FieldInteger(first, 8, 8);
    entry.level = FieldInteger(first, 32, 8);
    entry.matrixPointer = FieldInteger(first, 48, 8);
    entry.subordinate = StatusPair(first, 1);
    entry.use = StatusPair(first, 2);
    entry.colour = FieldInteger(second, 16, 8);
    entry.parameterLineCount = FieldInteger(second, 24, 8);
    entry.form = FieldInteger(second, 32, 8);
    m_entries.push_back(entry);
  }
  return true;
}

int QORIGESFile::EntryIndex(long long pointer) const
{
  if (pointer < 1 || pointer % 2 == 0 || (pointer - 1) / 2 >= static_cast<long long>(m_entries.size()))
    return -1;
  return static_cast<int>((pointer - 1) / 2);
}

bool QORIGESFile::Parameters(int index, QORIGESParameters& parameters, std::string& error) const
{
  const QORIGESEntry& entry = m_entries[index];
  const long long first = entry.parameterPointer;
  const long long lineCount = m_parameterLines.size();
  const std::string where = "directory entry " + std::to_string(2 * index + 1);
  if (first < 1 || first > lineCount)
  {
    error = where + " points outside the parameter section";
    return false;
  }
  // A record ends at its terminator; its declared line count only bounds the search when it is sound.
  long long last = lineCount;
  if (entry.parameterLineCount > 0 && first - 1 + entry.parameterLineCount <= lineCount)
    last = first - 1 + entry.parameterLineCount;
  std::string text;
  for (long long line = first - 1; line < last; line++)
  {
    text.append(m_parameterLines[line]);
    text.append(64 - m_parameterLines[line].size(), ' ');
  }
  std::string detail;
  if (!parameters.Split(text, m_parameterDelimiter, m_recordDelimiter, detail))
  {
    error = where + ": " + detail;
    return false;
  }
  double type = 0;
  if (!QORIGESParameters::ParseReal(parameters.Text(0), type) || type != entry.type)
  {
    error = where + " points at the parameters of another entity";
    return false;
  }
  return true;
}
