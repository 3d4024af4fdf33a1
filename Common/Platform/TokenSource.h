#pragma once

#include <string>

namespace Platform
{

// The stream of whitespace-separated answers a script or command line gives to prompts.
class TokenSource
{
public:
  virtual ~TokenSource() = default;
  // Next token for a prompt; false when the input has run out (the prompt takes its default).
  virtual bool Next(const std::string& prompt, std::string& token) = 0;
  // Gives a token back so that the next prompt takes it.
  virtual void Unget(const std::string& token) = 0;
  // True when a token is waiting without asking the user for more.
  virtual bool HasPending() const = 0;
};

} // namespace Platform
