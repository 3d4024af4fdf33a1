#include "CRhinoGet.h"

#include "CRhinoApp.h"

#include <cstdlib>

void CRhinoGet::SetCommandPrompt(const wchar_t* prompt) { m_prompt = prompt; }

int CRhinoGet::AddCommandOptionList(const CRhinoCommandOptionName& name, int current,
                                    const ON_SimpleArray<const wchar_t*>& values) {
  CRhinoCommandOption option;
  option.m_option_index = static_cast<int>(m_options.size()) + 1;
  option.m_english_option_name = name.m_english;
  for (int i = 0; i < values.Count(); ++i) option.m_list_values.Append(ON_wString(values[i]));
  option.m_list_option_current = current >= 0 && current < values.Count() ? current : 0;
  m_options.push_back(option);
  return option.m_option_index;
}

void CRhinoGet::ClearCommandOptions() {
  m_options.clear();
  m_picked = -1;
}

const CRhinoCommandOption* CRhinoGet::Option() const {
  return m_picked >= 0 ? &m_options[m_picked] : nullptr;
}

std::string CRhinoGet::PromptText(const char* answers) const {
  std::string text = static_cast<const char*>(ON_String(m_prompt));
  if (!m_options.empty()) {
    text += " (";
    for (const CRhinoCommandOption& o : m_options) {
      const ON_wString& value = o.m_list_values[o.m_list_option_current];
      text += " " + std::string(ON_String(o.m_english_option_name)) + "=" +
              std::string(ON_String(value));
    }
    text += " )";
  }
  return text + " [" + answers + "]";
}

bool CRhinoGet::ApplyOption(const std::string& token) {
  const size_t eq = token.find('=');
  const ON_wString name(token.substr(0, eq).c_str());
  const ON_wString value(token.substr(eq + 1).c_str());
  for (size_t i = 0; i < m_options.size(); ++i) {
    CRhinoCommandOption& o = m_options[i];
    if (o.m_english_option_name.CompareNoCase(name) != 0) continue;
    for (int v = 0; v < o.m_list_values.Count(); ++v) {
      const bool byIndex = value == ON_wString(std::to_string(v).c_str());
      if (byIndex || o.m_list_values[v].CompareNoCase(value) == 0) {
        o.m_list_option_current = v;
        m_picked = static_cast<int>(i);
        return true;
      }
    }
    RhinoApp().Print("Unknown value for %s: %s\n", token.substr(0, eq).c_str(),
                     token.substr(eq + 1).c_str());
    return false;
  }
  RhinoApp().Print("Unknown option: %s\n", token.c_str());
  return false;
}
