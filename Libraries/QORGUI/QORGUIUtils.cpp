#include "QORGUIUtils.h"

#include "Form.h"
#include "MessageBox.h"
#include "Presenter.h"

void QORGUIUtils::About(const char* productTitle, HWND* owner)
{
  const std::string title = productTitle ? productTitle : "";
  Platform::MessageBox::Show(owner, title + "\nSurfaces and meshes from surveyed and digitised points.",
                             "About " + title, Platform::MessageIcon::Information);
}

int QORGUIUtils::Password(const char* title, const char* prompt, std::string& password, HWND*)
{
  Platform::Form form(title ? title : "");
  form.Add({"Password", prompt ? prompt : "", Platform::FieldKind::Password});
  if (!Platform::Presenter::Current().ShowForm(form))
    return 0;
  password = form.Value("Password");
  return 1;
}
