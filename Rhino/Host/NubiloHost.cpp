#include "NubiloHost.h"

#include "DocumentFile.h"
#include "HostPresenter.h"
#include "Interrupt.h"
#include "InterruptHandler.h"
#include "ProgressWindow.h"
#include "rhinoSdk.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace
{

std::string ScriptName(const std::string& path) { return path == "-" ? "stdin" : path; }

bool Succeeded(CRhinoCommand::result result)
{
  return result == CRhinoCommand::success || result == CRhinoCommand::nothing;
}

// The script's tokens go into the command stream with their line numbers; "-" is standard input.
bool ReadScript(const std::string& path, CRhinoCommandStream& stream, std::string& error)
{
  std::ifstream file;
  if (path != "-")
    file.open(path);
  std::istream& in = path == "-" ? std::cin : file;
  if (!in)
  {
    error = "Unable to read script " + path;
    return false;
  }
  std::string line;
  int number = 0;
  while (std::getline(in, line))
  {
    ++number;
    std::vector<std::string> tokens;
    if (!CRhinoCommandStream::Tokenize(line, tokens, error))
    {
      error = ScriptName(path) + ":" + std::to_string(number) + ": " + error;
      return false;
    }
    stream.Append(tokens, number);
  }
  if (in.bad())
  {
    error = "Unable to read script " + path;
    return false;
  }
  stream.SetScriptName(ScriptName(path));
  return true;
}

// --doc: the document file is read at start when it exists and saved at exit when changed.
bool OpenDocument(const std::string& path)
{
  DocumentFile& file = DocumentFile::Current();
  file.SetPath(path);
  if (access(path.c_str(), F_OK) != 0)
    return true;
  CRhinoDoc& doc = *RhinoApp().ActiveDoc();
  std::string message;
  if (!file.Import(doc, path, message))
  {
    std::fprintf(stderr, "nubilo: --doc %s: %s\n", path.c_str(), message.c_str());
    return false;
  }
  doc.SetModified(false);
  return true;
}

int SaveDocument(int status)
{
  DocumentFile& file = DocumentFile::Current();
  CRhinoDoc& doc = *RhinoApp().ActiveDoc();
  if (file.Path().empty() || !doc.IsModified())
    return status;
  std::string message;
  if (!file.Save(doc, file.Path(), file.Version(), message))
  {
    std::fprintf(stderr, "nubilo: --doc %s: %s\n", file.Path().c_str(), message.c_str());
    return NubiloHost::kCommandFailed;
  }
  return status;
}

} // namespace

NubiloHost::NubiloHost() = default;

NubiloHost::~NubiloHost()
{
  UnloadPlugIn();
  Platform::Presenter::Install(nullptr);
}

std::string NubiloHost::ModuleFolder()
{
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0)
    return ".";
  path[n] = '\0';
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('/'));
}

// Beside the program in a build tree, in lib/nubilo/ of an installed tree.
std::string NubiloHost::PlugInPath()
{
  const std::string beside = ModuleFolder() + "/Nubilo.so";
  const std::string installed = ModuleFolder() + "/../lib/nubilo/Nubilo.so";
  return access(beside.c_str(), F_OK) != 0 && access(installed.c_str(), F_OK) == 0 ? installed : beside;
}

int NubiloHost::Run(int argc, char** argv)
{
  HostOptions options;
  std::string error;
  if (!options.Parse(argc, argv, error))
  {
    std::fprintf(stderr, "nubilo: %s\n\n%s", error.c_str(), HostOptions::Usage().c_str());
    return kBadUsage;
  }
  switch (options.mode)
  {
  case HostOptions::Mode::Help:
    std::printf("nubilo: surfaces and meshes from surveyed or digitised points\n\n%s", HostOptions::Usage().c_str());
    return kSuccess;
  case HostOptions::Mode::Version:
    std::printf("nubilo 1.0 (Nubilo 4.0 version 1.0)\n");
    return kSuccess;
  default:
    return Start(options);
  }
}

int NubiloHost::Start(HostOptions options)
{
  CRhinoApp& app = RhinoApp();
  CRhinoCommandStream& stream = app.CommandStream();
  std::string error;
  if (options.mode == HostOptions::Mode::Interactive && !isatty(STDIN_FILENO))
  {
    options.mode = HostOptions::Mode::Script; // piped input is a script
    options.scriptFile = "-";
  }
  if (options.mode == HostOptions::Mode::Script)
  {
    if (!ReadScript(options.scriptFile, stream, error))
    {
      std::fprintf(stderr, "nubilo: %s\n", error.c_str());
      return kBadUsage;
    }
  }
  else if (options.mode == HostOptions::Mode::Commands)
  {
    std::vector<std::string> tokens;
    if (!CRhinoCommandStream::Tokenize(options.commands, tokens, error))
    {
      std::fprintf(stderr, "nubilo: %s\n", error.c_str());
      return kBadUsage;
    }
    stream.Append(tokens);
  }
  if (!options.docFile.empty() && !OpenDocument(options.docFile))
    return kCommandFailed;
  Platform::ProgressWindow::SetQuiet(options.quiet);
  if (!app.ProfileContext().SetFile(options.profileFile))
    std::fprintf(stderr, "nubilo: cannot read the settings profile %s; using defaults\n", options.profileFile.c_str());

  const bool interactive = options.mode == HostOptions::Mode::Interactive;
  Platform::TerminalPresenter::LineReader reader;
  if (interactive)
  {
    reader = [this](const std::string& prompt, std::string& line) { return m_editor.ReadLine(prompt, line); };
    stream.SetLineReader(reader);
  }
  m_presenter = std::make_unique<HostPresenter>(stream, reader);
  Platform::Presenter::Install(m_presenter.get());

  m_quiet = options.quiet;
  if (!LoadPlugIn(error))
  {
    std::fprintf(stderr, "nubilo: %s\n", error.c_str());
    return kCommandFailed;
  }
  InterruptHandler::Install(!interactive);
  const int status = interactive ? RunInteractive() : RunTokens();
  if (InterruptHandler::RunInterrupted())
    return InterruptHandler::kExitStatus;
  return SaveDocument(status);
}

// --quiet also keeps the plug-in's load and unload lines off the command line.
bool NubiloHost::LoadPlugIn(std::string& error)
{
  if (m_quiet)
    RhinoApp().SetPrintSink([](const std::string&) {});
  const bool loaded = m_plugin.Load(PlugInPath(), error);
  RhinoApp().SetPrintSink(nullptr);
  return loaded;
}

void NubiloHost::UnloadPlugIn()
{
  if (m_quiet)
    RhinoApp().SetPrintSink([](const std::string&) {});
  m_plugin.Unload();
  RhinoApp().SetPrintSink(nullptr);
}

int NubiloHost::RunTokens()
{
  CRhinoApp& app = RhinoApp();
  std::string token;
  while (app.CommandStream().Next("Command", token))
  {
    const CRhinoCommand::result result = app.ExecuteCommand(token);
    if (result == CRhinoCommand::exit_rhino)
      break;
    if (!Succeeded(result))
      return kCommandFailed;
  }
  return kSuccess;
}

int NubiloHost::RunInteractive()
{
  CRhinoApp& app = RhinoApp();
  CRhinoCommandStream& stream = app.CommandStream();
  std::string line, token, error;
  for (;;)
  {
    if (!stream.HasPending())
    {
      if (!m_editor.ReadLine("Command", line))
        break;
      std::vector<std::string> tokens;
      if (!CRhinoCommandStream::Tokenize(line, tokens, error))
      {
        std::fprintf(stderr, "%s\n", error.c_str());
        continue;
      }
      stream.Append(tokens);
      continue;
    }
    stream.Next("Command", token);
    if (app.ExecuteCommand(token) == CRhinoCommand::exit_rhino)
      break;
    if (Platform::Interrupt::Requested())
      stream.Clear(); // the rest of the line is cancelled too
  }
  return kSuccess;
}
