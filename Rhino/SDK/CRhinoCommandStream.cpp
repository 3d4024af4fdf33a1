#include "CRhinoCommandStream.h"

#include <cctype>
#include <cstdio>

bool CRhinoCommandStream::Tokenize(const std::string& line, std::vector<std::string>& tokens, std::string& error)
{
  std::string token;
  bool inToken = false, quoted = false;
  for (char c : line)
  {
    if (quoted)
    {
      if (c == '"')
        quoted = false;
      else
        token += c;
      continue;
    }
    if (c == '"')
    {
      quoted = inToken = true;
    }
    else if (c == '#')
    {
      break;
    }
    else if (std::isspace(static_cast<unsigned char>(c)))
    {
      if (inToken)
        tokens.push_back(token);
      token.clear();
      inToken = false;
    }
    else
    {
      token += c;
      inToken = true;
    }
  }
  if (quoted)
  {
    error = "Unclosed quote in: " + line;
    return false;
  }
  if (inToken)
    tokens.push_back(token);
  return true;
}

void CRhinoCommandStream::Append(const std::vector<std::string>& tokens, int line)
{
  for (const std::string& token : tokens)
    m_tokens.push_back({token, line});
}

void CRhinoCommandStream::Prepend(const std::vector<std::string>& tokens)
{
  for (auto token = tokens.rbegin(); token != tokens.rend(); ++token)
    m_tokens.push_front({*token, m_line});
}

std::string CRhinoCommandStream::Location() const
{
  if (m_script.empty() || m_line <= 0)
    return "";
  return m_script + ":" + std::to_string(m_line);
}

bool CRhinoCommandStream::Next(const std::string& prompt, std::string& token)
{
  while (m_tokens.empty())
  {
    if (!m_reader)
      return false;
    std::string line, error;
    if (!m_reader(prompt, line))
      return false;
    std::vector<std::string> tokens;
    if (!Tokenize(line, tokens, error))
    {
      std::fprintf(stderr, "%s\n", error.c_str());
      continue;
    }
    if (tokens.empty())
      return false; // an empty line answers as Enter does
    Append(tokens);
  }
  token = std::move(m_tokens.front().text);
  m_line = m_tokens.front().line;
  m_tokens.pop_front();
  return true;
}
