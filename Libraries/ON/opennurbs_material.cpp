#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_Material, ON_Object, "60B5DBBC-E660-11D3-BFE4-0010830122F0")

ON_Material::ON_Material() { Default(); }

void ON_Material::Default()
{
  m_material_index = 0;
  m_material_id = ON_nil_uuid;
  m_plugin_id = ON_nil_uuid;
  m_material_name.Empty();
  m_ambient = ON_Color(0, 0, 0);
  m_diffuse = ON_Color(128, 128, 128);
  m_emission = ON_Color(0, 0, 0);
  m_specular = ON_Color(255, 255, 255);
  m_reflection = ON_Color(255, 255, 255);
  m_transparent = ON_Color(255, 255, 255);
  m_index_of_refraction = 1.0;
  m_shine = 0.0;
  m_transparency = 0.0;
  m_bitmap_filename.Empty();
  m_bitmap_mode = 0;
  m_bump_filename.Empty();
  m_bump_mode = 0;
  m_bump_scale = 1.0;
  m_emap_filename.Empty();
  m_emap_mode = 0;
}

bool ON_Material::IsValid(ON_TextLog*) const { return m_shine >= 0.0 && m_transparency >= 0.0; }
ON::object_type ON_Material::ObjectType() const { return ON::material_object; }

bool ON_Material::SetMaterialName(const wchar_t* name)
{
  m_material_name = name;
  return !m_material_name.IsEmpty();
}

const ON_wString& ON_Material::MaterialName() const { return m_material_name; }
int ON_Material::MaterialIndex() const { return m_material_index; }
void ON_Material::SetMaterialIndex(int index) { m_material_index = index; }
ON_Color ON_Material::Diffuse() const { return m_diffuse; }
void ON_Material::SetDiffuse(ON_Color color) { m_diffuse = color; }

namespace
{
bool WriteMap(ON_BinaryArchive& archive, const ON_wString& file, int mode)
{
  return archive.WriteString(file) && archive.WriteInt(mode) && archive.WriteInt(0);
}

bool ReadMap(ON_BinaryArchive& archive, ON_wString& file, int& mode)
{
  int reserved = 0;
  return archive.ReadString(file) && archive.ReadInt(&mode) && archive.ReadInt(&reserved);
}

// Fields kept in the layout for old readers: flags, a colour and a line style.
bool WriteObsoleteBlock(ON_BinaryArchive& archive)
{
  const unsigned char flags[4] = {1, 1, 0, 2};
  return archive.WriteByte(4, flags) && archive.WriteColor(ON_Color(0, 0, 0, 0)) && archive.WriteShort(0) &&
         archive.WriteShort(0) && archive.WriteDouble(0.0) && archive.WriteDouble(1.0);
}

bool SkipObsoleteBlock(ON_BinaryArchive& archive)
{
  unsigned char bytes[28];
  return archive.ReadByte(sizeof(bytes), bytes);
}

// Version 4 textures: a versioned anonymous chunk holding a count and one class chunk per texture.
// The version 2 and 3 layout has no room for them; they are noted as not read.
bool ReadVersion4Textures(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0, count = 0;
  if (!archive.BeginRead3dmChunk(ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK, &major, &minor))
    return false;
  const bool ok = major == 1 && archive.ReadInt(&count) && count >= 0;
  if (ok && count > 0)
    archive.NoteSkippedContent("version 4 material textures");
  return archive.EndRead3dmChunk() && ok;
}
} // namespace

bool ON_Material::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 1) && archive.WriteColor(m_ambient) && archive.WriteColor(m_diffuse) &&
         archive.WriteColor(m_emission) && archive.WriteColor(m_specular) && archive.WriteDouble(m_shine) &&
         archive.WriteDouble(m_transparency) && WriteObsoleteBlock(archive) &&
         WriteMap(archive, m_bitmap_filename, m_bitmap_mode) && WriteMap(archive, m_bump_filename, m_bump_mode) &&
         archive.WriteDouble(m_bump_scale) && WriteMap(archive, m_emap_filename, m_emap_mode) &&
         archive.WriteInt(m_material_index) && archive.WriteUuid(m_plugin_id) && archive.WriteString(ON_wString()) &&
         archive.WriteString(m_material_name) && archive.WriteUuid(m_material_id) && archive.WriteColor(m_reflection) &&
         archive.WriteColor(m_transparent) && archive.WriteDouble(m_index_of_refraction);
}

// Version 4 form: ver(2.0), then a versioned anonymous chunk (1.x) with the id, index, name, plug-in
// id, six colours, refraction, reflectivity, shine, transparency and the textures; later minors
// add fields this layout does not keep.
bool ON_Material::ReadVersion4(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  if (!archive.BeginRead3dmChunk(ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK, &major, &minor))
    return false;
  double reflectivity = 0.0;
  const bool ok = major == 1 && archive.ReadUuid(m_material_id) && archive.ReadInt(&m_material_index) &&
                  archive.ReadString(m_material_name) && archive.ReadUuid(m_plugin_id) &&
                  archive.ReadColor(m_ambient) && archive.ReadColor(m_diffuse) && archive.ReadColor(m_emission) &&
                  archive.ReadColor(m_specular) && archive.ReadColor(m_reflection) &&
                  archive.ReadColor(m_transparent) && archive.ReadDouble(&m_index_of_refraction) &&
                  archive.ReadDouble(&reflectivity) && archive.ReadDouble(&m_shine) &&
                  archive.ReadDouble(&m_transparency) && ReadVersion4Textures(archive);
  return archive.EndRead3dmChunk() && ok;
}

bool ON_Material::Read(ON_BinaryArchive& archive)
{
  Default();
  int major = 0, minor = 0;
  ON_wString library;
  if (!archive.Read3dmChunkVersion(&major, &minor))
    return false;
  if (major == 2)
    return ReadVersion4(archive);
  if (major != 1 || !archive.ReadColor(m_ambient) || !archive.ReadColor(m_diffuse) || !archive.ReadColor(m_emission) ||
      !archive.ReadColor(m_specular) || !archive.ReadDouble(&m_shine) || !archive.ReadDouble(&m_transparency) ||
      !SkipObsoleteBlock(archive) || !ReadMap(archive, m_bitmap_filename, m_bitmap_mode) ||
      !ReadMap(archive, m_bump_filename, m_bump_mode) || !archive.ReadDouble(&m_bump_scale) ||
      !ReadMap(archive, m_emap_filename, m_emap_mode) || !archive.ReadInt(&m_material_index) ||
      !archive.ReadUuid(m_plugin_id) || !archive.ReadString(library) || !archive.ReadString(m_material_name))
    return false;
  if (minor >= 1 && (!archive.ReadUuid(m_material_id) || !archive.ReadColor(m_reflection) ||
                     !archive.ReadColor(m_transparent) || !archive.ReadDouble(&m_index_of_refraction)))
    return false;
  return true;
}
