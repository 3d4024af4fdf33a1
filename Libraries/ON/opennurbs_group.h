#pragma once

#include "opennurbs_object.h"
#include "opennurbs_uuid.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Group table entry; object attributes list the indices of their groups.
class ON_CLASS ON_Group : public ON_Object
{
  ON_OBJECT_DECLARE(ON_Group);

public:
  ON_Group();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  bool SetGroupName(const wchar_t* name);
  const ON_wString& GroupName() const;
  void SetGroupIndex(int index);
  int GroupIndex() const;

  ON_wString m_group_name;
  int m_group_index = -1;
  ON_UUID m_group_id;
};
