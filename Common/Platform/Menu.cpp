#include "Menu.h"

namespace Platform
{

Menu::Menu(std::string title) : m_title(std::move(title)) {}

void Menu::AddItem(const std::string& text, unsigned int id) { m_items.push_back({text, id}); }

void Menu::AddSeparator() { m_items.push_back({}); }

} // namespace Platform
