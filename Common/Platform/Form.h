#pragma once

#include "FormField.h"

#include <functional>
#include <string>
#include <vector>

namespace Platform
{

// A modal dialog as data: titled fields with values and validation. A presenter shows it.
class Form
{
public:
  explicit Form(std::string title);

  const std::string& Title() const { return m_title; }
  FormField& Add(FormField field);
  std::vector<FormField>& Fields() { return m_fields; }
  const std::vector<FormField>& Fields() const { return m_fields; }

  // Field by script name, compared without regard to case; null when there is none.
  FormField* Find(const std::string& name);
  const FormField* Find(const std::string& name) const;

  const std::string& Value(const std::string& name) const;
  int IntValue(const std::string& name) const;
  double NumberValue(const std::string& name) const;
  bool Checked(const std::string& name) const;

  // Parses and stores a value as the user would type it (a choice also by its text) and runs
  // the change handler. Returns false with a message in `error` when the value is refused.
  bool Set(const std::string& name, const std::string& value, std::string& error);
  // Stores a value without parsing or notification (for the dialog's own code).
  void Put(const std::string& name, const std::string& value);

  // Called after the user changed a field, with the field's name.
  void SetChangeHandler(std::function<void(Form&, const std::string&)> handler);

  // Warnings of every field's validator, in field order; empty when the form may be accepted.
  std::vector<std::string> Validate() const;

  // The script form of the fields, for help texts: "File=... Format=0..7 ...".
  std::string Synopsis() const;

private:
  bool Parse(const FormField& field, const std::string& text, std::string& value, std::string& error) const;

  std::string m_title;
  std::vector<FormField> m_fields;
  std::function<void(Form&, const std::string&)> m_onChange;
};

} // namespace Platform
