#pragma once

#include "WindowHandle.h"

#include <string>

namespace Platform {

// Standard open-file dialog. The filter is in the "Description (*.ext)|*.ext||" form.
class FileChooser {
 public:
  // True with the chosen path when the user confirmed; false when cancelled.
  static bool ChooseOpenFile(HWND* owner, const std::string& filter, std::string& path);
};

}  // namespace Platform
