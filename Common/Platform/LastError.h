#pragma once

namespace Platform
{

// The text of the last error of a class whose functions are static: one text per Owner, kept until
// the next error replaces it.
template <class Owner, class Text>
class LastError
{
public:
  static const Text& Get() { return Storage(); }
  static void Set(const Text& text) { Storage() = text; }

private:
  static Text& Storage()
  {
    static Text text;
    return text;
  }
};

} // namespace Platform
