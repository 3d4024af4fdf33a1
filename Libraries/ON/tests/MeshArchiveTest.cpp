#include "MeshFixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
// A mesh with every per-vertex array the 3dm form keeps, on 300 vertices so the buffers are compressed.
ON_Mesh TexturedStrip()
{
  ON_Mesh mesh;
  const int columns = 150;
  for (int i = 0; i < 2 * columns; ++i)
  {
    const float u = static_cast<float>(i / 2), v = static_cast<float>(i % 2);
    mesh.m_V.Append(ON_3fPoint(u, v, 0.5f * u));
    mesh.m_T.Append(ON_2fPoint(u / columns, v));
    mesh.m_S.Append(ON_2dPoint(2.0 * u, v - 1.0));
    mesh.m_K.Append(ON_SurfaceCurvature{0.25 * u, -v});
  }
  for (int c = 0; c + 1 < columns; ++c)
    mesh.m_F.Append(ON_MeshFace{{2 * c, 2 * c + 2, 2 * c + 3, 2 * c + 1}});
  mesh.m_srf_domain[0] = ON_Interval(0.0, 300.0);
  mesh.m_srf_domain[1] = ON_Interval(-1.0, 0.0);
  mesh.m_srf_scale[0] = 12.5;
  mesh.m_packed_tex_domain[1] = ON_Interval(0.5, 1.0);
  mesh.m_packed_tex_rotate = true;
  mesh.m_texture_mapping_id = ON_UuidFromString("0D7E5E7A-2C8E-4B7A-9E0C-5A3D2B1C0F11");
  return mesh;
}

std::unique_ptr<ON_Mesh> RoundTrip(const ON_Mesh& mesh, int version)
{
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(version);
  EXPECT_TRUE(writer.WriteObject(mesh));
  ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
  reader.SetBuffer(writer.Buffer().data(), writer.Buffer().size());
  reader.SetArchive3dmVersion(version);
  ON_Object* object = nullptr;
  EXPECT_EQ(reader.ReadObject(&object), 1);
  return std::unique_ptr<ON_Mesh>(ON_Mesh::Cast(object));
}

TEST(MeshArchive, TextureCoordinatesSurfaceParametersAndCurvaturesSurviveARoundTrip)
{
  const ON_Mesh mesh = TexturedStrip();
  for (int version : {2, 3})
  {
    const std::unique_ptr<ON_Mesh> back = RoundTrip(mesh, version);
    ASSERT_TRUE(back) << "version " << version;
    ASSERT_EQ(back->m_T.Count(), mesh.VertexCount());
    ASSERT_EQ(back->m_S.Count(), mesh.VertexCount());
    ASSERT_EQ(back->m_K.Count(), mesh.VertexCount());
    for (int i = 0; i < mesh.VertexCount(); ++i)
    {
      EXPECT_EQ(back->m_T[i], mesh.m_T[i]) << i;
      EXPECT_EQ(back->m_S[i], mesh.m_S[i]) << i;
      EXPECT_EQ(back->m_K[i].k1, mesh.m_K[i].k1) << i;
      EXPECT_EQ(back->m_K[i].k2, mesh.m_K[i].k2) << i;
    }
    EXPECT_EQ(back->m_srf_domain[0].m_t[1], 300.0);
    EXPECT_EQ(back->m_srf_domain[1].m_t[0], -1.0);
    EXPECT_EQ(back->m_srf_scale[0], 12.5);
    EXPECT_EQ(back->m_packed_tex_domain[1].m_t[0], 0.5);
    EXPECT_TRUE(back->m_packed_tex_rotate);
    EXPECT_EQ(back->m_texture_mapping_id, mesh.m_texture_mapping_id);
  }
}

// Editing keeps texture coordinates with their vertices.
TEST(MeshArchive, TextureCoordinatesFollowTheirVerticesThroughCompactAndAppend)
{
  ON_Mesh mesh = MakeMesh({{9, 9, 9}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{1, 2, 3}});
  for (int i = 0; i < 4; ++i)
    mesh.m_T.Append(ON_2fPoint(static_cast<float>(i), 0.0f));
  mesh.Compact();
  ASSERT_EQ(mesh.m_T.Count(), 3);
  EXPECT_EQ(mesh.m_T[0], ON_2fPoint(1.0f, 0.0f));
  mesh.Append(mesh);
  ASSERT_EQ(mesh.m_T.Count(), 6);
  EXPECT_EQ(mesh.m_T[5], ON_2fPoint(3.0f, 0.0f));
  mesh.Append(MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}})); // without: nobody keeps them
  EXPECT_EQ(mesh.m_T.Count(), 0);
}

// A mesh class chunk of major version 1 (plain arrays) on 3 vertices; `arrays` writes what follows the faces.
std::vector<unsigned char> PlainMeshChunk(const std::function<void(ON_BinaryArchive&)>& arrays)
{
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS, 0);
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS_UUID, 0);
  writer.WriteUuid(ON_Mesh::m_ON_Mesh_class_id.Uuid());
  writer.EndWrite3dmChunk();
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS_DATA, 0);
  writer.Write3dmChunkVersion(1, 0);
  writer.WriteInt(3);
  writer.WriteInt(1);
  const double header[10] = {0, 1, 0, 1, ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE, 0, 0};
  writer.WriteDouble(10, header);
  const float boxes[16] = {};
  writer.WriteFloat(16, boxes);
  writer.WriteInt(-1);
  for (int i = 0; i < 5; ++i)
    writer.WriteChar(0);
  writer.WriteInt(1);
  const unsigned char face[4] = {0, 1, 2, 2};
  writer.WriteByte(4, face);
  writer.WriteInt(3);
  const float vertices[9] = {0, 0, 0, 1, 0, 0, 0, 1, 0};
  writer.WriteFloat(9, vertices);
  writer.WriteInt(0); // no normals
  arrays(writer);
  writer.EndWrite3dmChunk();
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS_END, 0);
  writer.EndWrite3dmChunk();
  writer.EndWrite3dmChunk();
  return writer.Buffer();
}

int ReadChunk(const std::vector<unsigned char>& bytes, std::unique_ptr<ON_Object>& object)
{
  ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
  reader.SetBuffer(bytes.data(), bytes.size());
  reader.SetArchive3dmVersion(3);
  ON_Object* read = nullptr;
  const int rc = reader.ReadObject(&read);
  object.reset(read);
  EXPECT_TRUE(reader.AtEnd());
  return rc;
}

TEST(MeshArchive, PlainTextureCoordinatesAreReadAndDamagedCountsRefused)
{
  const auto texture = [](int count, int written)
  {
    return [count, written](ON_BinaryArchive& a)
    {
      a.WriteInt(count);
      for (int i = 0; i < 2 * written; ++i)
        a.WriteFloat(1, std::vector<float>{0.5f * static_cast<float>(i)}.data());
      a.WriteInt(0); // curvatures
      a.WriteInt(0); // colours
    };
  };
  std::unique_ptr<ON_Object> object;
  ASSERT_EQ(ReadChunk(PlainMeshChunk(texture(3, 3)), object), 1);
  const ON_Mesh* mesh = ON_Mesh::Cast(object.get());
  ASSERT_NE(mesh, nullptr);
  ASSERT_EQ(mesh->m_T.Count(), 3);
  EXPECT_EQ(mesh->m_T[2], ON_2fPoint(2.0f, 2.5f));

  const struct
  {
    const char* what;
    int count, written;
  } damaged[] = {
      {"count beyond the chunk", 0x7FFFFFF0, 3},
      {"count other than the vertex count", 2, 2},
      {"negative count", -1, 0},
  };
  for (const auto& d : damaged)
  {
    EXPECT_EQ(ReadChunk(PlainMeshChunk(texture(d.count, d.written)), object), 3) << d.what;
    EXPECT_EQ(object, nullptr) << d.what;
  }
}
} // namespace
