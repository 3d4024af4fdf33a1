// QORDEM: ESRI ASCII grids.
#include "QORDEM.h"

#include "QORFileContent.h"
#include "QORTextScan.h"
#include "LastError.h"

#include <charconv>
#include <cmath>
#include <string>

namespace
{

// Tokens are runs of letters, digits and "+-_."; anything else separates them.
bool IsTokenChar(char c)
{
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '+' || c == '-' ||
         c == '_' || c == '.';
}

class Tokens
{
public:
  explicit Tokens(std::string_view text) : m_text(text) {}

  // The next token; empty at the end.
  std::string_view Next()
  {
    while (m_pos < m_text.size() && !IsTokenChar(m_text[m_pos]))
      m_pos++;
    const size_t start = m_pos;
    while (m_pos < m_text.size() && IsTokenChar(m_text[m_pos]))
      m_pos++;
    return m_text.substr(start, m_pos - start);
  }
  size_t Position() const { return m_pos; }
  void Rewind(size_t position) { m_pos = position; }

private:
  std::string_view m_text;
  size_t m_pos = 0;
};

bool ToDouble(std::string_view token, double& value)
{
  if (!token.empty() && token[0] == '+')
    token.remove_prefix(1);
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  return error == std::errc() && end == token.data() + token.size() && std::isfinite(value);
}

struct Header
{
  double ncols = 0, nrows = 0, x = 0, y = 0, cellsize = 0, nodata = 0;
  bool has_ncols = false, has_nrows = false, has_x = false, has_y = false, has_cellsize = false, has_nodata = false;
  bool x_centre = false, y_centre = false;
};

// Reads "keyword value" pairs until the first token that is no keyword; false with the error set
// when a keyword has no number after it.
bool ReadHeader(Tokens& tokens, Header& header)
{
  for (;;)
  {
    const size_t mark = tokens.Position();
    const std::string_view keyword = tokens.Next();
    struct Field
    {
      const char* name;
      double* value;
      bool* seen;
      bool* centre;
    } fields[] = {
        {"ncols", &header.ncols, &header.has_ncols, nullptr},
        {"nrows", &header.nrows, &header.has_nrows, nullptr},
        {"xllcorner", &header.x, &header.has_x, nullptr},
        {"yllcorner", &header.y, &header.has_y, nullptr},
        {"xllcenter", &header.x, &header.has_x, &header.x_centre},
        {"yllcenter", &header.y, &header.has_y, &header.y_centre},
        {"cellsize", &header.cellsize, &header.has_cellsize, nullptr},
        {"nodata_value", &header.nodata, &header.has_nodata, nullptr},
    };
    const Field* field = nullptr;
    for (const Field& f : fields)
      if (QORTextScan::EqualsIgnoringCase(keyword, f.name))
        field = &f;
    if (!field)
    {
      tokens.Rewind(mark);
      return true;
    }
    const std::string_view value = tokens.Next();
    if (!ToDouble(value, *field->value))
    {
      QORDEM::SetError(ON_wString(("The DEM file has no number after '" + std::string(keyword) + "'").c_str()));
      return false;
    }
    *field->seen = true;
    if (field->centre)
      *field->centre = true;
  }
}

bool CheckHeader(const Header& header, long long& rows, long long& columns)
{
  const char* missing = !header.has_ncols      ? "ncols"
                        : !header.has_nrows    ? "nrows"
                        : !header.has_x        ? "xllcorner"
                        : !header.has_y        ? "yllcorner"
                        : !header.has_cellsize ? "cellsize"
                                               : nullptr;
  if (missing)
  {
    QORDEM::SetError(
        ON_wString((std::string("The DEM file is not a valid ESRI DEM file: missing '") + missing + "'").c_str()));
    return false;
  }
  const bool whole = header.ncols == std::floor(header.ncols) && header.nrows == std::floor(header.nrows);
  if (!whole || header.ncols < 1 || header.nrows < 1 || !(header.cellsize > 0))
  {
    QORDEM::SetError(L"The DEM file needs positive ncols, nrows and cellsize");
    return false;
  }
  if (header.ncols * header.nrows > static_cast<double>(QORDEM::MaximumCells))
  {
    QORDEM::SetError(L"The DEM file's grid is too large");
    return false;
  }
  rows = static_cast<long long>(header.nrows);
  columns = static_cast<long long>(header.ncols);
  return true;
}

// The number of tokens left, up to `wanted`.
long long CountValues(Tokens tokens, long long wanted)
{
  long long count = 0;
  while (count < wanted && !tokens.Next().empty())
    count++;
  return count;
}

} // namespace

ON_wString QORDEM::GetError() { return Platform::LastError<QORDEM, ON_wString>::Get(); }

void QORDEM::SetError(const ON_wString& text) { Platform::LastError<QORDEM, ON_wString>::Set(text); }

int QORDEM::DEMToPointMatrix(const ON_wString& path, int& rows, int& columns, ON_3dPointArray& points)
{
  QORFileContent content;
  if (!content.Load(path))
  {
    SetError(L"Unable to read DEM file");
    return 0;
  }
  Tokens tokens(content.Text());
  Header header;
  long long row_count = 0, column_count = 0;
  if (!ReadHeader(tokens, header) || !CheckHeader(header, row_count, column_count))
    return 0;
  const long long expected = row_count * column_count;
  const long long present = CountValues(tokens, expected);
  if (present < expected)
  {
    SetError(ON_wString(
        ("The DEM file holds " + std::to_string(present) + " values, " + std::to_string(expected) + " expected")
            .c_str()));
    return 0;
  }
  // Centres of the cells; the file's first row is the northernmost.
  const double x0 = header.x + (header.x_centre ? 0.0 : 0.5 * header.cellsize);
  const double y0 = header.y + (header.y_centre ? 0.0 : 0.5 * header.cellsize);
  ON_3dPointArray grid(static_cast<int>(expected));
  grid.SetCount(static_cast<int>(expected));
  long long data_cells = 0;
  for (long long file_row = 0; file_row < row_count; file_row++)
  {
    const long long row = row_count - 1 - file_row;
    for (long long column = 0; column < column_count; column++)
    {
      const std::string_view token = tokens.Next();
      double z = 0;
      if (!ToDouble(token, z))
      {
        SetError(ON_wString(("The DEM file holds a value that is not a number: " + std::string(token)).c_str()));
        return 0;
      }
      const bool data = !header.has_nodata || z != header.nodata;
      grid[static_cast<int>(row * column_count + column)] =
          data ? ON_3dPoint(x0 + column * header.cellsize, y0 + row * header.cellsize, z) : ON_3dPoint::UnsetPoint;
      data_cells += data ? 1 : 0;
    }
  }
  if (data_cells == 0)
  {
    SetError(L"The DEM file holds no data cells");
    return 0;
  }
  rows = static_cast<int>(row_count);
  columns = static_cast<int>(column_count);
  points = std::move(grid);
  return 1;
}
