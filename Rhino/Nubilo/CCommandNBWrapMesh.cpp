#include "CNubiloHostVersion.h"
#include "Interrupt.h"
#include "MeshPrecision.h"
#include "PointSelection.h"
#include "VMSurface.h"
#include "rhinoSdk.h"

#include <memory>

namespace
{

const wchar_t* const kTypeEntry = L"NBWrapMesh - Nubilo Type";

enum NubiloType
{
  Concave,
  Convex,
  TypeCount
};
const wchar_t* const kTypeNames[TypeCount] = {L"Concave", L"Convex"};

} // namespace

// NBWrapMesh: wraps a closed mesh around the selected points, concave (power crust) or convex.
class CCommandNBWrapMesh : public CRhinoCommand
{
public:
  CCommandNBWrapMesh() : CRhinoCommand(0, 0, nullptr, 0) {}

  ON_UUID CommandUUID() override
  {
    // 9B41E6D3-2C7F-4A85-B3E0-5D18F27C6A94
    return {0x9B41E6D3, 0x2C7F, 0x4A85, {0xB3, 0xE0, 0x5D, 0x18, 0xF2, 0x7C, 0x6A, 0x94}};
  }
  const wchar_t* EnglishCommandName() override { return L"NBWrapMesh"; }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    if (!CNubiloHostVersion::Check())
      return failure;
    CRhinoDoc& doc = context.m_doc;
    PointSelection::ListOption type = {L"NubiloType", kTypeNames, TypeCount, kTypeEntry};
    PointSelection::Recall(&type, 1);
    CRhinoGetObject get;
    if (!PointSelection::Select(get, &type, 1))
    {
      RhinoApp().Print("Failure [Command cancelled]\n");
      return cancel;
    }
    PointSelection::Remember(&type, 1);
    const int typeIndex = type.index;
    const ON_3dPointArray points = PointSelection::Points(get);

    ON_Mesh mesh;
    bool hull = false;
    if (!VMSurface::WrapMesh(mesh, points, typeIndex == Concave ? 1 : 0, 1))
    {
      // A few corners are too few samples for the crust; for points in convex position the hull is
      // the concave shape too.
      ON_wString error = VMSurface::GetError();
      if (typeIndex == Concave && !IsCancelled(error))
      {
        hull = VMSurface::WrapConvexPositionMesh(mesh, points, 1) != 0;
        if (IsCancelled(VMSurface::GetError()))
          error = VMSurface::GetError();
      }
      if (!hull)
        return Fail(error);
    }
    const int faces = mesh.FaceCount();
    doc.AddObject(std::make_unique<ON_Mesh>(std::move(mesh)));
    doc.Redraw();
    RhinoApp().Print("Wrapped %d points to create a mesh containing %d faces\n", points.Count(), faces);
    if (hull)
      RhinoApp().Print("Warning: points in convex position: the concave wrap is their hull\n");
    if (const double rounding = MeshPrecision::NoticeableRounding(points))
      RhinoApp().Print(MeshPrecision::kWarning, rounding);
    return success;
  }

private:
  static bool IsCancelled(const ON_wString& error) { return error == ON_wString(Platform::Interrupt::kCancelled); }

  // A wrap the user stopped (Ctrl-C) is cancelled; any other failure is a failure.
  static result Fail(const ON_wString& error)
  {
    RhinoApp().Print(L"Failure [%s]\n", static_cast<const wchar_t*>(error));
    return IsCancelled(error) ? cancel : failure;
  }
};

static CCommandNBWrapMesh theNBWrapMeshCommand;
