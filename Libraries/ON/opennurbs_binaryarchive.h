#pragma once

// 3DM archive: a memory buffer read or written as nested chunks with CRCs.
// Reading checks every length against the enclosing chunk, so corrupt input
// ends in a failed call, never in a read past the buffer or a huge allocation.

#include <cstddef>
#include "opennurbs_defines.h"
#include "opennurbs_uuid.h"
#include <ctime>
#include <string>
#include <utility>
#include <vector>

class ON_2dPoint;
class ON_3dPoint;
class ON_3dVector;
class ON_Interval;
class ON_BoundingBox;
class ON_Color;
class ON_Line;
class ON_Object;
class ON_String;
class ON_wString;
class ON_Xform;
class ON_Plane;
template <class T>
class ON_SimpleArray;
class ON_3dPointArray;

class ON_BinaryArchive
{
public:
  enum class Mode
  {
    read3dm,
    write3dm
  };

  // Typecodes used by the 3DM format.
  enum : unsigned int
  {
    TCODE_SHORT = 0x80000000u,
    TCODE_CRC = 0x00008000u,
    TCODE_COMMENTBLOCK = 0x00000001u,
    TCODE_ENDOFFILE = 0x00007FFFu,
    TCODE_ENDOFTABLE = 0xFFFFFFFFu,
    TCODE_ANONYMOUS_CHUNK = 0x40008000u,
    TCODE_PROPERTIES_TABLE = 0x10000014u,
    TCODE_SETTINGS_TABLE = 0x10000015u,
    TCODE_BITMAP_TABLE = 0x10000016u,
    TCODE_TEXTURE_MAPPING_TABLE = 0x10000025u,
    TCODE_MATERIAL_TABLE = 0x10000010u,
    TCODE_LINETYPE_TABLE = 0x10000023u,
    TCODE_LAYER_TABLE = 0x10000011u,
    TCODE_GROUP_TABLE = 0x10000018u,
    TCODE_FONT_TABLE = 0x10000019u,
    TCODE_DIMSTYLE_TABLE = 0x10000020u,
    TCODE_LIGHT_TABLE = 0x10000012u,
    TCODE_HATCHPATTERN_TABLE = 0x10000022u,
    TCODE_INSTANCE_DEFINITION_TABLE = 0x10000021u,
    TCODE_OBJECT_TABLE = 0x10000013u,
    TCODE_HISTORYRECORD_TABLE = 0x10000026u,
    TCODE_USER_TABLE = 0x10000017u,
    TCODE_PROPERTIES_OPENNURBS_VERSION = 0xA0000026u,
    TCODE_PROPERTIES_REVISIONHISTORY = 0x20008021u,
    TCODE_PROPERTIES_NOTES = 0x20008022u,
    TCODE_PROPERTIES_APPLICATION = 0x20008024u,
    TCODE_SETTINGS_UNITSANDTOLS = 0x20008031u,
    TCODE_SETTINGS_CURRENT_LAYER_INDEX = 0xA0000038u,
    TCODE_BITMAP_RECORD = 0x20008090u,
    TCODE_MATERIAL_RECORD = 0x20008040u,
    TCODE_LAYER_RECORD = 0x20008050u,
    TCODE_GROUP_RECORD = 0x20008073u,
    TCODE_FONT_RECORD = 0x20008074u,
    TCODE_DIMSTYLE_RECORD = 0x20008075u,
    TCODE_LIGHT_RECORD = 0x20008060u,
    TCODE_LIGHT_RECORD_ATTRIBUTES = 0x02008061u,
    TCODE_LIGHT_RECORD_END = 0x8200006Fu,
    TCODE_INSTANCE_DEFINITION_RECORD = 0x20008076u,
    TCODE_OBJECT_RECORD = 0x20008070u,
    TCODE_OBJECT_RECORD_TYPE = 0x82000071u,
    TCODE_OBJECT_RECORD_ATTRIBUTES = 0x02008072u,
    TCODE_OBJECT_RECORD_END = 0x8200007Fu,
    TCODE_OPENNURBS_CLASS = 0x00027FFAu,
    TCODE_OPENNURBS_CLASS_UUID = 0x0002FFFBu,
    TCODE_OPENNURBS_CLASS_DATA = 0x0002FFFCu,
    TCODE_OPENNURBS_CLASS_USERDATA = 0x00027FFDu,
    TCODE_OPENNURBS_CLASS_END = 0x80027FFFu,
  };

  explicit ON_BinaryArchive(Mode mode);
  ON_BinaryArchive(const ON_BinaryArchive&) = delete;
  ON_BinaryArchive& operator=(const ON_BinaryArchive&) = delete;

  Mode ArchiveMode() const;

  // Reading: the archive reads from its own copy of the bytes.
  void SetBuffer(const unsigned char* bytes, size_t size);
  bool LoadFile(const char* path);
  // Writing: the bytes written so far.
  const std::vector<unsigned char>& Buffer() const;
  bool SaveFile(const char* path) const;

  size_t CurrentPosition() const;
  // Reading: the bytes from `begin` up to the current position.
  void CopyReadBytes(size_t begin, std::vector<unsigned char>& bytes) const;
  size_t BytesLeftInChunk() const;
  bool AtEnd() const;

  // 3dm version of the archive (2, 3, 4, 50, ...) and the openNURBS version number of its writer.
  int Archive3dmVersion() const;
  // Set by the start section; set it directly for a bare chunk stream.
  void SetArchive3dmVersion(int version);
  unsigned int ArchiveOpenNURBSVersion() const;
  void SetArchiveOpenNURBSVersion(unsigned int version);

  int BadCRCCount() const;
  int CriticalErrorCount() const;
  // Reports a structural fault found by a record reader.
  void SetCriticalError();

  // Raw values, little-endian.
  bool WriteByte(size_t count, const void* bytes);
  bool ReadByte(size_t count, void* bytes);
  bool WriteBool(bool b);
  bool ReadBool(bool* b);
  bool WriteChar(unsigned char c);
  bool ReadChar(unsigned char* c);
  bool WriteShort(short s);
  bool ReadShort(short* s);
  bool WriteInt(int i);
  bool ReadInt(int* i);
  bool WriteInt(unsigned int u);
  bool ReadInt(unsigned int* u);
  bool WriteFloat(size_t count, const float* f);
  bool ReadFloat(size_t count, float* f);
  bool WriteDouble(double d);
  bool ReadDouble(double* d);
  bool WriteDouble(size_t count, const double* d);
  bool ReadDouble(size_t count, double* d);

  // Reads an array count and checks that count elements of element_size bytes fit in the chunk.
  bool ReadArrayCount(size_t element_size, int* count);

  // Geometry and model primitives.
  bool WriteUuid(const ON_UUID& uuid);
  bool ReadUuid(ON_UUID& uuid);
  bool WriteColor(const ON_Color& color);
  bool ReadColor(ON_Color& color);
  bool WriteString(const ON_wString& s);
  bool ReadString(ON_wString& s);
  bool WriteString(const ON_String& s);
  bool ReadString(ON_String& s);
  bool WritePoint(const ON_3dPoint& p);
  bool ReadPoint(ON_3dPoint& p);
  bool WriteVector(const ON_3dVector& v);
  bool ReadVector(ON_3dVector& v);
  bool WriteInterval(const ON_Interval& t);
  bool ReadInterval(ON_Interval& t);
  bool WriteBoundingBox(const ON_BoundingBox& bbox);
  bool ReadBoundingBox(ON_BoundingBox& bbox);
  bool WriteXform(const ON_Xform& xform);
  bool ReadXform(ON_Xform& xform);
  bool WritePlane(const ON_Plane& plane);
  bool ReadPlane(ON_Plane& plane);
  bool WriteLine(const ON_Line& line);
  bool ReadLine(ON_Line& line);
  bool WriteTime(const struct tm& t);
  bool ReadTime(struct tm& t);
  bool WriteArray(const ON_SimpleArray<double>& a);
  bool ReadArray(ON_SimpleArray<double>& a);
  bool WriteArray(const ON_SimpleArray<int>& a);
  bool ReadArray(ON_SimpleArray<int>& a);
  bool WriteArray(const ON_SimpleArray<ON_2dPoint>& a);
  bool ReadArray(ON_SimpleArray<ON_2dPoint>& a);
  bool WriteArray(const ON_SimpleArray<ON_3dPoint>& a);
  bool ReadArray(ON_SimpleArray<ON_3dPoint>& a);
  bool WriteArray(const ON_SimpleArray<ON_3dVector>& a);
  bool ReadArray(ON_SimpleArray<ON_3dVector>& a);
  bool WriteArray(const ON_SimpleArray<ON_UUID>& a);
  bool ReadArray(ON_SimpleArray<ON_UUID>& a);
  bool WriteArray(const ON_SimpleArray<ON_Color>& a);
  bool ReadArray(ON_SimpleArray<ON_Color>& a);

  // Chunks. A long chunk's length is patched when it ends; a CRC chunk gets its CRC then.
  bool BeginWrite3dmChunk(unsigned int typecode, ON__INT64 value);
  // Versioned anonymous chunk: TCODE_ANONYMOUS_CHUNK holding major and minor as two ints.
  bool BeginWrite3dmChunk(unsigned int typecode, int major_version, int minor_version);
  bool EndWrite3dmChunk();
  // Drops what was written after position and the chunks opened above depth (an abandoned record).
  bool RewindWrite(size_t position, int depth);
  bool BeginRead3dmChunk(unsigned int* typecode, ON__INT64* value);
  bool BeginRead3dmChunk(unsigned int expected_typecode, int* major_version, int* minor_version);
  // Skips what is left of the chunk; checks the CRC when the reader stopped exactly at it.
  bool EndRead3dmChunk();
  bool PeekAt3dmChunkType(unsigned int* typecode, ON__INT64* value);
  // Skips one whole chunk at the current position.
  bool SkipChunk();
  int ChunkDepth() const;
  unsigned int CurrentChunkTypecode() const;

  // Packed major*16+minor version byte at the start of most class data.
  bool Write3dmChunkVersion(int major_version, int minor_version);
  bool Read3dmChunkVersion(int* major_version, int* minor_version);

  // zlib-compressed buffer with its CRC (stored raw when small).
  bool WriteCompressedBuffer(size_t sizeof_buffer, const void* buffer);
  bool ReadCompressedBufferSize(size_t* sizeof_buffer);
  // Reads the buffer whose size ReadCompressedBufferSize just returned.
  bool ReadCompressedBuffer(size_t sizeof_buffer, void* buffer, bool* failed_crc);

  // File frame: 32-byte header with the start section, and the end mark.
  bool Write3dmStartSection(int version, const char* comment);
  bool Read3dmStartSection(int* version, ON_String& comment);
  bool Write3dmEndMark();
  bool Read3dmEndMark(size_t* file_length);

  // Class chunk holding any object whose class the archive knows.
  bool WriteObject(const ON_Object& object);
  // Result: 1 read, 3 skipped because the class is unknown or its data does not parse (the class
  // id is then LastSkippedClassId()), 0 the chunk itself is damaged.
  int ReadObject(ON_Object** object);
  const ON_UUID& LastSkippedClassId() const;
  // Content that the readers of the objects read past without keeping (user data, mesh texture
  // coordinates, ...), counted by kind in order of first appearance.
  void NoteSkippedContent(const char* what);
  const std::vector<std::pair<std::string, int>>& SkippedContent() const { return m_skipped_content; }

  // Crc-32 as zlib computes it.
  static unsigned int CRC32(unsigned int crc, size_t count, const void* bytes);

private:
  struct Chunk
  {
    unsigned int typecode = 0;
    size_t begin = 0;    // first byte after the length field
    size_t end = 0;      // one past the last byte (reading)
    size_t crc_from = 0; // direct bytes from here are not yet in crc
    unsigned int crc = 0;
    bool is_long = false;
  };

  bool Need(size_t count);
  size_t ReadLimit() const;
  size_t LengthSize() const;
  void FoldDirectBytes(Chunk& chunk, size_t upto);
  // Walks the chunks after a class's data up to its end, keeping the user data among them.
  void KeepUserData(ON_Object& object);
  bool WriteChunkValue(ON__INT64 value);
  bool ReadChunkValue(ON__INT64* value);
  bool CheckChunkCRC(Chunk& chunk);
  bool ReadCompressedBody(size_t sizeof_buffer, void* buffer);
  bool WriteObjectData(const ON_Object& object, const ON_UUID& class_id);

  Mode m_mode;
  std::vector<unsigned char> m_buffer;
  size_t m_pos = 0;
  std::vector<Chunk> m_chunks;
  int m_3dm_version = 0;
  unsigned int m_opennurbs_version = 0;
  int m_bad_crc_count = 0;
  int m_critical_error_count = 0;
  ON_UUID m_skipped_class_id = ON_nil_uuid;
  std::vector<std::pair<std::string, int>> m_skipped_content;
};
