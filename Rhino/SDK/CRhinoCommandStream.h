#pragma once

#include "TokenSource.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The host's command line as a stream of tokens: whitespace separates tokens, double quotes
// keep spaces, '#' starts a comment. In interactive use an empty stream asks the user for a
// new line; otherwise it runs out and prompts take their defaults.
class CRhinoCommandStream : public Platform::TokenSource {
 public:
  using LineReader = std::function<bool(const std::string& prompt, std::string& line)>;

  // Splits a line into tokens; false with a message when a quote is not closed.
  static bool Tokenize(const std::string& line, std::vector<std::string>& tokens,
                       std::string& error);

  // Adds tokens after those waiting, or before them.
  void Append(const std::vector<std::string>& tokens);
  void Prepend(const std::vector<std::string>& tokens);
  void Clear() { m_tokens.clear(); }
  size_t PendingCount() const { return m_tokens.size(); }

  // Interactive input: the reader is asked for a line whenever the stream is empty.
  void SetLineReader(LineReader reader) { m_reader = std::move(reader); }

  bool Next(const std::string& prompt, std::string& token) override;
  void Unget(const std::string& token) override { m_tokens.push_front(token); }
  bool HasPending() const override { return !m_tokens.empty(); }

 private:
  std::deque<std::string> m_tokens;
  LineReader m_reader;
};
