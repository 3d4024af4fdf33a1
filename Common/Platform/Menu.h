#pragma once

#include <string>
#include <vector>

namespace Platform
{

// A popup menu: a title and items, each with a command identifier, or separators.
class Menu
{
public:
  struct Item
  {
    std::string text; // empty for a separator
    unsigned int id = 0;
    bool IsSeparator() const { return text.empty(); }
  };

  explicit Menu(std::string title = {});

  const std::string& Title() const { return m_title; }
  void AddItem(const std::string& text, unsigned int id);
  void AddSeparator();
  const std::vector<Item>& Items() const { return m_items; }

private:
  std::string m_title;
  std::vector<Item> m_items;
};

} // namespace Platform
