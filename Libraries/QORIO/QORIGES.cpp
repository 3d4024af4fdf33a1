// QORIGES: IGES files into 3DM models.
#include "QORIGES.h"

#include "LastError.h"
#include "QORFileContent.h"
#include "QORIGESConverter.h"
#include "QORIGESFile.h"
#include "QORSafeFile.h"

ON_wString QORIGES::GetError() { return Platform::LastError<QORIGES, ON_wString>::Get(); }

void QORIGES::SetError(const ON_wString& text) { Platform::LastError<QORIGES, ON_wString>::Set(text); }

int QORIGES::IGESToModel(const ON_wString& path, ONX_Model& model)
{
  SetError(L"");
  QORFileContent content;
  if (!content.Load(path))
  {
    SetError(L"Error reading IGES file");
    return 0;
  }
  QORIGESFile file;
  std::string error;
  if (!file.Parse(content.Text(), error))
  {
    SetError(ON_wString(("Invalid IGES file: " + error).c_str()));
    return 0;
  }
  QORIGESConverter converter(file, model);
  if (!converter.Run(error))
  {
    model.Destroy();
    SetError(ON_wString(("IGES file has errors: " + error).c_str()));
    return 0;
  }
  model.Polish();
  return 1;
}

int QORIGES::IGESTo3DM(const ON_wString& igesPath, const ON_wString& dmPath, int version)
{
  ONX_Model model;
  if (!IGESToModel(igesPath, model))
    return 0;
  model.m_properties.m_Application.m_application_name = L"Nubilo";
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::write3dm);
  QORSafeFile file;
  const std::vector<unsigned char>& bytes = archive.Buffer();
  if (!model.Write(archive, version) || !file.Open(static_cast<const char*>(ON_String(dmPath))) ||
      !file.Write(bytes.data(), bytes.size()) || !file.Commit())
  {
    SetError(L"Unable to write 3DM file");
    return 0;
  }
  return 1;
}
