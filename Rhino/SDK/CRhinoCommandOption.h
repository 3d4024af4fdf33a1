#pragma once

#include "opennurbs.h"

// The option a get picked: its 1-based index among the get's options and, for a list option,
// the index of the value chosen; an integer option writes its value to the caller's int.
class CRhinoCommandOption
{
public:
  int m_option_index = 0;
  int m_list_option_current = -1;
  ON_wString m_english_option_name;
  ON_ClassArray<ON_wString> m_list_values;
  // An integer option: the value it sets and its limits (unset for none).
  int* m_integer_option_value_ptr = nullptr;
  double m_number_lower_limit = ON_UNSET_VALUE;
  double m_number_upper_limit = ON_UNSET_VALUE;
};

// Option names as the SDK's macros make them.
class CRhinoCommandOptionName
{
public:
  CRhinoCommandOptionName(const wchar_t* english, const wchar_t* local) : m_english(english), m_local(local) {}
  const wchar_t* m_english;
  const wchar_t* m_local;
};

#define RHCMDOPTNAME(name) CRhinoCommandOptionName(name, name)
