// QORRP: RP files through the Prismal converter and a temporary binary STL file.
#include "QORRP.h"

#include "DynamicLibrary.h"
#include "QORGUIUtils.h"
#include "QORMesh.h"
#include "QORSTL.h"
#include "TempFolder.h"
#include "LastError.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace
{

// An object of this library: the converter is looked for in the folder the library was loaded from.
const char kModuleAnchor = 0;

using IsPasswordValidFunction = int (*)(const char* rpPath, const char* password);
using ConvertFileFunction = int (*)(const char* source, const char* destination, const char* sourcePassword,
                                    const char* destinationPassword, char* errorText, int errorTextSize);

// The size of the converter's message buffer, passed along with it.
constexpr int kErrorTextSize = 1024;

std::string Utf8(const ON_wString& text) { return static_cast<const char*>(ON_String(text)); }

// A failure that is not about a file: errno cleared, so that no file error is blamed.
int Fail(const wchar_t* text)
{
  QORRP::SetError(text);
  errno = 0;
  return 0;
}

// A regular file that can be opened for reading; otherwise false with errno telling why.
bool Readable(const std::string& path)
{
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  struct stat info;
  const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  const int error = regular ? 0 : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
  close(fd);
  errno = error;
  return regular;
}

// The converter library, loaded for one operation and released at its end.
class Converter
{
public:
  // `anchor`: an address inside this library, whose folder holds the converter.
  bool Load(const void* anchor, std::string& error)
  {
    const std::string folder = Platform::DynamicLibrary::FolderOf(anchor);
    m_path = (folder.empty() ? std::string(".") : folder) + "/" + QORRP::ConverterFile;
    if (m_library.Load(m_path))
      return true;
    error = std::string("Error loading ") + QORRP::ConverterFile + " (" + m_library.Error() + ")";
    return false;
  }

  template <typename Function>
  bool Locate(const char* name, Function& function, std::string& error)
  {
    function = reinterpret_cast<Function>(m_library.Symbol(name));
    if (function)
      return true;
    error = std::string("Error locating function ") + name + "() in " + QORRP::ConverterFile;
    return false;
  }

private:
  Platform::DynamicLibrary m_library;
  std::string m_path;
};

// A file of the user's own in the temporary folder (mode 0600, a name no other run gets), removed
// when it goes out of scope, whatever happened meanwhile.
class TemporaryFile
{
public:
  TemporaryFile() = default;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile()
  {
    if (m_path.empty())
      return;
    const int error = errno;
    unlink(m_path.c_str());
    errno = error;
  }

  bool Create()
  {
    std::string path = Platform::TempFolder::Path() + "/QORRP-XXXXXX.stl"; // the converter goes by extension
    const int fd = mkostemps(path.data(), 4, O_CLOEXEC);
    if (fd < 0)
      return false;
    m_path = path;
    const bool ok = fchmod(fd, 0600) == 0;
    const int error = errno;
    close(fd);
    errno = error;
    return ok;
  }

  const std::string& Path() const { return m_path; }
  ON_wString WidePath() const { return ON_wString(m_path.c_str()); }

private:
  std::string m_path;
};

int FailToCreateTemporaryFile()
{
  const int error = errno;
  QORRP::SetError(ON_wString(("Unable to create a temporary file in " + Platform::TempFolder::Path()).c_str()));
  errno = error;
  return 0;
}

int FailToConvert(const char* message)
{
  const int error = errno;
  QORRP::SetError(*message ? ON_wString(message) : ON_wString(L"The RP converter failed"));
  errno = error;
  return 0;
}

} // namespace

ON_wString QORRP::GetError() { return Platform::LastError<QORRP, ON_wString>::Get(); }

void QORRP::SetError(const ON_wString& text) { Platform::LastError<QORRP, ON_wString>::Set(text); }

int QORRP::RPToMesh(const ON_wString& rpPath, ON_Mesh& mesh, const ON_wString& password, int ask, HWND* owner)
{
  try
  {
    return ReadMesh(rpPath, mesh, password, ask, owner);
  }
  catch (const std::bad_alloc&)
  {
    return Fail(L"Out of memory");
  }
  catch (...)
  {
    return Fail(L"Unable to read RP file");
  }
}

int QORRP::RPToMesh(const ON_wString& rpPath, ON_ClassArray<ON_Mesh>& meshes, const ON_wString& password, int ask,
                    HWND* owner)
{
  try
  {
    ON_Mesh mesh;
    if (!ReadMesh(rpPath, mesh, password, ask, owner))
      return 0;
    if (!QORMesh::ExtractShells(mesh, meshes)) // the list is untouched on failure
    {
      SetError(QORMesh::GetError());
      return 0;
    }
    return 1;
  }
  catch (const std::bad_alloc&)
  {
    return Fail(L"Out of memory");
  }
  catch (...)
  {
    return Fail(L"Unable to read RP file");
  }
}

int QORRP::MeshToRP(const ON_Mesh& mesh, const ON_wString& rpPath, const ON_wString& password)
{
  try
  {
    return WriteMesh(mesh, rpPath, password);
  }
  catch (const std::bad_alloc&)
  {
    return Fail(L"Out of memory");
  }
  catch (...)
  {
    return Fail(L"Unable to write to RP file");
  }
}

int QORRP::MeshToRP(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& rpPath, const ON_wString& password)
{
  if (meshes.Count() == 1)
    return MeshToRP(meshes[0], rpPath, password);
  try
  {
    ON_Mesh joined;
    for (int i = 0; i < meshes.Count(); i++)
      joined.Append(meshes[i]);
    return WriteMesh(joined, rpPath, password);
  }
  catch (const std::bad_alloc&)
  {
    return Fail(L"Out of memory");
  }
  catch (...)
  {
    return Fail(L"Unable to write to RP file");
  }
}

int QORRP::ReadMesh(const ON_wString& rpPath, ON_Mesh& mesh, const ON_wString& password, int ask, HWND* owner)
{
  const std::string path = Utf8(rpPath);
  if (!Readable(path))
  {
    const int error = errno;
    SetError(L"Unable to read RP file");
    errno = error;
    return 0;
  }
  Converter converter;
  IsPasswordValidFunction isPasswordValid = nullptr;
  ConvertFileFunction convertFile = nullptr;
  std::string error;
  if (!converter.Load(&kModuleAnchor, error) || !converter.Locate("IsPasswordValid", isPasswordValid, error) ||
      !converter.Locate("ConvertFile", convertFile, error))
  {
    SetError(ON_wString(error.c_str()));
    errno = 0;
    return 0;
  }

  std::string secret = Utf8(password);
  for (int prompts = 0; !isPasswordValid(path.c_str(), secret.c_str()); prompts++)
  {
    if (!ask || prompts == MaximumPrompts)
      return Fail(L"Invalid password");
    std::string typed;
    if (!QORGUIUtils::Password("RP Password", ("Password for " + path).c_str(), typed, owner))
      return Fail(L"Operation cancelled");
    secret = std::move(typed);
  }

  TemporaryFile stl;
  if (!stl.Create())
    return FailToCreateTemporaryFile();
  char message[kErrorTextSize] = "";
  if (!convertFile(path.c_str(), stl.Path().c_str(), secret.c_str(), "", message, kErrorTextSize))
    return FailToConvert(message);
  if (!QORSTL::STLToMesh(stl.WidePath(), mesh)) // the mesh is untouched on failure
  {
    SetError(QORSTL::GetError());
    return 0;
  }
  return 1;
}

// The converter is loaded before the mesh is written out, so that without it no unprotected
// copy is made.
int QORRP::WriteMesh(const ON_Mesh& mesh, const ON_wString& rpPath, const ON_wString& password)
{
  Converter converter;
  ConvertFileFunction convertFile = nullptr;
  std::string error;
  if (!converter.Load(&kModuleAnchor, error) || !converter.Locate("ConvertFile", convertFile, error))
  {
    SetError(ON_wString(error.c_str()));
    errno = 0;
    return 0;
  }
  TemporaryFile stl;
  if (!stl.Create())
    return FailToCreateTemporaryFile();
  if (!QORSTL::MeshToSTL(mesh, stl.WidePath(), 1))
  {
    SetError(QORSTL::GetError());
    return 0;
  }
  char message[kErrorTextSize] = "";
  if (!convertFile(stl.Path().c_str(), Utf8(rpPath).c_str(), "", Utf8(password).c_str(), message, kErrorTextSize))
    return FailToConvert(message);
  return 1;
}
