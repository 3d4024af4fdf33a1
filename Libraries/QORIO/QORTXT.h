#pragma once

#include "QOR3dPoint.h"
#include "WindowHandle.h"
#include "opennurbs.h"

// Points in delimited text files. Formats by index:
//   0 X, Y, Z                     4 Northing, Easting, Elevation
//   1 Number, X, Y, Z             5 Number, Northing, Easting, Elevation
//   2 X, Y, Z, Description        6 Northing, Easting, Elevation, Description
//   3 Number, X, Y, Z, Description  7 Number, Northing, Easting, Elevation, Description
// Northing is y, Easting x, Elevation z.
class QORTXT
{
public:
  static const int FormatCount = 8;
  // The format's name as the Point File dialog lists it; null for an unknown index.
  static const char* FormatName(int format);

  // Reads the file in the format, splitting lines at any character of the delimiter set. A line
  // whose x, y or z token is not a number (no numeric prefix) or not finite makes no point.
  static int Read(const ON_wString& fileName, int format, const char* delimiters, ON_ClassArray<QOR3dPoint>* points);
  // Lines of the last reading that made no point: non-empty lines, each 254-character piece of
  // a longer line counting as one. 0 after a failed reading or with an unknown format. After a
  // dialog reading, the count of its last refresh (0 when it read no file).
  static int GetSkippedLineCount();
  // Reads through the "Point File" dialog. A non-empty file name is opened at once and cannot
  // be changed; on OK it receives the chosen path.
  static int Read(ON_ClassArray<QOR3dPoint>& points, ON_wString& fileName, HWND* owner);
  static int Read(ON_ClassArray<QOR3dPoint>& points, HWND* owner);
  // Dialog reading whose locations are appended to the list; the list is untouched on failure.
  static int Read(ON_3dPointArray& points, ON_wString& fileName, HWND* owner);

  // One line per point: x, y and z separated by the delimiter, each as the shortest text that
  // reads back to the same double ("1", "0.1", "1e-09", "4754540.123456789").
  static int Write(const ON_3dPointArray& points, const ON_wString& fileName, const char* delimiter);

  // In-place edits of a terminated line, over the length it had on entry.
  static void CleanLine(char* line);
  static void CleanLine(char* line, const char* delimiters);
  static void RemoveNewLine(char* line);

  static ON_wString GetError();
  static void SetError(const ON_wString& error);
};
