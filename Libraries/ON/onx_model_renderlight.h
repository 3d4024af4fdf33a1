#pragma once

#include "opennurbs_3dmobjectattributes.h"
#include "opennurbs_light.h"

// Light table record: a light and the attributes it was stored with.
class ON_CLASS ONX_Model_RenderLight
{
public:
  ON_Light m_light;
  ON_3dmObjectAttributes m_attributes;
};
