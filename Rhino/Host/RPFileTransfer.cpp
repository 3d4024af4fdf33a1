#include "RPFileTransfer.h"

#include "CRhinoApp.h"
#include "QORGUIUtils.h"
#include "QORRP.h"

#include <memory>
#include <strings.h>

namespace
{

const char kTitle[] = "RP Password";

std::string Utf8(const ON_wString& text) { return static_cast<const char*>(ON_String(text)); }

std::string Count(int count, const char* noun, const char* plural)
{
  return std::to_string(count) + " " + (count == 1 ? noun : plural);
}

} // namespace

// Only an answer already given is taken here; the prompt itself comes when the file needs it.
bool RPFileTransfer::PasswordAnswerWaiting()
{
  CRhinoCommandStream& stream = RhinoApp().CommandStream();
  std::string token;
  if (!stream.HasPending() || !stream.Next("", token))
    return false;
  stream.Unget(token);
  return strncasecmp(token.c_str(), "Password=", 9) == 0;
}

bool RPFileTransfer::Read(CRhinoDoc& doc, const std::string& path, std::string& message)
{
  std::string password;
  if (PasswordAnswerWaiting() && !QORGUIUtils::Password(kTitle, ("Password for " + path).c_str(), password, nullptr))
  {
    message = "Operation cancelled";
    return false;
  }
  auto mesh = std::make_unique<ON_Mesh>();
  if (!QORRP::RPToMesh(ON_wString(path.c_str()), *mesh, ON_wString(password.c_str()), 1, nullptr))
  {
    message = Utf8(QORRP::GetError());
    return false;
  }
  if (mesh->FaceCount() == 0)
  {
    message = "The RP file holds no faces";
    return false;
  }
  message = "Imported a mesh of " + Count(mesh->FaceCount(), "face", "faces");
  doc.AddObject(std::move(mesh));
  return true;
}

bool RPFileTransfer::Write(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                           std::string& message)
{
  ON_ClassArray<ON_Mesh> meshes;
  for (const CRhinoObject* object : objects)
    if (const ON_Mesh* mesh = ON_Mesh::Cast(object->Geometry()))
      meshes.Append(*mesh);
  if (meshes.Count() == 0)
  {
    message = "No meshes to export";
    return false;
  }
  std::string password;
  if (!QORGUIUtils::Password(kTitle, ("Password for " + path).c_str(), password, nullptr))
  {
    message = "Export cancelled";
    return false;
  }
  if (!QORRP::MeshToRP(meshes, ON_wString(path.c_str()), ON_wString(password.c_str())))
  {
    message = Utf8(QORRP::GetError());
    return false;
  }
  message = "Exported " + Count(meshes.Count(), "mesh", "meshes") + " to " + path +
            (password.empty() ? " (no password)" : "");
  return true;
}
