#pragma once

class CRhinoDoc;

// What a running command is given: the document it works on.
class CRhinoCommandContext
{
public:
  explicit CRhinoCommandContext(CRhinoDoc& doc) : m_doc(doc) {}
  CRhinoDoc& m_doc;
};
