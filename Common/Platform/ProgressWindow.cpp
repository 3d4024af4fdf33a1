#include "ProgressWindow.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace Platform
{

namespace
{

bool g_quiet = false;
constexpr int kBarWidth = 30;

bool OnTerminal() { return isatty(fileno(stderr)) != 0; }

} // namespace

ProgressWindow::~ProgressWindow() { Close(); }

void ProgressWindow::SetQuiet(bool quiet) { g_quiet = quiet; }
bool ProgressWindow::Quiet() { return g_quiet; }

void ProgressWindow::Open(const std::string& title)
{
  m_open = true;
  m_title = title;
  m_lastQuarter = -1;
  Draw();
}

void ProgressWindow::SetTitle(const std::string& title)
{
  m_title = title;
  if (m_open)
    Draw();
}

void ProgressWindow::SetText(const std::string& text)
{
  if (text == m_text)
    return;
  m_text = text;
  if (m_open)
    Draw();
}

void ProgressWindow::SetPosition(int position)
{
  position = std::clamp(position, 0, 100);
  if (position == m_position)
    return;
  m_position = position;
  if (m_open)
    Draw();
}

void ProgressWindow::Close()
{
  if (!m_open)
    return;
  m_open = false;
  if (g_quiet)
    return;
  if (OnTerminal())
    std::fputc('\n', stderr);
  else
    std::fprintf(stderr, "%s: done\n", m_title.c_str());
  std::fflush(stderr);
}

void ProgressWindow::Draw()
{
  if (g_quiet)
    return;
  if (OnTerminal())
  {
    const int filled = m_position * kBarWidth / 100;
    std::fprintf(stderr, "\r\033[K%s  [%s%s]  %s", m_title.c_str(), std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, '-').c_str(), m_text.c_str());
  }
  else
  {
    const int quarter = m_position / 25;
    if (quarter == m_lastQuarter)
      return;
    m_lastQuarter = quarter;
    if (m_text.empty())
      std::fprintf(stderr, "%s\n", m_title.c_str());
    else
      std::fprintf(stderr, "%s: %s\n", m_title.c_str(), m_text.c_str());
  }
  std::fflush(stderr);
}

} // namespace Platform
