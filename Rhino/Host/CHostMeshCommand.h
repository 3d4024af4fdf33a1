#pragma once

#include "CHostCommand.h"

#include <functional>
#include <string>

// Base of the geometry commands: meshes picked at an object prompt, one line counting what the
// command made or changed, failures in the library's words. The document changes only after
// every mesh has been worked on, so a failure or Ctrl-C leaves it as it was.
class CHostMeshCommand : public CHostCommand
{
public:
  using CHostCommand::CHostCommand;

protected:
  // Picks at least one mesh; `addOptions`, when given, adds the prompt's options before each ask
  // (an option answer asks again). False, with the failure printed and `status` set, when the
  // pick is cancelled or ends without a mesh.
  static bool PickMeshes(CRhinoGetObject& get, result& status,
                         const std::function<void(CRhinoGetObject&)>& addOptions = nullptr);
  static const ON_Mesh& PickedMesh(const CRhinoGetObject& get, int index);
  // Prints "Failure [text]" and returns failure.
  static result Fail(const ON_wString& text);
  // True, with "Failure [Cancelled]" printed and `status` set to cancel, when Ctrl-C asked the
  // command to stop.
  static bool Interrupted(result& status);
  // "1 mesh", "2 meshes".
  static std::string Count(int count, const char* one, const char* many);
};
