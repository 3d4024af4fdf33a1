#pragma once

#include "TokenSource.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The host's command line as a stream of tokens: whitespace separates tokens, double quotes
// keep spaces, '#' starts a comment. In interactive use an empty stream asks the user for a
// new line; otherwise it runs out and prompts take their defaults.
class CRhinoCommandStream : public Platform::TokenSource
{
public:
  using LineReader = std::function<bool(const std::string& prompt, std::string& line)>;

  // Splits a line into tokens; false with a message when a quote is not closed.
  static bool Tokenize(const std::string& line, std::vector<std::string>& tokens, std::string& error);

  // Adds tokens after those waiting, or before them; `line` is the script line they came from
  // (0 when they come from no script).
  void Append(const std::vector<std::string>& tokens, int line = 0);
  void Prepend(const std::vector<std::string>& tokens);
  void Clear() { m_tokens.clear(); }
  size_t PendingCount() const { return m_tokens.size(); }

  // Interactive input: the reader is asked for a line whenever the stream is empty.
  void SetLineReader(LineReader reader) { m_reader = std::move(reader); }

  bool Next(const std::string& prompt, std::string& token) override;
  void Unget(const std::string& token) override { m_tokens.push_front({token, m_line}); }
  bool HasPending() const override { return !m_tokens.empty(); }

  // The script the tokens come from, for messages; "SCRIPT:LINE" of the last token taken, or ""
  // outside a script.
  void SetScriptName(const std::string& name) { m_script = name; }
  std::string Location() const;

private:
  struct Token
  {
    std::string text;
    int line;
  };
  std::deque<Token> m_tokens;
  LineReader m_reader;
  std::string m_script;
  int m_line = 0;
};
