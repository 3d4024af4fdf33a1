#include "Interrupt.h"
#include "TempFolder.h"
#include "Uuid.h"
#include "rhinoSdk.h"

#include <gtest/gtest.h>

#include <fstream>

namespace
{

class SdkTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    RhinoApp().SetPrintSink([this](const std::string& text) { m_printed += text; });
    RhinoApp().ActiveDoc()->DeleteAll();
    RhinoApp().CommandStream().Clear();
  }
  void TearDown() override
  {
    RhinoApp().SetPrintSink(nullptr);
    RhinoApp().CommandStream().Clear();
  }
  void Answer(const std::string& line)
  {
    std::vector<std::string> tokens;
    std::string error;
    ASSERT_TRUE(CRhinoCommandStream::Tokenize(line, tokens, error)) << error;
    RhinoApp().CommandStream().Append(tokens);
  }
  std::string m_printed;
};

const wchar_t* const kSection = L"Plug-Ins\\5D1E0C42-7B93-4A6F-9E28-03B7C6A14F95\\Settings";

} // namespace

TEST(CommandStream, Tokenize)
{
  struct Case
  {
    const char* line;
    std::vector<std::string> tokens;
    bool ok;
  } cases[] = {
      {"  NBImportPoints  File=\"my pts.txt\"\tOK ", {"NBImportPoints", "File=my pts.txt", "OK"}, true},
      {"Export out.xyz # a comment \"x", {"Export", "out.xyz"}, true},
      {"File=\"\"", {"File="}, true},
      {"\"\"", {""}, true},
      {"", {}, true},
      {"File=\"open", {}, false},
  };
  for (const Case& c : cases)
  {
    std::vector<std::string> tokens;
    std::string error;
    EXPECT_EQ(CRhinoCommandStream::Tokenize(c.line, tokens, error), c.ok) << c.line;
    if (c.ok)
    {
      EXPECT_EQ(tokens, c.tokens) << c.line;
    }
  }
}

TEST(ProfileContext, IntegersBySectionAndEntry)
{
  const std::string file = Platform::TempFolder::Path() + "/nubilo-" + Platform::Uuid::CreateString() + "/profile.ini";
  {
    CRhinoProfileContext profile;
    ASSERT_TRUE(profile.SetFile(file)); // a missing file is an empty profile
    int value = 7;
    EXPECT_FALSE(profile.LoadProfileInt(kSection, L"NBDrapeSurface - Drape Direction", &value));
    EXPECT_EQ(value, 7); // unchanged when missing
    EXPECT_TRUE(profile.SaveProfileInt(kSection, L"NBDrapeSurface - Drape Direction", 6));
    EXPECT_TRUE(profile.SaveProfileInt(kSection, L"NBWrapMesh - Nubilo Type", 1));
  }
  CRhinoProfileContext reread;
  ASSERT_TRUE(reread.SetFile(file));
  int value = 0;
  EXPECT_TRUE(reread.LoadProfileInt(kSection, L"NBDrapeSurface - Drape Direction", &value));
  EXPECT_EQ(value, 6);
  EXPECT_TRUE(reread.LoadProfileInt(kSection, L"NBWrapMesh - Nubilo Type", &value));
  EXPECT_EQ(value, 1);
  std::ofstream(file, std::ios::app) << "[" << ON_String(kSection).Array() << "]\nBad=12x\n";
  ASSERT_TRUE(reread.SetFile(file));
  value = 3;
  EXPECT_FALSE(reread.LoadProfileInt(kSection, L"Bad", &value));
  EXPECT_EQ(value, 3);
  std::system(("rm -rf " + file.substr(0, file.find_last_of('/'))).c_str());
}

TEST_F(SdkTest, GetObjectsWithOptionsAllAndNumbers)
{
  CRhinoDoc& doc = *RhinoApp().ActiveDoc();
  for (int i = 0; i < 4; ++i)
    doc.AddPointObject(ON_3dPoint(i, 0, 0));
  Answer("Type=b 2 4 4 Enter");
  CRhinoGetObject go;
  go.SetCommandPrompt(L"Select points");
  go.SetGeometryFilter(CRhinoGetObject::point_object);
  ON_SimpleArray<const wchar_t*> values;
  values.Append(L"a");
  values.Append(L"b");
  EXPECT_EQ(go.AddCommandOptionList(RHCMDOPTNAME(L"Type"), 0, values), 1);
  EXPECT_EQ(go.GetObjects(1, 0), CRhinoGet::option);
  EXPECT_EQ(go.Option()->m_option_index, 1);
  EXPECT_EQ(go.Option()->m_list_option_current, 1);
  EXPECT_EQ(go.GetObjects(1, 0), CRhinoGet::object);
  ASSERT_EQ(go.ObjectCount(), 2); // a number picked twice counts once
  EXPECT_EQ(ON_Point::Cast(go.Object(1).Geometry())->point, ON_3dPoint(3, 0, 0));
}

TEST_F(SdkTest, GetObjectsEndings)
{
  RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(1, 2, 3));
  struct Case
  {
    const char* answers;
    CRhinoGet::result result;
  } cases[] = {
      {"All Enter", CRhinoGet::object}, {"All", CRhinoGet::object}, // running out answers as Enter
      {"Enter", CRhinoGet::nothing},    {"", CRhinoGet::nothing},
      {"Cancel", CRhinoGet::cancel},    {"9", CRhinoGet::cancel}, // no such object
      {"Bogus=1", CRhinoGet::cancel},                             // no such option
      {"word", CRhinoGet::cancel},
  };
  for (const Case& c : cases)
  {
    RhinoApp().CommandStream().Clear();
    Answer(c.answers);
    CRhinoGetObject go;
    go.SetGeometryFilter(CRhinoGetObject::point_object);
    EXPECT_EQ(go.GetObjects(1, 0), c.result) << c.answers;
  }
}

TEST_F(SdkTest, GetLineFromTwoPoints)
{
  struct Case
  {
    const char* answers;
    bool ok;
    ON_Line line;
  } cases[] = {
      {"0,0,10 0,0,0", true, ON_Line(ON_3dPoint(0, 0, 10), ON_3dPoint(0, 0, 0))},
      {"1.5,-2 3,4,5", true, ON_Line(ON_3dPoint(1.5, -2, 0), ON_3dPoint(3, 4, 5))},
      {"0,0,0", false, {}},
      {"1,2,3,4 0,0,0", false, {}},
      {"1 0,0,0", false, {}},
      {"nan,0,0 0,0,0", false, {}},
  };
  for (const Case& c : cases)
  {
    RhinoApp().CommandStream().Clear();
    Answer(c.answers);
    CArgsRhinoGetLine args;
    ON_Line line;
    EXPECT_EQ(RhinoGetLine(args, line) == CRhinoCommand::success, c.ok) << c.answers;
    if (c.ok)
    {
      EXPECT_EQ(line.from, c.line.from) << c.answers;
      EXPECT_EQ(line.to, c.line.to) << c.answers;
    }
  }
}

TEST_F(SdkTest, PrintFormatsNarrowAndWide)
{
  RhinoApp().Print("Imported %d points\n", 3);
  RhinoApp().Print(L"Loaded plug-in %s...\n", L"Nubilo 4.0 version 1.0");
  RhinoApp().Print(L"%d %S\n", 5, "narrow");
  EXPECT_EQ(m_printed, "Imported 3 points\nLoaded plug-in Nubilo 4.0 version 1.0...\n5 narrow\n");
}

TEST_F(SdkTest, IntegerOptionsKeepToTheirLimits)
{
  RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(1, 2, 3));
  struct Case
  {
    const char* answers;
    CRhinoGet::result result;
    int value;
  } cases[] = {
      {"Iterations=4", CRhinoGet::option, 4},     {"iterations=1", CRhinoGet::option, 1},
      {"Iterations=0", CRhinoGet::cancel, 2},  // below the lower limit
      {"Iterations=11", CRhinoGet::cancel, 2}, // above the upper limit
      {"Iterations=2.5", CRhinoGet::cancel, 2},   {"Iterations=", CRhinoGet::cancel, 2},
      {"Iterations=? All", CRhinoGet::object, 2},
  };
  for (const Case& c : cases)
  {
    RhinoApp().CommandStream().Clear();
    m_printed.clear();
    Answer(c.answers);
    int iterations = 2;
    CRhinoGetObject go;
    go.SetGeometryFilter(CRhinoGetObject::point_object);
    EXPECT_EQ(go.AddCommandOptionInteger(RHCMDOPTNAME(L"Iterations"), &iterations, nullptr, 1, 10), 1);
    EXPECT_EQ(go.GetObjects(1, 0), c.result) << c.answers;
    EXPECT_EQ(iterations, c.value) << c.answers;
    if (c.result == CRhinoGet::cancel)
    {
      EXPECT_NE(m_printed.find("(a whole number from 1 to 10)"), std::string::npos) << m_printed;
    }
  }
  EXPECT_NE(m_printed.find("Iterations: a whole number from 1 to 10\n"), std::string::npos) << m_printed;
}

TEST_F(SdkTest, ReplacedObjectsKeepTheirPlaceAndDeletedOnesGo)
{
  CRhinoDoc& doc = *RhinoApp().ActiveDoc();
  for (int i = 0; i < 3; ++i)
    doc.AddPointObject(ON_3dPoint(i, 0, 0));
  ON_3dmObjectAttributes attributes;
  attributes.m_name = L"second";
  doc.ObjectAt(2)->SetAttributes(attributes);
  doc.SetModified(false);
  const CRhinoObjRef second(doc.ObjectAt(2));
  CRhinoObject* replaced = doc.ReplaceObject(second, std::make_unique<ON_Point>(ON_3dPoint(7, 7, 7)));
  ASSERT_EQ(replaced, doc.ObjectAt(2));
  EXPECT_EQ(ON_Point::Cast(doc.ObjectAt(2)->Geometry())->point, ON_3dPoint(7, 7, 7));
  EXPECT_EQ(doc.ObjectAt(2)->Attributes().m_name, ON_wString(L"second"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.ReplaceObject(second, nullptr), nullptr);

  EXPECT_TRUE(doc.DeleteObject(CRhinoObjRef(doc.ObjectAt(1))));
  ASSERT_EQ(doc.ObjectCount(), 2);
  EXPECT_EQ(doc.ObjectAt(1), replaced);
  const CRhinoObjRef gone(doc.ObjectAt(2));
  EXPECT_TRUE(doc.DeleteObject(gone));
  EXPECT_FALSE(doc.DeleteObject(gone));
  EXPECT_EQ(doc.ReplaceObject(gone, std::make_unique<ON_Point>(ON_3dPoint(1, 1, 1))), nullptr);
  EXPECT_EQ(doc.ObjectCount(), 1);
}

namespace
{

// A command that adds a point, first deleting object 1 when asked to, and meets Ctrl-C at its end.
class InterruptedCommand : public CRhinoCommand
{
public:
  explicit InterruptedCommand(bool deleteFirst) : m_deleteFirst(deleteFirst) {}
  ON_UUID CommandUUID() override { return ON_nil_uuid; }
  const wchar_t* EnglishCommandName() override
  {
    return m_deleteFirst ? L"TestReplaceThenInterrupt" : L"TestAddThenInterrupt";
  }
  result RunCommand(const CRhinoCommandContext& context) override
  {
    if (m_deleteFirst)
      context.m_doc.DeleteObject(CRhinoObjRef(context.m_doc.ObjectAt(1)));
    context.m_doc.AddPointObject(ON_3dPoint(9, 9, 9));
    Platform::Interrupt::Request();
    return success;
  }

private:
  bool m_deleteFirst;
};

} // namespace

TEST_F(SdkTest, InterruptedCommandsTakeBackWhatTheyAddedButNeverHalfAChange)
{
  InterruptedCommand add(false), replace(true);
  CRhinoDoc& doc = *RhinoApp().ActiveDoc();
  doc.AddPointObject(ON_3dPoint(1, 2, 3));
  doc.SetModified(false);
  EXPECT_EQ(RhinoApp().ExecuteCommand("TestAddThenInterrupt"), CRhinoCommand::cancel);
  EXPECT_EQ(doc.ObjectCount(), 1);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(m_printed, "Failure [Cancelled]\n");
  // Deleting and adding is one change: taking back the addition alone would lose the object.
  EXPECT_EQ(RhinoApp().ExecuteCommand("TestReplaceThenInterrupt"), CRhinoCommand::success);
  ASSERT_EQ(doc.ObjectCount(), 1);
  EXPECT_EQ(ON_Point::Cast(doc.ObjectAt(1)->Geometry())->point, ON_3dPoint(9, 9, 9));
  Platform::Interrupt::Clear();
}
