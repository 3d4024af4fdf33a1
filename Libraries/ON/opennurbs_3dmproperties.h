#pragma once

#include "opennurbs_3dmapplication.h"
#include "opennurbs_3dmnotes.h"
#include "opennurbs_3dmrevisionhistory.h"

class ON_BinaryArchive;

// Model properties: revision history, notes and the writing application.
class ON_CLASS ON_3dmProperties
{
public:
  void Default();
  // The records of the properties table, without the table chunk and its version record.
  bool Write(ON_BinaryArchive& archive) const;
  // Reads records up to the end of the table; unknown records are skipped.
  bool Read(ON_BinaryArchive& archive);

  ON_3dmRevisionHistory m_RevisionHistory;
  ON_3dmNotes m_Notes;
  ON_3dmApplication m_Application;
};
