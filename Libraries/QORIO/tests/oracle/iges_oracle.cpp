// Reads an IGES file with OpenCASCADE and prints where its edges lie, in metres, for the import
// tests: "time SECONDS" (read and transfer), "box XMIN YMIN ZMIN XMAX YMAX ZMAX", then per edge a
// line "edge" followed by sample points "x y z". Exits 1 when the file cannot be read.
#include <BRepAdaptor_Curve.hxx>
#include <BRepBndLib.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <IGESControl_Reader.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
  if (argc != 2)
  {
    std::fprintf(stderr, "usage: iges_oracle FILE.igs\n");
    return 2;
  }
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
  const auto start = std::chrono::steady_clock::now();
  IGESControl_Reader reader;
  Interface_Static::SetCVal("xstep.cascade.unit", "M");
  if (reader.ReadFile(argv[1]) != IFSelect_RetDone)
  {
    std::fprintf(stderr, "iges_oracle: cannot read %s\n", argv[1]);
    return 1;
  }
  reader.TransferRoots();
  const TopoDS_Shape shape = reader.OneShape();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("time %.6f\n", seconds);
  Bnd_Box box;
  BRepBndLib::AddOptimal(shape, box, false, false);
  if (!box.IsVoid())
  {
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    std::printf("box %.9g %.9g %.9g %.9g %.9g %.9g\n", x0, y0, z0, x1, y1, z1);
  }
  const int samples = 33;
  // Each edge once, however many faces share it.
  TopTools_IndexedMapOfShape edges;
  TopExp::MapShapes(shape, TopAbs_EDGE, edges);
  for (int e = 1; e <= edges.Extent(); e++)
  {
    const TopoDS_Edge& edge = TopoDS::Edge(edges(e));
    if (BRep_Tool::Degenerated(edge))
      continue;
    BRepAdaptor_Curve curve(edge);
    const double t0 = curve.FirstParameter(), t1 = curve.LastParameter();
    std::printf("edge\n");
    for (int i = 0; i < samples; i++)
    {
      const gp_Pnt p = curve.Value(t0 + (t1 - t0) * i / (samples - 1));
      std::printf("%.9g %.9g %.9g\n", p.X(), p.Y(), p.Z());
    }
  }
  return 0;
}
