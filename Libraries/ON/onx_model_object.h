#pragma once

#include "opennurbs_3dmobjectattributes.h"

class ON_Object;

// Object table record: an object and its attributes. A record made by the model owns its object.
class ON_CLASS ONX_Model_Object
{
public:
  ONX_Model_Object();
  ~ONX_Model_Object();
  // Copies duplicate an owned object, so every record owns what it deletes.
  ONX_Model_Object(const ONX_Model_Object& src);
  ONX_Model_Object& operator=(const ONX_Model_Object& src);

  // Deletes the object when owned and forgets it.
  void Destroy();

  bool m_bDeleteObject = false;
  const ON_Object* m_object = nullptr;
  ON_3dmObjectAttributes m_attributes;
};
