#include "CRhinoGet.h"

#include "CRhinoApp.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

void CRhinoGet::SetCommandPrompt(const wchar_t* prompt) { m_prompt = prompt; }

int CRhinoGet::AddCommandOptionList(const CRhinoCommandOptionName& name, int current,
                                    const ON_SimpleArray<const wchar_t*>& values)
{
  CRhinoCommandOption option;
  option.m_option_index = static_cast<int>(m_options.size()) + 1;
  option.m_english_option_name = name.m_english;
  for (int i = 0; i < values.Count(); ++i)
    option.m_list_values.Append(ON_wString(values[i]));
  option.m_list_option_current = current >= 0 && current < values.Count() ? current : 0;
  m_options.push_back(option);
  return option.m_option_index;
}

int CRhinoGet::AddCommandOptionInteger(const CRhinoCommandOptionName& name, int* value, const wchar_t* /*prompt*/,
                                       double lower_limit, double upper_limit)
{
  if (!value)
    return 0;
  CRhinoCommandOption option;
  option.m_option_index = static_cast<int>(m_options.size()) + 1;
  option.m_english_option_name = name.m_english;
  option.m_integer_option_value_ptr = value;
  option.m_number_lower_limit = lower_limit;
  option.m_number_upper_limit = upper_limit;
  m_options.push_back(option);
  return option.m_option_index;
}

void CRhinoGet::ClearCommandOptions()
{
  m_options.clear();
  m_picked = -1;
}

const CRhinoCommandOption* CRhinoGet::Option() const { return m_picked >= 0 ? &m_options[m_picked] : nullptr; }

std::string CRhinoGet::PromptText(const char* answers) const
{
  std::string text = static_cast<const char*>(ON_String(m_prompt));
  if (!m_options.empty())
  {
    text += " (";
    for (const CRhinoCommandOption& o : m_options)
    {
      const std::string value = o.m_integer_option_value_ptr
                                    ? std::to_string(*o.m_integer_option_value_ptr)
                                    : std::string(ON_String(o.m_list_values[o.m_list_option_current]));
      text += " " + std::string(ON_String(o.m_english_option_name)) + "=" + value;
    }
    text += " )";
  }
  return text + " [" + answers + "]";
}

namespace
{

std::string Utf8(const ON_wString& text) { return static_cast<const char*>(ON_String(text)); }

std::string Limit(double limit) { return std::to_string(static_cast<long long>(std::ceil(limit))); }

std::string Values(const CRhinoCommandOption& option)
{
  if (option.m_integer_option_value_ptr)
  {
    const bool lower = option.m_number_lower_limit != ON_UNSET_VALUE;
    const bool upper = option.m_number_upper_limit != ON_UNSET_VALUE;
    if (lower && upper)
      return "a whole number from " + Limit(option.m_number_lower_limit) + " to " +
             std::to_string(static_cast<long long>(std::floor(option.m_number_upper_limit)));
    if (lower)
      return "a whole number from " + Limit(option.m_number_lower_limit);
    if (upper)
      return "a whole number up to " + std::to_string(static_cast<long long>(std::floor(option.m_number_upper_limit)));
    return "a whole number";
  }
  std::string list;
  for (int v = 0; v < option.m_list_values.Count(); ++v)
    list += (v ? ", " : "") + Utf8(option.m_list_values[v]);
  return list;
}

} // namespace

const CRhinoCommandOption* CRhinoGet::FindOption(const std::string& name) const
{
  for (const CRhinoCommandOption& o : m_options)
    if (o.m_english_option_name.CompareNoCase(ON_wString(name.c_str())) == 0)
      return &o;
  return nullptr;
}

std::string CRhinoGet::OptionNames() const
{
  std::string names;
  for (const CRhinoCommandOption& o : m_options)
    names += (names.empty() ? "" : ", ") + Utf8(o.m_english_option_name);
  return names.empty() ? "none" : names;
}

bool CRhinoGet::ListOptionValues(const std::string& token) const
{
  const size_t eq = token.find('=');
  if (eq == std::string::npos || token.substr(eq + 1) != "?")
    return false;
  const CRhinoCommandOption* option = FindOption(token.substr(0, eq));
  if (!option)
    return false;
  RhinoApp().Print("%s: %s\n", Utf8(option->m_english_option_name).c_str(), Values(*option).c_str());
  return true;
}

bool CRhinoGet::ApplyOption(const std::string& token)
{
  const size_t eq = token.find('=');
  const std::string name = token.substr(0, eq);
  const ON_wString value(token.substr(eq + 1).c_str());
  const CRhinoCommandOption* found = FindOption(name);
  if (!found)
  {
    RhinoApp().PrintError("Unknown option: %s (options: %s)\n", token.c_str(), OptionNames().c_str());
    return false;
  }
  CRhinoCommandOption& o = m_options[found - m_options.data()];
  if (o.m_integer_option_value_ptr)
  {
    const std::string text = token.substr(eq + 1);
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text.c_str(), &end, 10);
    const bool whole = !text.empty() && *end == '\0' && errno == 0;
    const bool inside = (o.m_number_lower_limit == ON_UNSET_VALUE || number >= o.m_number_lower_limit) &&
                        (o.m_number_upper_limit == ON_UNSET_VALUE || number <= o.m_number_upper_limit) &&
                        number >= INT_MIN && number <= INT_MAX;
    if (!whole || !inside)
    {
      RhinoApp().PrintError("Unknown value for %s: %s (%s)\n", name.c_str(), text.c_str(), Values(o).c_str());
      return false;
    }
    *o.m_integer_option_value_ptr = static_cast<int>(number);
    m_picked = static_cast<int>(found - m_options.data());
    return true;
  }
  for (int v = 0; v < o.m_list_values.Count(); ++v)
  {
    const bool byIndex = value == ON_wString(std::to_string(v).c_str());
    if (byIndex || o.m_list_values[v].CompareNoCase(value) == 0)
    {
      o.m_list_option_current = v;
      m_picked = static_cast<int>(found - m_options.data());
      return true;
    }
  }
  RhinoApp().PrintError("Unknown value for %s: %s (one of %s)\n", name.c_str(), token.substr(eq + 1).c_str(),
                        Values(o).c_str());
  return false;
}
