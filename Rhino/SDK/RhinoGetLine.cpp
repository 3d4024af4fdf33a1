#include "RhinoGetLine.h"

#include "CRhinoApp.h"

#include <cmath>
#include <cstdlib>

namespace
{

bool ParseCoordinate(const char*& p, double& value)
{
  char* end = nullptr;
  value = std::strtod(p, &end);
  if (end == p || !std::isfinite(value))
    return false;
  p = end;
  return true;
}

bool ParsePoint(const std::string& text, ON_3dPoint& point)
{
  const char* p = text.c_str();
  double xyz[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i)
  {
    if (!ParseCoordinate(p, xyz[i]))
      return false;
    if (*p == '\0')
    {
      if (i == 0)
        return false; // a single number is no point
      break;
    }
    if (*p++ != ',' || i == 2)
      return false;
  }
  point = ON_3dPoint(xyz[0], xyz[1], xyz[2]);
  return true;
}

bool GetPoint(const ON_wString& prompt, ON_3dPoint& point)
{
  std::string token;
  const std::string text = std::string(ON_String(prompt)) + " [x,y,z]";
  if (!RhinoApp().CommandStream().Next(text, token))
    return false;
  if (ParsePoint(token, point))
    return true;
  RhinoApp().PrintError("Not a point: %s (x,y,z expected)\n", token.c_str());
  return false;
}

} // namespace

CRhinoCommand::result RhinoGetLine(CArgsRhinoGetLine& args, ON_Line& line, CRhinoHistory*)
{
  ON_3dPoint from, to;
  if (!GetPoint(args.FirstPointPrompt(), from) || !GetPoint(args.SecondPointPrompt(), to))
    return CRhinoCommand::cancel;
  line.from = from;
  line.to = to;
  return CRhinoCommand::success;
}
