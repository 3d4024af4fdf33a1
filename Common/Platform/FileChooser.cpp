#include "FileChooser.h"

#include "Presenter.h"

namespace Platform {

bool FileChooser::ChooseOpenFile(HWND*, const std::string& filter, std::string& path) {
  const std::string description = filter.substr(0, filter.find('|'));
  std::string chosen;
  if (!Presenter::Current().AskText("Open " + description, chosen)) return false;
  path = chosen;
  return true;
}

}  // namespace Platform
