#pragma once

#include <string>
#include <string_view>
#include <vector>

// The fields of one IGES parameter record (or of the global section), split at the declared
// delimiters with Hollerith strings taken by their count, so a delimiter inside a string is text.
// Numbers are read on demand: an empty field takes the caller's default, a field that is missing
// or no number marks the record as failed (Failed), so a reader checks once after reading.
class QORIGESParameters
{
public:
  // Splits `text` up to its record delimiter; false with `error` set when a Hollerith count runs
  // past the text or no record delimiter ends it.
  bool Split(std::string_view text, char parameterDelimiter, char recordDelimiter, std::string& error);

  // Fields after the first (the type number of an entity record), numbered from 1.
  int Count() const { return static_cast<int>(m_fields.size()) - 1; }
  // Field 0 is the first field of the record.
  double Real(int index, double defaultValue = 0.0);
  int Integer(int index, int defaultValue = 0);
  // The text of a Hollerith field (empty when the field is empty or missing).
  std::string Text(int index) const;
  bool IsEmpty(int index) const;
  bool Failed() const { return m_failed; }
  void Fail() { m_failed = true; }

  // A number in IGES notation ("1.5D+02" included); false when the text is none.
  static bool ParseReal(std::string_view text, double& value);

private:
  struct Field
  {
    std::string text;
    bool hollerith = false;
  };
  static bool ReadHollerith(std::string_view text, size_t& pos, Field& field, std::string& error);

  std::vector<Field> m_fields;
  bool m_failed = false;
};
