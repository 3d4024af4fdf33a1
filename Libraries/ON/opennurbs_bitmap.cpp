#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_Bitmap, ON_Object, "390465E9-3721-11D4-800B-0010830122F0")

ON_Bitmap::ON_Bitmap() : m_bitmap_id(ON_nil_uuid) {}

bool ON_Bitmap::IsValid(ON_TextLog*) const { return !m_bitmap_filename.IsEmpty(); }
