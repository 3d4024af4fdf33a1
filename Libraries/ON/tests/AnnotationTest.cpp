#include <gtest/gtest.h>

#include "Rhino3dm.h"
#include "opennurbs.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{
const std::string kSamples = NUBILO_SHARED_DATA "/3dm";

bool Near(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a) + std::fabs(b)); }

bool SameTriple(const Json::Value& triple, const ON_3dPoint& p)
{
  return triple.size() == 3 && Near(triple[0].asDouble(), p.x) && Near(triple[1].asDouble(), p.y) &&
         Near(triple[2].asDouble(), p.z);
}

std::string Narrow(const wchar_t* text)
{
  const ON_String narrow{ON_wString(text)};
  return narrow.Array() ? narrow.Array() : "";
}

std::string IdText(const ON_UUID& id)
{
  ON_String text;
  ON_UuidToString(id, text);
  std::string lower = text.Array();
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

const ONX_Model_Object* FindById(const ONX_Model& model, const std::string& id)
{
  for (int i = 0; i < model.m_object_table.Count(); ++i)
    if (IdText(model.m_object_table[i].m_attributes.m_uuid) == id)
      return &model.m_object_table[i];
  return nullptr;
}

// Where rhino3dm puts the annotation's plane origin: text without a justification (files before
// version 5 store none) is anchored at the top of its first line, one text height up the y axis.
ON_3dPoint ReferenceOrigin(const ON_Annotation2& annotation)
{
  ON_3dPoint origin = annotation.Plane().origin;
  if (annotation.IsText() && const_cast<ON_Annotation2&>(annotation).Justification() == ON_Annotation2::tjUndefined)
    origin = origin + annotation.Height() * annotation.Plane().yaxis;
  return origin;
}

// Every text and leader rhino3dm finds in the file is an ON_TextEntity2 or ON_Leader2 of the core with
// the same text, plane and points; returns how many of each were compared.
void ExpectAnnotationsLikeReference(const ONX_Model& model, const Json::Value& reference, const std::string& file,
                                    int& texts, int& leaders)
{
  texts = leaders = 0;
  for (const Json::Value& item : reference)
  {
    const std::string where = file + " " + item["id"].asString();
    const ONX_Model_Object* record = FindById(model, item["id"].asString());
    ASSERT_NE(record, nullptr) << where;
    const ON_Annotation2* annotation = ON_Annotation2::Cast(record->m_object);
    ASSERT_NE(annotation, nullptr) << where;
    EXPECT_EQ(Narrow(annotation->TextValue()), item["text"].asString()) << where;
    EXPECT_TRUE(SameTriple(item["origin"], ReferenceOrigin(*annotation))) << where;
    EXPECT_TRUE(SameTriple(item["xaxis"], ON_3dPoint(annotation->Plane().xaxis))) << where;
    EXPECT_TRUE(SameTriple(item["zaxis"], ON_3dPoint(annotation->Plane().zaxis))) << where;
    if (item["kind"].asString() == "text")
    {
      EXPECT_NE(ON_TextEntity2::Cast(annotation), nullptr) << where;
      EXPECT_TRUE(annotation->IsValid()) << where;
      ++texts;
      continue;
    }
    const ON_Leader2* leader = ON_Leader2::Cast(annotation);
    ASSERT_NE(leader, nullptr) << where;
    EXPECT_TRUE(leader->IsValid()) << where;
    ASSERT_EQ(leader->PointCount(), static_cast<int>(item["points"].size())) << where;
    for (int i = 0; i < leader->PointCount(); ++i)
      EXPECT_TRUE(SameTriple(item["points"][i], leader->Dim3dPoint(i))) << where << " point " << i;
    ++leaders;
  }
}

bool AnnotationsOf(const std::string& file, Json::Value& reference)
{
  std::string why_not;
  if (Rhino3dm::Annotations(file, reference, why_not))
    return true;
  if (!Rhino3dm::Missing(why_not))
    ADD_FAILURE() << file << ": " << why_not;
  return false;
}

struct SampleCase
{
  const char* file;
  int texts;
  int leaders;
};

class AnnotationSample : public ::testing::TestWithParam<SampleCase>
{
};

TEST_P(AnnotationSample, ReadsLikeRhino3dm)
{
  const std::string file = kSamples + "/" + GetParam().file;
  ONX_Model model;
  if (!model.Read(file.c_str()))
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  Json::Value reference;
  if (!AnnotationsOf(file, reference))
    GTEST_SKIP() << "rhino3dm is not installed";
  int texts = 0, leaders = 0;
  ExpectAnnotationsLikeReference(model, reference, file, texts, leaders);
  EXPECT_EQ(texts, GetParam().texts);
  EXPECT_EQ(leaders, GetParam().leaders);
}

INSTANTIATE_TEST_SUITE_P(Version4And5, AnnotationSample,
                         ::testing::Values(SampleCase{"V4/v4_example_file.3dm", 2, 0},
                                           SampleCase{"V5/v5_example_file.3dm", 1, 4}));

// The items only version 5 stores: the justification of text.
TEST(Annotation2, Version5TextKeepsItsJustification)
{
  ONX_Model model;
  if (!model.Read((kSamples + "/V5/v5_example_file.3dm").c_str()))
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  int texts = 0;
  for (int i = 0; i < model.m_object_table.Count(); ++i)
    if (ON_TextEntity2* text = ON_TextEntity2::Cast(const_cast<ON_Object*>(model.m_object_table[i].m_object)))
    {
      EXPECT_EQ(text->Justification(), static_cast<unsigned int>(ON_Annotation2::tjBottomLeft));
      EXPECT_EQ(text->Height(), 1.0);
      ++texts;
    }
  EXPECT_EQ(texts, 1);
}
} // namespace

namespace
{
ON_Plane TiltedPlane()
{
  return ON_Plane(ON_3dPoint(10.0, -2.0, 3.0), ON_3dVector(1.0, 1.0, 0.0), ON_3dVector(0.0, 0.0, 1.0));
}

ON_TextEntity2* SampleText()
{
  ON_TextEntity2* text = new ON_TextEntity2();
  text->SetPlane(TiltedPlane());
  text->SetTextValue(L"North gate\nlevel 2");
  text->SetHeight(2.5);
  return text;
}

ON_Leader2* SampleLeader()
{
  ON_Leader2* leader = new ON_Leader2();
  leader->SetPlane(TiltedPlane());
  leader->AddPoint(ON_2dPoint(0.0, 0.0));
  leader->AddPoint(ON_2dPoint(4.0, 3.0));
  leader->AddPoint(ON_2dPoint(9.0, 3.0));
  leader->SetTextValue(L"Pump");
  return leader;
}

void AddToModel(ONX_Model& model, ON_Object* object)
{
  ONX_Model_Object& record = model.m_object_table.AppendNew();
  record.m_object = object;
  record.m_bDeleteObject = true;
  ON_CreateUuid(record.m_attributes.m_uuid);
}

std::string TempPath(int version)
{
  return ::testing::TempDir() + "annotation_" + std::to_string(getpid()) + "_v" + std::to_string(version) + ".3dm";
}
} // namespace

// Text and leaders written by the core read back unchanged in the core and as text and leaders in
// rhino3dm, in both versions the core writes (version 2 keeps the classes: rhino3dm reads them there).
class WrittenAnnotations : public ::testing::TestWithParam<int>
{
};

TEST_P(WrittenAnnotations, ReadBackInBothReaders)
{
  const int version = GetParam();
  ONX_Model model;
  AddToModel(model, SampleText());
  AddToModel(model, SampleLeader());
  const std::string path = TempPath(version);
  ASSERT_TRUE(model.Write(path.c_str(), version));

  ONX_Model back;
  ASSERT_TRUE(back.Read(path.c_str()));
  EXPECT_EQ(back.SkippedObjectCount(), 0);
  ASSERT_EQ(back.m_object_table.Count(), 2);
  const ON_TextEntity2* text = ON_TextEntity2::Cast(back.m_object_table[0].m_object);
  ASSERT_NE(text, nullptr);
  // Files before version 5 keep line breaks as CR LF.
  EXPECT_EQ(Narrow(text->TextValue()), "North gate\r\nlevel 2");
  EXPECT_EQ(text->Height(), 2.5);
  EXPECT_EQ(text->Plane().origin, TiltedPlane().origin);
  const ON_Leader2* leader = ON_Leader2::Cast(back.m_object_table[1].m_object);
  ASSERT_NE(leader, nullptr);
  EXPECT_EQ(leader->PointCount(), 3);
  EXPECT_EQ(leader->Dim3dPoint(2), TiltedPlane().PointAt(9.0, 3.0));

  Json::Value reference;
  const bool checked = AnnotationsOf(path, reference);
  std::remove(path.c_str());
  if (!checked)
    GTEST_SKIP() << "rhino3dm is not installed";
  int texts = 0, leaders = 0;
  ExpectAnnotationsLikeReference(back, reference, path, texts, leaders);
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(leaders, 1);
}

INSTANTIATE_TEST_SUITE_P(Versions, WrittenAnnotations, ::testing::Values(2, 3));

// Damaged class data fails cleanly: counts that do not fit the chunk are refused before anything is
// allocated, and a cut anywhere leaves no object.
TEST(Annotation2, DamagedClassDataFailsCleanly)
{
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  std::unique_ptr<ON_Leader2> leader(SampleLeader());
  ASSERT_TRUE(writer.WriteObject(*leader));
  const std::vector<unsigned char> good = writer.Buffer();
  // Class chunk and id chunk (36 bytes), data chunk header (8), version byte, type, mode, plane.
  const size_t point_count_at = 36 + 8 + 1 + 4 + 4 + 16 * 8;
  const size_t text_length_at = point_count_at + 4 + 3 * 16;
  for (const auto& [offset, value] :
       {std::pair<size_t, int>{point_count_at, 0x40000000}, {point_count_at, -1}, {text_length_at, 0x7FFFFFFF}})
  {
    std::vector<unsigned char> bytes = good;
    std::memcpy(bytes.data() + offset, &value, 4);
    ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
    reader.SetBuffer(bytes.data(), bytes.size());
    reader.SetArchive3dmVersion(3);
    ON_Object* object = nullptr;
    EXPECT_EQ(reader.ReadObject(&object), 3) << offset << " " << value;
    EXPECT_EQ(object, nullptr);
  }
  for (size_t length = 0; length < good.size(); ++length)
  {
    ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
    reader.SetBuffer(good.data(), length);
    reader.SetArchive3dmVersion(3);
    ON_Object* object = nullptr;
    EXPECT_EQ(reader.ReadObject(&object), 0) << length;
    EXPECT_EQ(object, nullptr);
  }
}

// A transform moves the plane and the points with it, whatever the map (here a rotation, a
// non-uniform scale and a move); the text height follows the plane's y axis.
TEST(Annotation2, TransformMovesPointsExactly)
{
  std::unique_ptr<ON_Leader2> leader(SampleLeader());
  leader->SetHeight(2.0);
  ON_Xform rotation(1.0), stretch(1.0), move(1.0);
  rotation.Rotation(0.3, ON_3dVector(0, 0, 1), ON_3dPoint(1, 2, 3));
  stretch.Scale(2.0, 3.0, 5.0);
  move.Translation(4.0, -1.0, 2.0);
  const ON_Xform xform = move * stretch * rotation;
  ON_3dPoint expected[3];
  for (int i = 0; i < 3; ++i)
    expected[i] = xform * leader->Dim3dPoint(i);
  const double up = (xform * ON_3dVector(0, 0, 1)).Length(); // the sample plane's y axis is world z
  ASSERT_TRUE(leader->Transform(xform));
  for (int i = 0; i < 3; ++i)
    EXPECT_LT(leader->Dim3dPoint(i).DistanceTo(expected[i]), 1e-12) << i;
  EXPECT_DOUBLE_EQ(leader->Height(), 2.0 * up);
  EXPECT_TRUE(leader->Plane().IsValid());
}
