#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Platform
{

enum class FieldKind
{
  Text,     // free text (a path, a character)
  Integer,  // whole number
  Number,   // floating-point number
  Check,    // check box: "1" or "0"
  Choice,   // drop-down list: value is the item index
  Lines,    // read-only list box: items are the lines shown
  Password, // text that is not echoed
};

// One control of a form dialog. `name` is the short CamelCase name scripts use,
// `label` the text the dialog shows.
struct FormField
{
  FormField() = default;
  FormField(std::string name_, std::string label_, FieldKind kind_, std::string value_ = {},
            std::vector<std::string> items_ = {})
      : name(std::move(name_)), label(std::move(label_)), kind(kind_), value(std::move(value_)),
        items(std::move(items_))
  {
  }

  std::string name;
  std::string label;
  FieldKind kind = FieldKind::Text;
  std::string value;
  std::vector<std::string> items;
  bool enabled = true;
  int maxLength = 0; // 0: unlimited
  // Returns a warning for the current value, or an empty text when it is acceptable.
  std::function<std::string(const FormField&)> validate;
};

} // namespace Platform
