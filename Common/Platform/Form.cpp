#include "Form.h"

#include <cerrno>
#include <cstdlib>
#include <strings.h>

namespace Platform
{

namespace
{

bool SameName(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// Menu-style texts carry '&' before the access key; scripts write them without it.
std::string WithoutAccessKeys(const std::string& text)
{
  std::string plain;
  for (char c : text)
    if (c != '&')
      plain += c;
  return plain;
}

bool ParseInteger(const std::string& text, long& out)
{
  if (text.empty())
    return false;
  errno = 0;
  char* end = nullptr;
  out = std::strtol(text.c_str(), &end, 10);
  return errno == 0 && *end == '\0';
}

bool ParseNumber(const std::string& text, double& out)
{
  if (text.empty())
    return false;
  errno = 0;
  char* end = nullptr;
  out = std::strtod(text.c_str(), &end);
  return errno == 0 && *end == '\0';
}

bool ParseCheck(const std::string& text, std::string& value)
{
  static const char* const yes[] = {"1", "yes", "true", "on", "y"};
  static const char* const no[] = {"0", "no", "false", "off", "n"};
  for (const char* y : yes)
    if (SameName(text, y))
      return value = "1", true;
  for (const char* n : no)
    if (SameName(text, n))
      return value = "0", true;
  return false;
}

} // namespace

Form::Form(std::string title) : m_title(std::move(title)) {}

FormField& Form::Add(FormField field)
{
  m_fields.push_back(std::move(field));
  return m_fields.back();
}

FormField* Form::Find(const std::string& name)
{
  for (FormField& f : m_fields)
    if (SameName(f.name, name))
      return &f;
  return nullptr;
}

const FormField* Form::Find(const std::string& name) const { return const_cast<Form*>(this)->Find(name); }

const std::string& Form::Value(const std::string& name) const
{
  static const std::string none;
  const FormField* f = Find(name);
  return f ? f->value : none;
}

int Form::IntValue(const std::string& name) const { return std::atoi(Value(name).c_str()); }

double Form::NumberValue(const std::string& name) const { return std::strtod(Value(name).c_str(), nullptr); }

bool Form::Checked(const std::string& name) const { return Value(name) == "1"; }

bool Form::Parse(const FormField& field, const std::string& text, std::string& value, std::string& error) const
{
  switch (field.kind)
  {
  case FieldKind::Integer:
  {
    long n = 0;
    if (!ParseInteger(text, n))
      return error = "Please enter an integer.", false;
    value = std::to_string(n);
    return true;
  }
  case FieldKind::Number:
  {
    double d = 0;
    if (!ParseNumber(text, d))
      return error = "Please enter a number.", false;
    value = text;
    return true;
  }
  case FieldKind::Check:
    if (!ParseCheck(text, value))
      return error = field.name + " takes 1 or 0", false;
    return true;
  case FieldKind::Choice:
  {
    long n = -1;
    if (ParseInteger(text, n) && n >= 0 && n < static_cast<long>(field.items.size()))
    {
      value = std::to_string(n);
      return true;
    }
    for (size_t i = 0; i < field.items.size(); ++i)
      if (SameName(WithoutAccessKeys(field.items[i]), text))
      {
        value = std::to_string(i);
        return true;
      }
    return error = "\"" + text + "\" is not a choice of " + field.name, false;
  }
  case FieldKind::Lines:
    return error = field.name + " cannot be changed", false;
  case FieldKind::Text:
  case FieldKind::Password:
    if (field.maxLength > 0 && static_cast<int>(text.size()) > field.maxLength)
      return error = field.name + " takes at most " + std::to_string(field.maxLength) + " character(s)", false;
    value = text;
    return true;
  }
  return false;
}

bool Form::Set(const std::string& name, const std::string& text, std::string& error)
{
  FormField* field = Find(name);
  if (!field)
    return error = "\"" + name + "\" is not a field of " + m_title, false;
  if (!field->enabled)
    return error = field->name + " cannot be changed in " + m_title, false;
  std::string value;
  if (!Parse(*field, text, value, error))
    return false;
  field->value = value;
  if (m_onChange)
    m_onChange(*this, field->name);
  return true;
}

void Form::Put(const std::string& name, const std::string& value)
{
  if (FormField* f = Find(name))
    f->value = value;
}

void Form::SetChangeHandler(std::function<void(Form&, const std::string&)> handler) { m_onChange = std::move(handler); }

std::vector<std::string> Form::Validate() const
{
  std::vector<std::string> warnings;
  for (const FormField& f : m_fields)
    if (f.validate)
    {
      std::string w = f.validate(f);
      if (!w.empty())
        warnings.push_back(w);
    }
  return warnings;
}

std::string Form::Synopsis() const
{
  std::string text;
  for (const FormField& f : m_fields)
  {
    if (f.kind == FieldKind::Lines)
      continue;
    if (!text.empty())
      text += ' ';
    text += f.name + '=';
    switch (f.kind)
    {
    case FieldKind::Integer:
      text += "<integer>";
      break;
    case FieldKind::Number:
      text += "<number>";
      break;
    case FieldKind::Check:
      text += "1|0";
      break;
    case FieldKind::Choice:
    {
      for (size_t i = 0; i < f.items.size(); ++i)
        text += (i ? "|" : "") + WithoutAccessKeys(f.items[i]);
      text += " (or 0.." + std::to_string(f.items.size() ? f.items.size() - 1 : 0) + ")";
      break;
    }
    default:
      text += "<text>";
      break;
    }
  }
  return text;
}

} // namespace Platform
