// Class chunks of ON_BinaryArchive: the class id, the class data and the end mark of one object.

#include "opennurbs.h"

namespace
{
// Version 2 readers know poly curves under the id Rhino 2 wrote them with.
const char* const kVersion2PolyCurveId = "EF638317-154B-11D4-8000-0010830122F0";

// Class ids of older toolkits whose data the current classes read unchanged.
struct LegacyClass
{
  const char* legacy_id;
  const char* class_name;
};

const LegacyClass kLegacyClasses[] = {
    {"76A709D5-1550-11D4-8000-0010830122F0", "ON_NurbsCurve"},   // old NURBS curve
    {"5EAF1119-0B51-11D4-BFFE-0010830122F0", "ON_NurbsCurve"},   // TL_NurbsCurve
    {"FA4FD4B5-1613-11D4-8000-0010830122F0", "ON_NurbsSurface"}, // old NURBS surface
    {"4760C817-0BE3-11D4-BFFE-0010830122F0", "ON_NurbsSurface"}, // TL_NurbsSurface
    {kVersion2PolyCurveId, "ON_PolyCurve"},                      // old poly curve
    {"F06FC243-A32A-4608-9DD8-A7D2C4CE2A36", "ON_Brep"},         // TL_Brep
    {"0705FDEF-3E2A-11D4-800E-0010830122F0", "ON_Brep"},         // old trimmed surface
    {"2D4CFEDB-3E2A-11D4-800E-0010830122F0", "ON_Brep"},         // old b-rep
};

const ON_ClassId* ClassForId(const ON_UUID& id)
{
  if (const ON_ClassId* class_id = ON_ClassId::ClassId(id))
    return class_id;
  for (const LegacyClass& legacy : kLegacyClasses)
    if (ON_UuidFromString(legacy.legacy_id) == id)
      return ON_ClassId::ClassId(legacy.class_name);
  return nullptr;
}

ON_UUID StoredClassId(const ON_Object& object, const ON_ClassId& class_id, int archive_version)
{
  if (archive_version == 2 && ON_PolyCurve::Cast(&object))
    return ON_UuidFromString(kVersion2PolyCurveId);
  return class_id.Uuid();
}
} // namespace

const ON_UUID& ON_BinaryArchive::LastSkippedClassId() const { return m_skipped_class_id; }

bool ON_BinaryArchive::WriteObjectData(const ON_Object& object, const ON_UUID& class_id)
{
  bool ok = BeginWrite3dmChunk(TCODE_OPENNURBS_CLASS_UUID, 0) && WriteUuid(class_id) && EndWrite3dmChunk();
  ok = ok && BeginWrite3dmChunk(TCODE_OPENNURBS_CLASS_DATA, 0);
  ok = ok && object.Write(*this);
  ok = EndWrite3dmChunk() && ok;
  return ok && object.m_unread_user_data.Write(*this);
}

bool ON_BinaryArchive::WriteObject(const ON_Object& object)
{
  const ON_ClassId* class_id = object.ClassId();
  if (!class_id || !BeginWrite3dmChunk(TCODE_OPENNURBS_CLASS, 0))
    return false;
  bool ok = WriteObjectData(object, StoredClassId(object, *class_id, m_3dm_version));
  ok = ok && BeginWrite3dmChunk(TCODE_OPENNURBS_CLASS_END, 0) && EndWrite3dmChunk();
  return EndWrite3dmChunk() && ok;
}

void ON_BinaryArchive::NoteSkippedContent(const char* what)
{
  for (auto& [kind, count] : m_skipped_content)
    if (kind == what)
    {
      ++count;
      return;
    }
  m_skipped_content.emplace_back(what, 1);
}

void ON_BinaryArchive::KeepUserData(ON_Object& object)
{
  while (BytesLeftInChunk() > 0)
  {
    const size_t begin = CurrentPosition();
    unsigned int tc = 0;
    ON__INT64 length = 0;
    if (!BeginRead3dmChunk(&tc, &length))
      return;
    if (!EndRead3dmChunk() || tc == TCODE_OPENNURBS_CLASS_END)
      return;
    if (tc == TCODE_OPENNURBS_CLASS_USERDATA)
      object.m_unread_user_data.Keep(*this, begin);
  }
}

int ON_BinaryArchive::ReadObject(ON_Object** object)
{
  *object = nullptr;
  m_skipped_class_id = ON_nil_uuid;
  unsigned int tc = 0;
  ON__INT64 length = 0;
  if (!BeginRead3dmChunk(&tc, &length))
    return 0;
  if (tc != TCODE_OPENNURBS_CLASS)
  {
    EndRead3dmChunk();
    ++m_critical_error_count;
    return 0;
  }
  ON_UUID id = ON_nil_uuid;
  bool ok = BeginRead3dmChunk(&tc, &length) && tc == TCODE_OPENNURBS_CLASS_UUID && ReadUuid(id);
  ok = EndRead3dmChunk() && ok;
  const ON_ClassId* class_id = ok ? ClassForId(id) : nullptr;
  ON_Object* created = class_id ? class_id->Create() : nullptr;
  if (ok && created)
  {
    // Data that does not parse drops the object; the enclosing chunks keep the stream in step.
    const bool framed = BeginRead3dmChunk(&tc, &length);
    const bool parsed = framed && tc == TCODE_OPENNURBS_CLASS_DATA && created->Read(*this);
    ok = framed && EndRead3dmChunk();
    if (!parsed)
    {
      delete created;
      created = nullptr;
    }
  }
  // The user data of an object that was read is kept; anything newer up to the class end is skipped
  // with the chunk.
  if (ok && created)
    KeepUserData(*created);
  ok = EndRead3dmChunk() && ok;
  if (!ok)
  {
    delete created;
    return 0;
  }
  if (!created)
  {
    m_skipped_class_id = id;
    return 3;
  }
  *object = created;
  return 1;
}
