#pragma once

#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// The program that wrote a model.
class ON_CLASS ON_3dmApplication
{
public:
  bool Write(ON_BinaryArchive& archive) const;
  bool Read(ON_BinaryArchive& archive);

  ON_wString m_application_name;
  ON_wString m_application_URL;
  ON_wString m_application_details;
};
