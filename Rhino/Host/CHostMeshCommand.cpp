#include "CHostMeshCommand.h"

#include "Interrupt.h"

bool CHostMeshCommand::PickMeshes(CRhinoGetObject& get, result& status,
                                  const std::function<void(CRhinoGetObject&)>& addOptions)
{
  get.SetCommandPrompt(L"Select meshes");
  get.SetGeometryFilter(CRhinoGetObject::mesh_object);
  for (;;)
  {
    get.ClearCommandOptions();
    if (addOptions)
      addOptions(get);
    const CRhinoGet::result answer = get.GetObjects(1, 0);
    if (answer == CRhinoGet::object)
      return true;
    if (answer == CRhinoGet::option)
      continue;
    if (answer == CRhinoGet::nothing)
    {
      status = Fail(L"No meshes selected");
    }
    else
    {
      RhinoApp().Print("Failure [Command cancelled]\n");
      status = cancel;
    }
    return false;
  }
}

const ON_Mesh& CHostMeshCommand::PickedMesh(const CRhinoGetObject& get, int index)
{
  return *ON_Mesh::Cast(get.Object(index).Geometry());
}

CRhinoCommand::result CHostMeshCommand::Fail(const ON_wString& text)
{
  RhinoApp().Print(L"Failure [%s]\n", static_cast<const wchar_t*>(text));
  return failure;
}

bool CHostMeshCommand::Interrupted(result& status)
{
  if (!Platform::Interrupt::Requested())
    return false;
  RhinoApp().Print("Failure [%s]\n", Platform::Interrupt::kCancelled);
  status = cancel;
  return true;
}

std::string CHostMeshCommand::Count(int count, const char* one, const char* many)
{
  return std::to_string(count) + " " + (count == 1 ? one : many);
}
