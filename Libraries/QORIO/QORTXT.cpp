#include "QORTXT.h"

#include "Interrupt.h"
#include "QORPointFileDialog.h"
#include "QORSafeFile.h"
#include "TextFormat.h"
#include "LastError.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace
{

int g_skippedLines = 0;

// Reading keeps lines of at most 254 characters; longer lines come in pieces.
constexpr int kLineBuffer = 255;

enum Column
{
  kNumber,
  kX,
  kY,
  kZ,
  kDescription
};

struct Layout
{
  Column columns[5];
  int count;
  bool hasDescription;
};

constexpr Layout kLayouts[QORTXT::FormatCount] = {
    {{kX, kY, kZ}, 3, false},
    {{kNumber, kX, kY, kZ}, 4, false},
    {{kX, kY, kZ, kDescription}, 4, true},
    {{kNumber, kX, kY, kZ, kDescription}, 5, true},
    {{kY, kX, kZ}, 3, false},
    {{kNumber, kY, kX, kZ}, 4, false},
    {{kY, kX, kZ, kDescription}, 4, true},
    {{kNumber, kY, kX, kZ, kDescription}, 5, true},
};

constexpr const char* kFormatNames[QORTXT::FormatCount] = {
    "X, Y, Z",
    "Number, X, Y, Z",
    "X, Y, Z, Description",
    "Number, X, Y, Z, Description",
    "Northing, Easting, Elevation",
    "Number, Northing, Easting, Elevation",
    "Northing, Easting, Elevation, Description",
    "Number, Northing, Easting, Elevation, Description",
};

// The C library's string-to-double conversion (longest numeric prefix), with a faster path for
// the plain decimal tokens that make up nearly every file. False when the token has no numeric
// prefix at all.
bool ToDouble(const char* token, const char* end, double& value)
{
  const auto [ptr, ec] = std::from_chars(token, end, value);
  if (ec == std::errc() && ptr == end)
    return true;
  char* stop = nullptr;
  value = std::strtod(token, &stop);
  return stop != token;
}

class DelimiterSet
{
public:
  explicit DelimiterSet(const char* delimiters)
  {
    for (const char* d = delimiters; d && *d; ++d)
      m_is[static_cast<unsigned char>(*d)] = true;
  }
  bool operator()(char c) const { return m_is[static_cast<unsigned char>(c)]; }

private:
  bool m_is[256] = {};
};

// Gives the line's tokens the format's meanings; appends a point when the line makes one.
// Lines with a coordinate that is not a number, or not finite, make no point.
bool ParseLine(char* line, const Layout& layout, const DelimiterSet& isDelimiter, ON_ClassArray<QOR3dPoint>& points)
{
  double xyz[3] = {0, 0, 0};
  const char* number = "";
  const char* description = "";
  bool zSeen = false;
  int column = 0;
  char* p = line;
  while (*p && column < layout.count)
  {
    while (*p && isDelimiter(*p))
      ++p;
    if (!*p)
      break;
    char* token = p;
    while (*p && !isDelimiter(*p))
      ++p;
    char* end = p;
    if (*p)
      *p++ = '\0';
    switch (layout.columns[column++])
    {
    case kNumber:
      number = token;
      break;
    case kX:
      if (!ToDouble(token, end, xyz[0]))
        return false;
      break;
    case kY:
      if (!ToDouble(token, end, xyz[1]))
        return false;
      break;
    case kZ:
      if (!ToDouble(token, end, xyz[2]))
        return false;
      zSeen = true;
      break;
    case kDescription:
      description = token;
      break;
    }
    if (zSeen && !layout.hasDescription)
      break;
  }
  if (!zSeen)
    return false;
  if (!std::isfinite(xyz[0]) || !std::isfinite(xyz[1]) || !std::isfinite(xyz[2]))
    return false;
  points.AppendNew().Set(ON_3dPoint(xyz[0], xyz[1], xyz[2]), ON_String(number), ON_String(description));
  return true;
}

std::string Utf8(const ON_wString& text) { return static_cast<const char*>(ON_String(text)); }

bool IsFolder(std::FILE* file)
{
  struct stat info;
  return fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsReadable(const ON_wString& fileName)
{
  std::FILE* file = std::fopen(Utf8(fileName).c_str(), "r");
  const bool readable = file && !IsFolder(file);
  if (file)
    std::fclose(file);
  return readable;
}

// A reading stopped by the user notices within this many lines.
constexpr long kLinesBetweenInterruptChecks = 16384;

} // namespace

const char* QORTXT::FormatName(int format)
{
  return format >= 0 && format < FormatCount ? kFormatNames[format] : nullptr;
}

int QORTXT::Read(const ON_wString& fileName, int format, const char* delimiters, ON_ClassArray<QOR3dPoint>* points)
{
  g_skippedLines = 0;
  if (!points)
    return 0;
  points->Empty();
  std::FILE* file = std::fopen(Utf8(fileName).c_str(), "r");
  if (!file || IsFolder(file))
  {
    if (file)
      std::fclose(file);
    SetError(L"Error reading point file");
    return 0;
  }
  if (format < 0 || format >= FormatCount)
  {
    std::fclose(file);
    return 1;
  }
  const Layout& layout = kLayouts[format];
  const DelimiterSet isDelimiter(delimiters);
  char line[kLineBuffer];
  for (long lines = 1; std::fgets(line, sizeof line, file); ++lines)
  {
    RemoveNewLine(line);
    if (line[0] != '\0' && !ParseLine(line, layout, isDelimiter, *points))
      ++g_skippedLines;
    if (lines % kLinesBetweenInterruptChecks == 0 && Platform::Interrupt::Requested())
    {
      std::fclose(file);
      points->Empty();
      g_skippedLines = 0;
      SetError(Platform::Interrupt::kCancelled);
      return 0;
    }
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed)
  { // a read error mid-way is no complete reading
    points->Empty();
    g_skippedLines = 0;
    SetError(L"Error reading point file");
    return 0;
  }
  return 1;
}

int QORTXT::Read(ON_ClassArray<QOR3dPoint>& points, ON_wString& fileName, HWND* owner)
{
  g_skippedLines = 0; // a dialog that never reads the file skips nothing
  QORPointFileDialog dialog(points, fileName, owner);
  if (!dialog.DoModal())
  {
    SetError(L"Cancelled");
    return 0;
  }
  fileName = dialog.FileName();
  // Accepting a file that cannot be read is no reading (the preview has said so).
  if (!fileName.IsEmpty() && !IsReadable(fileName))
  {
    SetError(L"Error reading point file");
    return 0;
  }
  return 1;
}

int QORTXT::Read(ON_ClassArray<QOR3dPoint>& points, HWND* owner)
{
  ON_wString fileName;
  return Read(points, fileName, owner);
}

int QORTXT::Read(ON_3dPointArray& points, ON_wString& fileName, HWND* owner)
{
  ON_ClassArray<QOR3dPoint> records;
  if (!Read(records, fileName, owner))
    return 0;
  points.Reserve(points.Count() + records.Count());
  for (int i = 0; i < records.Count(); ++i)
    points.Append(records[i].m_point);
  return 1;
}

int QORTXT::Write(const ON_3dPointArray& points, const ON_wString& fileName, const char* delimiter)
{
  QORSafeFile file;
  if (!file.Open(Utf8(fileName)))
  {
    SetError(L"Unable to write to file");
    return 0;
  }
  const char* d = delimiter ? delimiter : "";
  for (int i = 0; i < points.Count(); ++i)
  {
    // The shortest text that reads back to the same double, whatever the locale.
    const std::string x = Platform::TextFormat::Number(points[i].x);
    const std::string y = Platform::TextFormat::Number(points[i].y);
    const std::string z = Platform::TextFormat::Number(points[i].z);
    if (std::fprintf(file.Stream(), "%s%s%s%s%s\n", x.c_str(), d, y.c_str(), d, z.c_str()) < 0)
    {
      file.Fail();
      break;
    }
  }
  if (!file.Commit())
  {
    SetError(L"Unable to write to file");
    return 0;
  }
  return 1;
}

void QORTXT::CleanLine(char* line)
{
  const size_t length = std::strlen(line);
  for (size_t i = 0; i < length; ++i)
  {
    char& c = line[i];
    if (c == '\t' || c == '"' || c == ',' || c == ';')
      c = ' ';
    if (c == '\r' || c == '\n')
      c = '\0';
  }
}

void QORTXT::CleanLine(char* line, const char* delimiters)
{
  const size_t length = std::strlen(line);
  for (size_t i = 0; i < length; ++i)
  {
    char& c = line[i];
    if (c == '\r' || c == '\n')
      c = '\0';
    else if (delimiters && std::strchr(delimiters, c))
      c = ' ';
  }
}

void QORTXT::RemoveNewLine(char* line)
{
  const size_t length = std::strlen(line);
  for (size_t i = 0; i < length; ++i)
    if (line[i] == '\r' || line[i] == '\n')
      line[i] = '\0';
}

int QORTXT::GetSkippedLineCount() { return g_skippedLines; }

ON_wString QORTXT::GetError() { return Platform::LastError<QORTXT, ON_wString>::Get(); }

void QORTXT::SetError(const ON_wString& error) { Platform::LastError<QORTXT, ON_wString>::Set(error); }
