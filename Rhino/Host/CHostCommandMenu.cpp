#include "CHostCommand.h"

#include <cstdlib>

// Menu: shows the plug-in menus with their items numbered; the next answer picks an item.
class CHostCommandMenu : public CHostCommand
{
public:
  CHostCommandMenu()
      : CHostCommand(L"Menu", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x07}},
                     "Menu             the plug-in menus; pick an item by number")
  {
  }

  result RunCommand(const CRhinoCommandContext&) override
  {
    Platform::MenuBar* bar = RhinoApp().MenuBar();
    std::vector<std::pair<Platform::Menu*, unsigned int>> items;
    for (int position = 0; bar && bar->GetSubMenu(position); ++position)
    {
      Platform::Menu* popup = bar->GetSubMenu(position);
      RhinoApp().Print("%s\n", Plain(popup->Title()).c_str());
      for (const Platform::Menu::Item& item : popup->Items())
      {
        if (item.IsSeparator())
        {
          RhinoApp().Print("    ----\n");
          continue;
        }
        items.emplace_back(popup, item.id);
        RhinoApp().Print("  %zu  %s\n", items.size(), Plain(item.text).c_str());
      }
    }
    if (items.empty())
    {
      RhinoApp().Print("No menus\n");
      return nothing;
    }
    std::string token;
    if (!NextToken("Menu item number", token))
      return nothing;
    char* end = nullptr;
    const long pick = std::strtol(token.c_str(), &end, 10);
    if (*end != '\0' || pick < 1 || pick > static_cast<long>(items.size()))
    {
      RhinoApp().Print("No menu item %s\n", token.c_str());
      return cancel;
    }
    const auto& [popup, id] = items[pick - 1];
    CRhinoPlugIn* plugin = RhinoApp().MenuOwner(popup);
    if (!plugin)
      return nothing;
    plugin->OnPlugInMenuCommand(id);
    return RhinoApp().LastCommandResult();
  }

private:
  static std::string Plain(const std::string& text)
  {
    std::string plain;
    for (char c : text)
      if (c != '&')
        plain += c;
    return plain;
  }
};

static CHostCommandMenu theMenuCommand;
