#pragma once

#include "opennurbs_3dmapplication.h"
#include "opennurbs_3dmnotes.h"
#include "opennurbs_3dmrevisionhistory.h"
#include "opennurbs_rawchunks.h"

class ON_BinaryArchive;

// Model properties: revision history, notes and the writing application; other records (the preview
// image) are kept as read and written back in the same version.
class ON_CLASS ON_3dmProperties
{
public:
  void Default();
  // The records of the properties table, without the table chunk and its version record.
  bool Write(ON_BinaryArchive& archive) const;
  // Reads records up to the end of the table.
  bool Read(ON_BinaryArchive& archive);

  ON_3dmRevisionHistory m_RevisionHistory;
  ON_3dmNotes m_Notes;
  ON_3dmApplication m_Application;
  ON_RawChunks m_unread_records;
};
