#pragma once

#include "CRhinoDoc.h"

#include <string>
#include <vector>

// Password-protected RP files into and out of the document. The password is the answer to the
// "RP Password" prompt: `Password=TEXT` on the command line, or typed without echo on a terminal.
class RPFileTransfer
{
public:
  // The file as one mesh. A `Password=` answer waiting on the command line is tried first, else
  // no password; a refused one is asked for again.
  static bool Read(CRhinoDoc& doc, const std::string& path, std::string& message);
  // The meshes among the objects, joined into one, under the password the prompt gives (empty:
  // none).
  static bool Write(const std::vector<const CRhinoObject*>& objects, const std::string& path, std::string& message);

private:
  static bool PasswordAnswerWaiting();
};
