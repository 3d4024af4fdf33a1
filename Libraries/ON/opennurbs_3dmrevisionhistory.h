#pragma once

#include <ctime>

#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Who created and last edited a model, and when (UTC).
class ON_CLASS ON_3dmRevisionHistory
{
public:
  ON_3dmRevisionHistory();

  void Default();
  // Sets the creator and both times to now, revision count 0.
  int NewRevision();
  bool CreateTimeIsSet() const;
  bool Write(ON_BinaryArchive& archive) const;
  bool Read(ON_BinaryArchive& archive);

  ON_wString m_sCreatedBy;
  ON_wString m_sLastEditedBy;
  struct tm m_create_time;
  struct tm m_last_edit_time;
  int m_revision_count = 0;
};
