#include "MenuBar.h"

namespace Platform
{

void MenuBar::Insert(int position, Menu* popup)
{
  if (position < 0 || position > Count())
    position = Count();
  m_popups.insert(m_popups.begin() + position, popup);
}

Menu* MenuBar::GetSubMenu(int position) const
{
  return position >= 0 && position < Count() ? m_popups[position] : nullptr;
}

bool MenuBar::RemoveMenu(int position)
{
  if (!GetSubMenu(position))
    return false;
  m_popups.erase(m_popups.begin() + position);
  return true;
}

} // namespace Platform
