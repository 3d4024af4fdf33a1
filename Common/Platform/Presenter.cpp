#include "Presenter.h"

#include "HeadlessPresenter.h"

#include <cstdio>

namespace Platform
{

namespace
{
Presenter* g_installed = nullptr;
}

void Presenter::ShowMessage(const std::string& text, const std::string& caption, MessageIcon)
{
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
}

Presenter& Presenter::Current()
{
  static HeadlessPresenter headless;
  return g_installed ? *g_installed : headless;
}

void Presenter::Install(Presenter* presenter) { g_installed = presenter; }

} // namespace Platform
