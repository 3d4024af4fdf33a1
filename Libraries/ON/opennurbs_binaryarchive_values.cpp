// Model and geometry values of ON_BinaryArchive in their 3DM encodings.

#include "opennurbs.h"

#include <string>

namespace
{
// Wide strings are UTF-16 on disk; wchar_t holds UTF-32 here.
std::u16string ToUtf16(const wchar_t* s, int length)
{
  std::u16string out;
  out.reserve(static_cast<size_t>(length) + 1);
  for (int i = 0; i < length; ++i)
  {
    const std::uint32_t c = static_cast<std::uint32_t>(s[i]);
    if (c >= 0x10000 && c <= 0x10FFFF)
    {
      out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
    else
      out.push_back(c > 0xFFFF ? u'\xFFFD' : static_cast<char16_t>(c));
  }
  return out;
}

std::wstring FromUtf16(const std::u16string& s)
{
  std::wstring out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i)
  {
    const char16_t c = s[i];
    if (c == 0)
      break;
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
    {
      out.push_back(static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00)));
      ++i;
    }
    else
      out.push_back(static_cast<wchar_t>(c));
  }
  return out;
}
} // namespace

bool ON_BinaryArchive::WriteUuid(const ON_UUID& uuid)
{
  return WriteInt(static_cast<unsigned int>(uuid.Data1)) && WriteByte(2, &uuid.Data2) && WriteByte(2, &uuid.Data3) &&
         WriteByte(8, uuid.Data4);
}

bool ON_BinaryArchive::ReadUuid(ON_UUID& uuid)
{
  unsigned char bytes[16];
  if (!ReadByte(16, bytes))
    return false;
  std::memcpy(&uuid.Data1, bytes, 4);
  std::memcpy(&uuid.Data2, bytes + 4, 2);
  std::memcpy(&uuid.Data3, bytes + 6, 2);
  std::memcpy(uuid.Data4, bytes + 8, 8);
  return true;
}

bool ON_BinaryArchive::WriteColor(const ON_Color& color)
{
  const unsigned char rgba[4] = {static_cast<unsigned char>(color.Red()), static_cast<unsigned char>(color.Green()),
                                 static_cast<unsigned char>(color.Blue()), static_cast<unsigned char>(color.Alpha())};
  return WriteByte(4, rgba);
}

bool ON_BinaryArchive::ReadColor(ON_Color& color)
{
  unsigned char rgba[4];
  if (!ReadByte(4, rgba))
    return false;
  color = ON_Color(rgba[0], rgba[1], rgba[2], rgba[3]);
  return true;
}

bool ON_BinaryArchive::WriteString(const ON_wString& s)
{
  const int length = s.Length();
  if (length == 0)
    return WriteInt(0u);
  const std::u16string utf16 = ToUtf16(s.Array(), length);
  return WriteInt(static_cast<unsigned int>(utf16.size() + 1)) && WriteByte(2 * utf16.size(), utf16.data()) &&
         WriteShort(0);
}

bool ON_BinaryArchive::ReadString(ON_wString& s)
{
  int count = 0;
  if (!ReadArrayCount(2, &count))
    return false;
  std::u16string utf16(static_cast<size_t>(count), u'\0');
  if (count > 0 && !ReadByte(2 * utf16.size(), &utf16[0]))
    return false;
  s = FromUtf16(utf16).c_str();
  return true;
}

bool ON_BinaryArchive::WriteString(const ON_String& s)
{
  const int length = s.Length();
  if (length == 0)
    return WriteInt(0u);
  return WriteInt(static_cast<unsigned int>(length + 1)) && WriteByte(static_cast<size_t>(length), s.Array()) &&
         WriteChar(0);
}

bool ON_BinaryArchive::ReadString(ON_String& s)
{
  int count = 0;
  if (!ReadArrayCount(1, &count))
    return false;
  std::string bytes(static_cast<size_t>(count), '\0');
  if (count > 0 && !ReadByte(bytes.size(), &bytes[0]))
    return false;
  s = bytes.c_str();
  return true;
}

bool ON_BinaryArchive::WritePoint(const ON_3dPoint& p) { return WriteDouble(3, &p.x); }
bool ON_BinaryArchive::ReadPoint(ON_3dPoint& p) { return ReadDouble(3, &p.x); }
bool ON_BinaryArchive::WriteVector(const ON_3dVector& v) { return WriteDouble(3, &v.x); }
bool ON_BinaryArchive::ReadVector(ON_3dVector& v) { return ReadDouble(3, &v.x); }
bool ON_BinaryArchive::WriteInterval(const ON_Interval& t) { return WriteDouble(2, t.m_t); }
bool ON_BinaryArchive::ReadInterval(ON_Interval& t) { return ReadDouble(2, t.m_t); }

bool ON_BinaryArchive::WriteBoundingBox(const ON_BoundingBox& bbox)
{
  return WritePoint(bbox.m_min) && WritePoint(bbox.m_max);
}

bool ON_BinaryArchive::ReadBoundingBox(ON_BoundingBox& bbox) { return ReadPoint(bbox.m_min) && ReadPoint(bbox.m_max); }

bool ON_BinaryArchive::WriteLine(const ON_Line& line) { return WritePoint(line.from) && WritePoint(line.to); }
bool ON_BinaryArchive::ReadLine(ON_Line& line) { return ReadPoint(line.from) && ReadPoint(line.to); }

bool ON_BinaryArchive::WriteTime(const struct tm& t)
{
  const int fields[8] = {t.tm_sec, t.tm_min, t.tm_hour, t.tm_mday, t.tm_mon, t.tm_year, t.tm_wday, t.tm_yday};
  for (int f : fields)
    if (!WriteInt(f))
      return false;
  return true;
}

bool ON_BinaryArchive::ReadTime(struct tm& t)
{
  int f[8];
  for (int& v : f)
    if (!ReadInt(&v))
      return false;
  if (f[0] < 0 || f[0] > 60 || f[1] < 0 || f[1] > 60 || f[2] < 0 || f[2] > 24 || f[3] < 0 || f[3] > 31 || f[4] < 0 ||
      f[4] > 12 || f[6] < 0 || f[6] > 7 || f[7] < 0 || f[7] > 366)
  {
    ++m_critical_error_count;
    return false;
  }
  t = {};
  t.tm_sec = f[0];
  t.tm_min = f[1];
  t.tm_hour = f[2];
  t.tm_mday = f[3];
  t.tm_mon = f[4];
  t.tm_year = f[5];
  t.tm_wday = f[6];
  t.tm_yday = f[7];
  return true;
}

namespace
{
template <class T>
bool WritePlainArray(ON_BinaryArchive& archive, const ON_SimpleArray<T>& a)
{
  const int count = a.Count();
  return archive.WriteInt(count) && archive.WriteByte(sizeof(T) * static_cast<size_t>(count), a.Array());
}

template <class T>
bool ReadPlainArray(ON_BinaryArchive& archive, ON_SimpleArray<T>& a)
{
  int count = 0;
  if (!archive.ReadArrayCount(sizeof(T), &count))
    return false;
  ON_SimpleArray<T> values(count);
  values.SetCount(count);
  if (!archive.ReadByte(sizeof(T) * static_cast<size_t>(count), values.Array()))
    return false;
  a = values;
  return true;
}
} // namespace

bool ON_BinaryArchive::WriteArray(const ON_SimpleArray<double>& a) { return WritePlainArray(*this, a); }
bool ON_BinaryArchive::ReadArray(ON_SimpleArray<double>& a) { return ReadPlainArray(*this, a); }
bool ON_BinaryArchive::WriteArray(const ON_SimpleArray<int>& a) { return WritePlainArray(*this, a); }
bool ON_BinaryArchive::ReadArray(ON_SimpleArray<int>& a) { return ReadPlainArray(*this, a); }
bool ON_BinaryArchive::WriteArray(const ON_SimpleArray<ON_2dPoint>& a) { return WritePlainArray(*this, a); }
bool ON_BinaryArchive::ReadArray(ON_SimpleArray<ON_2dPoint>& a) { return ReadPlainArray(*this, a); }
bool ON_BinaryArchive::WriteArray(const ON_SimpleArray<ON_3dPoint>& a) { return WritePlainArray(*this, a); }
bool ON_BinaryArchive::ReadArray(ON_SimpleArray<ON_3dPoint>& a) { return ReadPlainArray(*this, a); }
bool ON_BinaryArchive::WriteArray(const ON_SimpleArray<ON_3dVector>& a) { return WritePlainArray(*this, a); }
bool ON_BinaryArchive::ReadArray(ON_SimpleArray<ON_3dVector>& a) { return ReadPlainArray(*this, a); }

bool ON_BinaryArchive::WriteArray(const ON_SimpleArray<ON_UUID>& a)
{
  if (!WriteInt(a.Count()))
    return false;
  for (int i = 0; i < a.Count(); ++i)
    if (!WriteUuid(a[i]))
      return false;
  return true;
}

bool ON_BinaryArchive::ReadArray(ON_SimpleArray<ON_UUID>& a)
{
  int count = 0;
  if (!ReadArrayCount(16, &count))
    return false;
  ON_SimpleArray<ON_UUID> values(count);
  for (int i = 0; i < count; ++i)
    if (!ReadUuid(values.AppendNew()))
      return false;
  a = values;
  return true;
}

bool ON_BinaryArchive::WriteArray(const ON_SimpleArray<ON_Color>& a)
{
  if (!WriteInt(a.Count()))
    return false;
  for (int i = 0; i < a.Count(); ++i)
    if (!WriteColor(a[i]))
      return false;
  return true;
}

bool ON_BinaryArchive::ReadArray(ON_SimpleArray<ON_Color>& a)
{
  int count = 0;
  if (!ReadArrayCount(4, &count))
    return false;
  ON_SimpleArray<ON_Color> values(count);
  for (int i = 0; i < count; ++i)
    if (!ReadColor(values.AppendNew()))
      return false;
  a = values;
  return true;
}
