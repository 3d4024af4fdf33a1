#pragma once

#include <string>

namespace Platform
{

// Modeless progress window: a caption, one line of text and a bar from 0 to 100, drawn on
// standard error. On a terminal it is redrawn in place; otherwise a few plain lines are written
// (on opening, at each quarter and at closing). Nothing is drawn while progress is quiet.
class ProgressWindow
{
public:
  ProgressWindow() = default;
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void Open(const std::string& title);
  void SetTitle(const std::string& title);
  void SetText(const std::string& text);
  void SetPosition(int position);
  void Close();

  bool IsOpen() const { return m_open; }
  const std::string& Title() const { return m_title; }
  const std::string& Text() const { return m_text; }
  int Position() const { return m_position; }

  static void SetQuiet(bool quiet);
  static bool Quiet();

private:
  void Draw();

  bool m_open = false;
  std::string m_title;
  std::string m_text;
  int m_position = 0;
  int m_lastQuarter = -1;
};

} // namespace Platform
