#pragma once

#include "Menu.h"

#include <vector>

namespace Platform
{

// The main window's menu bar: popups by position. Popups are not owned.
class MenuBar
{
public:
  void Insert(int position, Menu* popup);
  int Count() const { return static_cast<int>(m_popups.size()); }
  // The popup at the position, or null when there is none.
  Menu* GetSubMenu(int position) const;
  bool RemoveMenu(int position);
  void DrawMenuBar() {}

private:
  std::vector<Menu*> m_popups;
};

} // namespace Platform
