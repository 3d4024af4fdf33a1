#include "opennurbs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace
{
const ON_3dPoint kCorners[8] = {{0, 0, 0}, {2, 0, 0}, {2, 3, 0}, {0, 3, 0}, {0, 0, 1}, {2, 0, 1}, {2, 3, 1}, {0, 3, 1}};

std::vector<unsigned char> WrittenObject(const ON_Object& object, int version)
{
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(version);
  EXPECT_TRUE(writer.WriteObject(object));
  return writer.Buffer();
}

// ReadObject's result and the object read, if any.
int ReadObject(const std::vector<unsigned char>& bytes, int version, std::unique_ptr<ON_Object>& object)
{
  ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
  reader.SetBuffer(bytes.data(), bytes.size());
  reader.SetArchive3dmVersion(version);
  reader.SetArchiveOpenNURBSVersion(200210150);
  ON_Object* read = nullptr;
  const int rc = reader.ReadObject(&read);
  object.reset(read);
  return rc;
}
} // namespace

TEST(ON_BrepIO, BoxComesBackWithItsTopologyAndDomains)
{
  std::unique_ptr<ON_Brep> box(ON_BrepBox(kCorners));
  // An edge and a trim with domains of their own.
  box->m_E[2].SetDomain(5.0, 7.0);
  box->m_T[3].SetDomain(-1.0, 0.0);
  for (const int version : {3, 2})
  {
    std::unique_ptr<ON_Object> object;
    ASSERT_EQ(ReadObject(WrittenObject(*box, version), version, object), 1) << version;
    const ON_Brep* brep = ON_Brep::Cast(object.get());
    ASSERT_NE(brep, nullptr);
    EXPECT_TRUE(brep->IsValid()) << version;
    EXPECT_EQ(brep->m_F.Count(), 6);
    EXPECT_EQ(brep->m_E.Count(), 12);
    EXPECT_EQ(brep->m_T.Count(), 24);
    EXPECT_EQ(brep->m_V[6].point, kCorners[6]);
    EXPECT_EQ(brep->m_T[7].m_iso, box->m_T[7].m_iso);
    EXPECT_EQ(brep->m_T[7].m_bRev3d, box->m_T[7].m_bRev3d);
    EXPECT_EQ(brep->m_E[2].PointAtStart(), box->m_E[2].PointAtStart());
    EXPECT_EQ(brep->BoundingBox().m_max, kCorners[6]);
    // Version 2 keeps no edge or trim domains: they are those of the curves shown.
    EXPECT_EQ(brep->m_E[2].Domain(), version == 3 ? ON_Interval(5.0, 7.0) : box->m_C3[2]->Domain());
    EXPECT_EQ(brep->m_T[3].Domain(), version == 3 ? ON_Interval(-1.0, 0.0) : box->m_C2[3]->Domain());
    // Version 2 holds the 2-D line curves in NURBS form.
    EXPECT_EQ(ON_NurbsCurve::Cast(brep->m_C2[0]) != nullptr, version == 2);
  }
}

// A render mesh cached in a face is kept through copies, writing and reading.
TEST(ON_BrepIO, FaceRenderMeshesAreKept)
{
  std::unique_ptr<ON_Brep> box(ON_BrepBox(kCorners));
  ON_Mesh* mesh = new ON_Mesh();
  mesh->SetVertex(0, ON_3fPoint(0, 0, 0));
  mesh->SetVertex(1, ON_3fPoint(2, 0, 0));
  mesh->SetVertex(2, ON_3fPoint(2, 3, 0));
  mesh->SetTriangle(0, 0, 1, 2);
  box->m_F[0].m_render_mesh = mesh;
  const ON_Brep copy(*box);
  ASSERT_NE(copy.m_F[0].m_render_mesh, nullptr);
  EXPECT_NE(copy.m_F[0].m_render_mesh, mesh);
  for (const int version : {3, 2})
  {
    std::unique_ptr<ON_Object> object;
    ASSERT_EQ(ReadObject(WrittenObject(copy, version), version, object), 1) << version;
    const ON_Brep* brep = ON_Brep::Cast(object.get());
    ASSERT_NE(brep, nullptr);
    ASSERT_NE(brep->m_F[0].m_render_mesh, nullptr) << version;
    EXPECT_EQ(brep->m_F[0].m_render_mesh->FaceCount(), 1);
    EXPECT_EQ(brep->m_F[1].m_render_mesh, nullptr);
  }
}

// A trim may show its 2-D curve reversed (version 3 only).
TEST(ON_BrepIO, TrimShowingItsCurveReversed)
{
  std::unique_ptr<ON_Brep> box(ON_BrepBox(kCorners));
  ON_LineCurve* uv = ON_LineCurve::Cast(box->m_C2[box->m_T[5].m_c2i]);
  ASSERT_NE(uv, nullptr);
  std::swap(uv->m_line.from, uv->m_line.to);
  box->m_T[5].Reverse();
  ASSERT_TRUE(box->IsValid());
  std::unique_ptr<ON_Object> object;
  ASSERT_EQ(ReadObject(WrittenObject(*box, 3), 3, object), 1);
  const ON_Brep* brep = ON_Brep::Cast(object.get());
  ASSERT_NE(brep, nullptr);
  EXPECT_TRUE(brep->m_T[5].ProxyCurveIsReversed());
  EXPECT_EQ(brep->m_T[5].PointAtStart(), box->m_T[5].PointAtStart());
  EXPECT_TRUE(brep->IsValid());
}

// A brep whose indices do not fit its arrays, or whose counts run past its chunk, is not read; the
// archive stays in step.
TEST(ON_BrepIO, DamagedRecordsAreNotRead)
{
  struct Case
  {
    const char* name;
    std::function<void(ON_Brep&)> spoil;
  };
  const std::vector<Case> cases = {
      {"edge vertex out of range", [](ON_Brep& b) { b.m_E[3].m_vi[1] = 99; }},
      {"edge curve out of range", [](ON_Brep& b) { b.m_E[0].m_c3i = 12; }},
      {"vertex edge out of range", [](ON_Brep& b) { b.m_V[2].m_ei[0] = -4; }},
      {"trim loop out of range", [](ON_Brep& b) { b.m_T[9].m_li = 6; }},
      {"trim curve out of range", [](ON_Brep& b) { b.m_T[1].m_c2i = 24; }},
      {"loop trim out of range", [](ON_Brep& b) { b.m_L[5].m_ti[2] = 1000; }},
      {"face surface out of range", [](ON_Brep& b) { b.m_F[4].m_si = -1; }},
      {"face loop out of range", [](ON_Brep& b) { b.m_F[0].m_li[0] = 6; }},
      {"component index not its place", [](ON_Brep& b) { b.m_F[1].m_face_index = 0; }},
  };
  for (const Case& c : cases)
  {
    std::unique_ptr<ON_Brep> brep(ON_BrepBox(kCorners));
    c.spoil(*brep);
    std::unique_ptr<ON_Object> object;
    EXPECT_EQ(ReadObject(WrittenObject(*brep, 3), 3, object), 3) << c.name;
    EXPECT_EQ(object, nullptr) << c.name;
  }

  // The vertex count (8, after ver(1.0)) raised far beyond the bytes of its chunk.
  std::unique_ptr<ON_Brep> brep(ON_BrepBox(kCorners));
  std::vector<unsigned char> bytes = WrittenObject(*brep, 3);
  const unsigned char vertex_array_head[] = {0x10, 8, 0, 0, 0, 0, 0, 0, 0};
  auto at = std::search(bytes.begin(), bytes.end(), std::begin(vertex_array_head), std::end(vertex_array_head));
  ASSERT_NE(at, bytes.end());
  const int huge = 0x7FFFFFFF;
  std::memcpy(&*(at + 1), &huge, sizeof(huge));
  std::unique_ptr<ON_Object> object;
  EXPECT_EQ(ReadObject(bytes, 3, object), 3);
  EXPECT_EQ(object, nullptr);

  // The same bytes taken for the legacy form (data version 2.1): its counts do not fit either.
  bytes = WrittenObject(*brep, 3);
  const unsigned char data_chunk[] = {0xFC, 0xFF, 0x02, 0x00};
  at = std::search(bytes.begin(), bytes.end(), std::begin(data_chunk), std::end(data_chunk));
  ASSERT_NE(at, bytes.end());
  ASSERT_EQ(*(at + 8), 0x32);
  *(at + 8) = 0x21;
  EXPECT_EQ(ReadObject(bytes, 3, object), 3);
  EXPECT_EQ(object, nullptr);
}
