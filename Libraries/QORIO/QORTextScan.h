#pragma once

#include <string_view>

// Locale-independent scanning of words and numbers in a line, as the C scanf family reads them
// ("%s", "%f", "%lf", the leading integer of "%d"). `pos` advances past what was read.
class QORTextScan
{
public:
  QORTextScan() = delete;

  // The next blank-delimited word; empty at the end of the line.
  static std::string_view NextWord(std::string_view line, size_t& pos);
  static bool NextFloat(std::string_view line, size_t& pos, float& value);
  static bool NextDouble(std::string_view line, size_t& pos, double& value);
  // The optionally signed integer at the start of the word; false when there is none or it
  // does not fit an int.
  static bool LeadingInteger(std::string_view word, int& value);
  static bool EqualsIgnoringCase(std::string_view word, std::string_view keyword);

private:
  template <typename T>
  static bool NextNumber(std::string_view line, size_t& pos, T& value);
};
