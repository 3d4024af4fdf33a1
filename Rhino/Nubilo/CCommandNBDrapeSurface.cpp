#include "CNubiloHostVersion.h"
#include "MeshPrecision.h"
#include "PointSelection.h"
#include "QORPoint.h"
#include "VMSurface.h"
#include "rhinoSdk.h"

#include <memory>

namespace
{

const wchar_t* const kDirectionEntry = L"NBDrapeSurface - Drape Direction";
const wchar_t* const kTypeEntry = L"NBDrapeSurface - Surface Type";

enum DrapeDirection
{
  Top,
  Bottom,
  Front,
  Back,
  Right,
  Left,
  Custom,
  DirectionCount
};
enum SurfaceType
{
  NurbsSurface,
  PolygonMesh,
  NurbCurves,
  Polylines,
  Lines,
  PointObjects,
  TypeCount
};

const wchar_t* const kDirectionNames[DirectionCount] = {L"Top",   L"Bottom", L"Front", L"Back",
                                                        L"Right", L"Left",   L"Custom"};
const wchar_t* const kTypeNames[TypeCount] = {L"NurbsSurface", L"PolygonMesh", L"NurbCurves",
                                              L"Polylines",    L"Lines",       L"Points"};
const ON_3dVector kDirections[Custom] = {{0, 0, -1}, {0, 0, 1}, {0, 1, 0}, {0, -1, 0}, {-1, 0, 0}, {1, 0, 0}};

} // namespace

// NBDrapeSurface: drapes a grid over the selected points along a direction and adds it as a
// NURBS surface, a mesh, curves, polylines, lines or points.
class CCommandNBDrapeSurface : public CRhinoCommand
{
public:
  CCommandNBDrapeSurface() : CRhinoCommand(0, 0, nullptr, 0) {}

  ON_UUID CommandUUID() override
  {
    // 7C2D4E61-3B9A-4F0E-8D15-62A7C3904B2E
    return {0x7C2D4E61, 0x3B9A, 0x4F0E, {0x8D, 0x15, 0x62, 0xA7, 0xC3, 0x90, 0x4B, 0x2E}};
  }
  const wchar_t* EnglishCommandName() override { return L"NBDrapeSurface"; }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    if (!CNubiloHostVersion::Check())
      return failure;
    CRhinoDoc& doc = context.m_doc;
    PointSelection::ListOption options[] = {{L"DrapeDirection", kDirectionNames, DirectionCount, kDirectionEntry},
                                            {L"SurfaceType", kTypeNames, TypeCount, kTypeEntry}};
    PointSelection::Recall(options, 2);
    CRhinoGetObject get;
    if (!PointSelection::Select(get, options, 2))
    {
      RhinoApp().Print("Failure [Command cancelled]\n");
      return cancel;
    }
    const int directionIndex = options[0].index, typeIndex = options[1].index;
    ON_3dVector direction;
    if (!DirectionOf(directionIndex, direction))
    {
      RhinoApp().Print("Failure [Drape direction not selected]\n");
      return failure;
    }
    PointSelection::Remember(options, 2);
    const ON_3dPointArray points = PointSelection::Points(get);

    ON_3dPointArray matrix;
    ON_NurbsSurface surface;
    int rows = 0, columns = 0;
    if (!VMSurface::DrapeSurface(matrix, rows, columns, surface, points, direction, 1, 1, nullptr))
      return Fail(VMSurface::GetError());
    const result added = AddOutput(doc, static_cast<SurfaceType>(typeIndex), rows, columns, matrix, surface);
    if (added == success)
      doc.Redraw();
    return added;
  }

private:
  static bool DirectionOf(int directionIndex, ON_3dVector& direction)
  {
    if (directionIndex != Custom)
    {
      direction = kDirections[directionIndex];
      return true;
    }
    CArgsRhinoGetLine args;
    args.SetFirstPointPrompt(L"Start point of drape direction");
    args.SetSecondPointPrompt(L"End point of drape direction");
    ON_Line line;
    if (RhinoGetLine(args, line) != CRhinoCommand::success)
      return false;
    direction = line.to - line.from;
    return true;
  }

  static result Fail(const ON_wString& error)
  {
    RhinoApp().Print(L"Failure [%s]\n", static_cast<const wchar_t*>(error));
    return failure;
  }

  template <class Item, class Make>
  static void AddAll(CRhinoDoc& doc, const ON_ClassArray<Item>& items, Make make)
  {
    for (int i = 0; i < items.Count(); i++)
      doc.AddObject(make(items[i]));
  }

  static result AddOutput(CRhinoDoc& doc, SurfaceType type, int rows, int columns, const ON_3dPointArray& matrix,
                          const ON_NurbsSurface& surface)
  {
    switch (type)
    {
    case NurbsSurface:
      // A grid of fewer than 3 rows or columns has no surface; say so rather than add nothing.
      if (!surface.IsValid())
        return Fail(VMSurface::GetError());
      doc.AddObject(std::make_unique<ON_NurbsSurface>(surface));
      RhinoApp().Print("Created a nurbs surface of %d rows and %d columns\n", surface.CVCount(0), surface.CVCount(1));
      return success;
    case PolygonMesh:
    {
      ON_Mesh mesh;
      if (!QORPoint::PointMatrixToMesh(rows, columns, matrix, mesh))
        return Fail(QORPoint::GetError());
      doc.AddObject(std::make_unique<ON_Mesh>(mesh));
      RhinoApp().Print("Created a polygon mesh of %d faces and %d vertices\n", mesh.FaceCount(), mesh.VertexCount());
      WarnAboutSinglePrecision(matrix);
      return success;
    }
    case NurbCurves:
    {
      ON_ClassArray<ON_NurbsCurve> horizontal, vertical;
      QORPoint::PointMatrixToNurbsCurves(rows, columns, matrix, horizontal, vertical);
      auto make = [](const ON_NurbsCurve& c) { return std::make_unique<ON_NurbsCurve>(c); };
      AddAll(doc, horizontal, make);
      AddAll(doc, vertical, make);
      RhinoApp().Print("Created %d horizontal and %d vertical nurbs curves\n", horizontal.Count(), vertical.Count());
      return success;
    }
    case Polylines:
    {
      ON_ClassArray<ON_Polyline> horizontal, vertical;
      QORPoint::PointMatrixToPolylines(rows, columns, matrix, horizontal, vertical);
      auto make = [](const ON_Polyline& p) { return std::make_unique<ON_PolylineCurve>(p); };
      AddAll(doc, horizontal, make);
      AddAll(doc, vertical, make);
      RhinoApp().Print("Created %d horizontal and %d vertical polylines\n", horizontal.Count(), vertical.Count());
      return success;
    }
    case Lines:
    {
      ON_ClassArray<ON_Line> horizontal, vertical;
      QORPoint::PointMatrixToLines(rows, columns, matrix, horizontal, vertical);
      auto make = [](const ON_Line& l) { return std::make_unique<ON_LineCurve>(l); };
      AddAll(doc, horizontal, make);
      AddAll(doc, vertical, make);
      RhinoApp().Print("Created %d horizontal and %d vertical lines\n", horizontal.Count(), vertical.Count());
      return success;
    }
    default:
      for (int i = 0; i < matrix.Count(); i++)
        doc.AddPointObject(matrix[i]);
      RhinoApp().Print("Created %d points\n", rows * columns);
      return success;
    }
  }

  static void WarnAboutSinglePrecision(const ON_3dPointArray& matrix)
  {
    if (const double rounding = MeshPrecision::NoticeableRounding(matrix))
      RhinoApp().Print(MeshPrecision::kWarning, rounding);
  }
};

static CCommandNBDrapeSurface theNBDrapeSurfaceCommand;
