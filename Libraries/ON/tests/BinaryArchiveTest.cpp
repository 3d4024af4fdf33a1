#include <gtest/gtest.h>

#include "opennurbs_binaryarchive.h"

#include <cstring>
#include <vector>

namespace
{
const unsigned int kListChunk = 0x20008035u;

std::vector<unsigned char> Written(ON_BinaryArchive& archive) { return archive.Buffer(); }

void StartReading(ON_BinaryArchive& reader, const std::vector<unsigned char>& bytes, int version = 3)
{
  reader.SetBuffer(bytes.data(), bytes.size());
  reader.SetArchive3dmVersion(version);
}

std::vector<unsigned char> NestedChunks()
{
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OBJECT_RECORD, 0);
  writer.WriteInt(7);
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OBJECT_RECORD_TYPE, 1);
  writer.EndWrite3dmChunk();
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK, 0);
  writer.WriteDouble(2.5);
  writer.EndWrite3dmChunk();
  writer.WriteInt(9);
  writer.EndWrite3dmChunk();
  return Written(writer);
}
} // namespace

TEST(BinaryArchive, ChunkBytesMatchTheFormat)
{
  // An empty list chunk as every 3dm writer emits it: count 0 and the zlib CRC of those 4 bytes.
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  ASSERT_TRUE(writer.BeginWrite3dmChunk(kListChunk, 0));
  ASSERT_TRUE(writer.WriteInt(0));
  ASSERT_TRUE(writer.EndWrite3dmChunk());
  const std::vector<unsigned char> expected = {0x35, 0x80, 0x00, 0x20, 0x08, 0x00, 0x00, 0x00,
                                               0x00, 0x00, 0x00, 0x00, 0x1C, 0xDF, 0x44, 0x21};
  EXPECT_EQ(Written(writer), expected);
}

TEST(BinaryArchive, CrcCoversOnlyDirectBytes)
{
  const std::vector<unsigned char> bytes = NestedChunks();
  // Direct bytes of the outer chunk are the two ints; nested chunks are left out of its CRC.
  const int direct[2] = {7, 9};
  const unsigned int crc = ON_BinaryArchive::CRC32(0, sizeof(direct), direct);
  unsigned int stored = 0;
  std::memcpy(&stored, bytes.data() + bytes.size() - 4, 4);
  EXPECT_EQ(stored, crc);

  ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
  StartReading(reader, bytes);
  unsigned int tc = 0;
  ON__INT64 value = 0;
  int i = 0;
  ASSERT_TRUE(reader.BeginRead3dmChunk(&tc, &value));
  EXPECT_EQ(tc, ON_BinaryArchive::TCODE_OBJECT_RECORD);
  ASSERT_TRUE(reader.ReadInt(&i));
  EXPECT_EQ(i, 7);
  ASSERT_TRUE(reader.BeginRead3dmChunk(&tc, &value));
  EXPECT_EQ(value, 1);
  ASSERT_TRUE(reader.EndRead3dmChunk());
  ASSERT_TRUE(reader.SkipChunk());
  ASSERT_TRUE(reader.ReadInt(&i));
  EXPECT_EQ(i, 9);
  EXPECT_TRUE(reader.EndRead3dmChunk());
  EXPECT_EQ(reader.BadCRCCount(), 0);
  EXPECT_TRUE(reader.AtEnd());
}

TEST(BinaryArchive, DamagedBytesAreCaught)
{
  const std::vector<unsigned char> good = NestedChunks();
  {
    std::vector<unsigned char> bytes = good;
    bytes[8] ^= 0x01; // first direct int
    ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
    StartReading(reader, bytes);
    unsigned int tc = 0;
    ON__INT64 value = 0;
    int i = 0;
    ASSERT_TRUE(reader.BeginRead3dmChunk(&tc, &value));
    reader.ReadInt(&i);
    reader.SkipChunk();
    reader.SkipChunk();
    reader.ReadInt(&i);
    EXPECT_FALSE(reader.EndRead3dmChunk());
    EXPECT_EQ(reader.BadCRCCount(), 1);
  }
  {
    std::vector<unsigned char> bytes = good;
    bytes[4] = 0xF0; // length past the end of the buffer
    ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
    StartReading(reader, bytes);
    unsigned int tc = 0;
    ON__INT64 value = 0;
    EXPECT_FALSE(reader.BeginRead3dmChunk(&tc, &value));
    EXPECT_GT(reader.CriticalErrorCount(), 0);
  }
  {
    std::vector<unsigned char> bytes(good.begin(), good.begin() + 6); // truncated header
    ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
    StartReading(reader, bytes);
    unsigned int tc = 0;
    ON__INT64 value = 0;
    EXPECT_FALSE(reader.BeginRead3dmChunk(&tc, &value));
  }
}

TEST(BinaryArchive, NestedReadsStopAtTheChunkEnd)
{
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK, 0);
  writer.WriteInt(1000000); // claims a million doubles follow
  writer.EndWrite3dmChunk();
  writer.WriteDouble(1.0);
  ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
  StartReading(reader, Written(writer));
  unsigned int tc = 0;
  ON__INT64 value = 0;
  ASSERT_TRUE(reader.BeginRead3dmChunk(&tc, &value));
  int count = 0;
  EXPECT_FALSE(reader.ReadArrayCount(sizeof(double), &count));
  double d = 0;
  EXPECT_FALSE(reader.ReadDouble(&d)); // the double after the chunk is out of reach
  EXPECT_TRUE(reader.EndRead3dmChunk());
  EXPECT_TRUE(reader.ReadDouble(&d));
  EXPECT_EQ(d, 1.0);
}

TEST(BinaryArchive, CompressedBuffersRoundTrip)
{
  std::vector<float> big(3000);
  for (size_t i = 0; i < big.size(); ++i)
    big[i] = static_cast<float>(i % 17) * 0.5f;
  const unsigned char small[5] = {1, 2, 3, 4, 5};

  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS_DATA, 0);
  ASSERT_TRUE(writer.WriteCompressedBuffer(big.size() * sizeof(float), big.data()));
  ASSERT_TRUE(writer.WriteCompressedBuffer(sizeof(small), small));
  ASSERT_TRUE(writer.WriteCompressedBuffer(0, nullptr));
  writer.EndWrite3dmChunk();
  EXPECT_LT(Written(writer).size(), big.size() * sizeof(float));

  ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
  StartReading(reader, Written(writer));
  unsigned int tc = 0;
  ON__INT64 value = 0;
  ASSERT_TRUE(reader.BeginRead3dmChunk(&tc, &value));
  size_t size = 0;
  bool bad_crc = true;
  ASSERT_TRUE(reader.ReadCompressedBufferSize(&size));
  ASSERT_EQ(size, big.size() * sizeof(float));
  std::vector<float> back(big.size());
  ASSERT_TRUE(reader.ReadCompressedBuffer(size, back.data(), &bad_crc));
  EXPECT_FALSE(bad_crc);
  EXPECT_EQ(back, big);
  ASSERT_TRUE(reader.ReadCompressedBufferSize(&size));
  ASSERT_EQ(size, sizeof(small));
  unsigned char small_back[5] = {};
  ASSERT_TRUE(reader.ReadCompressedBuffer(size, small_back, &bad_crc));
  EXPECT_EQ(0, std::memcmp(small, small_back, sizeof(small)));
  ASSERT_TRUE(reader.ReadCompressedBufferSize(&size));
  EXPECT_EQ(size, 0u);
  EXPECT_TRUE(reader.EndRead3dmChunk());
  EXPECT_EQ(reader.BadCRCCount(), 0);
}

TEST(BinaryArchive, ImplausibleCompressedSizeIsRefusedBeforeAllocation)
{
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  writer.WriteInt(0xF0000000u); // size
  writer.WriteInt(0u);          // crc
  writer.WriteChar(1);          // zlib
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK, 0);
  writer.WriteInt(0);
  writer.EndWrite3dmChunk();
  ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
  StartReading(reader, Written(writer));
  size_t size = 0;
  EXPECT_FALSE(reader.ReadCompressedBufferSize(&size));
  EXPECT_EQ(size, 0u);
}
