#include "MessageBox.h"

#include "Presenter.h"

namespace Platform
{

void MessageBox::Show(HWND*, const std::string& text, const std::string& caption, MessageIcon icon)
{
  Presenter::Current().ShowMessage(text, caption, icon);
}

} // namespace Platform
