#include "CRhinoApp.h"

#include "Interrupt.h"
#include "TextFormat.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <unordered_set>

namespace
{

// Wide printf formats follow the Windows convention (%s is a wide text); the C library wants %ls.
std::wstring WideFormatForLibrary(const wchar_t* format)
{
  std::wstring out;
  for (const wchar_t* p = format; *p; ++p)
  {
    out += *p;
    if (*p != L'%')
      continue;
    ++p;
    while (*p && std::wcschr(L"-+ #0123456789.*", *p))
      out += *p++;
    if (!*p)
      break;
    if (*p == L's')
      out += L'l';
    if (*p == L'S')
    {
      out += L's'; // %S: the narrow text
      continue;
    }
    out += *p;
  }
  return out;
}

// The system's failures, warnings and errors by their conventional openings.
bool IsDiagnostic(const std::string& text)
{
  for (const char* opening : {"Failure [", "Warning", "Error"})
    if (text.compare(0, std::strlen(opening), opening) == 0)
      return true;
  return false;
}

} // namespace

CRhinoApp& RhinoApp()
{
  static CRhinoApp app;
  return app;
}

CRhinoApp::CRhinoApp() = default;

void CRhinoApp::SetPrintSink(std::function<void(const std::string&)> sink) { m_sink = std::move(sink); }

void CRhinoApp::Emit(const std::string& text, bool diagnostic)
{
  const std::string location = diagnostic ? m_stream.Location() : "";
  const std::string line = location.empty() ? text : location + ": " + text;
  if (m_sink)
  {
    m_sink(line);
    return;
  }
  std::FILE* stream = diagnostic ? stderr : stdout;
  if (diagnostic)
    std::fflush(stdout); // keep both streams in order on a shared terminal
  std::fputs(line.c_str(), stream);
  std::fflush(stream);
}

void CRhinoApp::Print(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  const std::string text = Platform::TextFormat::FormatV(format, args);
  va_end(args);
  Emit(text, IsDiagnostic(text));
}

void CRhinoApp::PrintError(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  const std::string text = Platform::TextFormat::FormatV(format, args);
  va_end(args);
  Emit(text, true);
}

void CRhinoApp::Print(const wchar_t* format, ...)
{
  const std::wstring libraryFormat = WideFormatForLibrary(format);
  std::wstring text(256, L'\0');
  for (;;)
  {
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(text.data(), text.size(), libraryFormat.c_str(), args);
    va_end(args);
    if (n >= 0)
    {
      text.resize(n);
      break;
    }
    if (text.size() > (1u << 24))
      return;
    text.resize(text.size() * 2);
  }
  const std::string narrow = static_cast<const char*>(ON_String(text.c_str()));
  Emit(narrow, IsDiagnostic(narrow));
}

CRhinoCommand::result CRhinoApp::ExecuteCommand(const std::string& token)
{
  const size_t start = token.find_first_not_of("!_-");
  if (start == std::string::npos)
    return m_lastResult = CRhinoCommand::nothing;
  const std::string name = token.substr(start);
  CRhinoCommand* command = CRhinoCommand::Find(ON_wString(name.c_str()));
  if (!command)
  {
    PrintError("Unknown command: %s (Help lists the commands)\n", token.c_str());
    return m_lastResult = CRhinoCommand::unknown_command;
  }
  m_picked.clear();
  Platform::Interrupt::Clear();
  const DocumentMark before{m_doc.ObjectCount(), m_doc.RemovalCount(), m_doc.IsModified()};
  CRhinoCommandContext context(m_doc);
  CRhinoCommand::result result = command->RunCommand(context);
  UnselectPicked();
  if (Platform::Interrupt::Requested())
    result = Cancelled(result, before);
  return m_lastResult = result;
}

// An interrupted command is cancelled whatever it returned, and the objects it added are taken
// back out. A command that deleted or replaced objects has finished its change by then (the
// commands check the request before they touch the document): that change stays whole.
CRhinoCommand::result CRhinoApp::Cancelled(CRhinoCommand::result result, const DocumentMark& before)
{
  if (result == CRhinoCommand::exit_rhino || m_doc.RemovalCount() != before.removals)
    return result;
  if (m_doc.ObjectCount() > before.objects)
  {
    m_doc.DeleteObjectsFrom(before.objects + 1);
    m_doc.SetModified(before.modified);
  }
  if (result == CRhinoCommand::success || result == CRhinoCommand::nothing)
    Print("Failure [%s]\n", Platform::Interrupt::kCancelled);
  return CRhinoCommand::cancel;
}

// The command may have deleted some of the objects it picked: only those still in the document
// are unselected.
void CRhinoApp::UnselectPicked()
{
  if (!m_picked.empty())
  {
    const std::unordered_set<const CRhinoObject*> picked(m_picked.begin(), m_picked.end());
    for (const auto& object : m_doc.Objects())
      if (picked.count(object.get()))
        object->Select(false);
  }
  m_picked.clear();
}

BOOL CRhinoApp::RunScript(const wchar_t* script, int echo)
{
  const std::string line = static_cast<const char*>(ON_String(script));
  std::vector<std::string> tokens;
  std::string error;
  if (!CRhinoCommandStream::Tokenize(line, tokens, error))
  {
    PrintError("%s\n", error.c_str());
    return FALSE;
  }
  if (echo)
    Print("Command: %s\n", line.c_str());
  const size_t outside = m_stream.PendingCount();
  m_stream.Prepend(tokens);
  std::string token;
  while (m_stream.PendingCount() > outside && m_stream.Next("Command", token))
  {
    const CRhinoCommand::result result = ExecuteCommand(token);
    if (result != CRhinoCommand::success && result != CRhinoCommand::nothing)
      break;
  }
  while (m_stream.PendingCount() > outside)
    m_stream.Next("", token); // the rest of a failed script
  return TRUE;
}

void CRhinoApp::SetMenuOwner(const Platform::Menu* popup, CRhinoPlugIn* plugin) { m_menuOwners[popup] = plugin; }

CRhinoPlugIn* CRhinoApp::MenuOwner(const Platform::Menu* popup) const
{
  const auto it = m_menuOwners.find(popup);
  return it == m_menuOwners.end() ? nullptr : it->second;
}
