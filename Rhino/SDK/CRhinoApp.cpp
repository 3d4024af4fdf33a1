#include "CRhinoApp.h"

#include "TextFormat.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <unordered_set>

namespace {

// Wide printf formats follow the Windows convention (%s is a wide text); the C library wants %ls.
std::wstring WideFormatForLibrary(const wchar_t* format) {
  std::wstring out;
  for (const wchar_t* p = format; *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    ++p;
    while (*p && std::wcschr(L"-+ #0123456789.*", *p)) out += *p++;
    if (!*p) break;
    if (*p == L's') out += L'l';
    if (*p == L'S') {
      out += L's';  // %S: the narrow text
      continue;
    }
    out += *p;
  }
  return out;
}

}  // namespace

CRhinoApp& RhinoApp() {
  static CRhinoApp app;
  return app;
}

CRhinoApp::CRhinoApp() = default;

void CRhinoApp::SetPrintSink(std::function<void(const std::string&)> sink) {
  m_sink = std::move(sink);
}

void CRhinoApp::Emit(const std::string& text) {
  if (m_sink) {
    m_sink(text);
    return;
  }
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
}

void CRhinoApp::Print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = Platform::TextFormat::FormatV(format, args);
  va_end(args);
  Emit(text);
}

void CRhinoApp::Print(const wchar_t* format, ...) {
  const std::wstring libraryFormat = WideFormatForLibrary(format);
  std::wstring text(256, L'\0');
  for (;;) {
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(text.data(), text.size(), libraryFormat.c_str(), args);
    va_end(args);
    if (n >= 0) {
      text.resize(n);
      break;
    }
    if (text.size() > (1u << 24)) return;
    text.resize(text.size() * 2);
  }
  Emit(static_cast<const char*>(ON_String(text.c_str())));
}

CRhinoCommand::result CRhinoApp::ExecuteCommand(const std::string& token) {
  const size_t start = token.find_first_not_of("!_-");
  if (start == std::string::npos) return m_lastResult = CRhinoCommand::nothing;
  const std::string name = token.substr(start);
  CRhinoCommand* command = CRhinoCommand::Find(ON_wString(name.c_str()));
  if (!command) {
    Print("Unknown command: %s\n", token.c_str());
    return m_lastResult = CRhinoCommand::unknown_command;
  }
  m_picked.clear();
  CRhinoCommandContext context(m_doc);
  CRhinoCommand::result result = command->RunCommand(context);
  UnselectPicked();
  return m_lastResult = result;
}

// The command may have deleted some of the objects it picked: only those still in the document
// are unselected.
void CRhinoApp::UnselectPicked() {
  if (!m_picked.empty()) {
    const std::unordered_set<const CRhinoObject*> picked(m_picked.begin(), m_picked.end());
    for (const auto& object : m_doc.Objects())
      if (picked.count(object.get())) object->Select(false);
  }
  m_picked.clear();
}

BOOL CRhinoApp::RunScript(const wchar_t* script, int echo) {
  const std::string line = static_cast<const char*>(ON_String(script));
  std::vector<std::string> tokens;
  std::string error;
  if (!CRhinoCommandStream::Tokenize(line, tokens, error)) {
    Print("%s\n", error.c_str());
    return FALSE;
  }
  if (echo) Print("Command: %s\n", line.c_str());
  const size_t outside = m_stream.PendingCount();
  m_stream.Prepend(tokens);
  std::string token;
  while (m_stream.PendingCount() > outside && m_stream.Next("Command", token)) {
    const CRhinoCommand::result result = ExecuteCommand(token);
    if (result != CRhinoCommand::success && result != CRhinoCommand::nothing) break;
  }
  while (m_stream.PendingCount() > outside) m_stream.Next("", token);  // the rest of a failed script
  return TRUE;
}

void CRhinoApp::SetMenuOwner(const Platform::Menu* popup, CRhinoPlugIn* plugin) {
  m_menuOwners[popup] = plugin;
}

CRhinoPlugIn* CRhinoApp::MenuOwner(const Platform::Menu* popup) const {
  const auto it = m_menuOwners.find(popup);
  return it == m_menuOwners.end() ? nullptr : it->second;
}
