#include "Form.h"
#include "HeadlessPresenter.h"
#include "ScriptPresenter.h"
#include "TerminalPresenter.h"
#include "TokenSource.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

using namespace Platform;

namespace
{

class Tokens : public TokenSource
{
public:
  explicit Tokens(std::deque<std::string> tokens) : m_tokens(std::move(tokens)) {}
  bool Next(const std::string&, std::string& token) override
  {
    if (m_tokens.empty())
      return false;
    token = m_tokens.front();
    m_tokens.pop_front();
    return true;
  }
  void Unget(const std::string& token) override { m_tokens.push_front(token); }
  bool HasPending() const override { return !m_tokens.empty(); }
  std::deque<std::string> m_tokens;
};

Form MakeForm()
{
  Form form("Surface Parameters");
  FormField rows{"Rows", "Rows", FieldKind::Integer, "10"};
  rows.validate = [](const FormField& f)
  { return std::atoi(f.value.c_str()) > 0 ? "" : "Please enter a positive value for number of rows"; };
  form.Add(rows);
  form.Add({"Format", "Format", FieldKind::Choice, "0", {"X, Y, Z", "Number, X, Y, Z"}});
  form.Add({"Comma", "Comma", FieldKind::Check, "1"});
  form.Add({"Probe", "Probe diameter", FieldKind::Number, "0"});
  form.Add({"Output", "Output", FieldKind::Lines});
  return form;
}

} // namespace

TEST(Form, ParsesValuesAsTyped)
{
  struct Case
  {
    const char* field;
    const char* text;
    bool ok;
    const char* stored;
  } cases[] = {
      {"rows", "25", true, "25"},   // names compare without case
      {"Rows", "2.5", false, "10"}, // not an integer
      {"Rows", "", false, "10"},
      {"Format", "1", true, "1"},               // choice by index
      {"Format", "number, x, y, z", true, "1"}, // choice by text
      {"Format", "2", false, "0"},              // out of range
      {"Comma", "no", true, "0"},
      {"Comma", "maybe", false, "1"},
      {"Probe", "-1.5e2", true, "-1.5e2"},
      {"Probe", "1.5mm", false, "0"},
      {"Output", "x", false, ""}, // read-only list
      {"Missing", "1", false, ""},
  };
  for (const Case& c : cases)
  {
    Form form = MakeForm();
    std::string error;
    EXPECT_EQ(form.Set(c.field, c.text, error), c.ok) << c.field << "=" << c.text;
    EXPECT_EQ(form.Value(c.field), c.stored) << c.field << "=" << c.text;
    EXPECT_EQ(error.empty(), c.ok) << c.field << "=" << c.text;
  }
}

TEST(Form, ChangeHandlerSeesEachChange)
{
  Form form = MakeForm();
  std::vector<std::string> changed;
  form.SetChangeHandler([&](Form&, const std::string& name) { changed.push_back(name); });
  std::string error;
  form.Set("Format", "1", error);
  form.Set("Rows", "bad", error);
  form.Set("Comma", "0", error);
  EXPECT_EQ(changed, (std::vector<std::string>{"Format", "Comma"}));
}

TEST(ScriptPresenter, FieldsThenOk)
{
  Tokens tokens({"Rows=5", "Format=1", "OK", "Next"});
  ScriptPresenter presenter(tokens);
  Form form = MakeForm();
  EXPECT_TRUE(presenter.ShowForm(form));
  EXPECT_EQ(form.IntValue("Rows"), 5);
  EXPECT_EQ(form.Value("Format"), "1");
  EXPECT_EQ(tokens.m_tokens, std::deque<std::string>{"Next"});
}

TEST(ScriptPresenter, OtherTokenAcceptsAndIsLeft)
{
  Tokens tokens({"Comma=0", "Export", "out.xyz"});
  ScriptPresenter presenter(tokens);
  Form form = MakeForm();
  EXPECT_TRUE(presenter.ShowForm(form));
  EXPECT_FALSE(form.Checked("Comma"));
  EXPECT_EQ(tokens.m_tokens.front(), "Export");
}

TEST(ScriptPresenter, RunOutAcceptsDefaults)
{
  Tokens tokens({});
  ScriptPresenter presenter(tokens);
  Form form = MakeForm();
  EXPECT_TRUE(presenter.ShowForm(form));
  EXPECT_EQ(form.IntValue("Rows"), 10);
}

TEST(ScriptPresenter, CancelBadValueAndInvalidFormAllCancel)
{
  for (auto script : {std::deque<std::string>{"Cancel"}, std::deque<std::string>{"Rows=x", "OK"},
                      std::deque<std::string>{"Bogus=1", "OK"}, std::deque<std::string>{"Rows=0", "OK"}})
  {
    Tokens tokens(script);
    ScriptPresenter presenter(tokens);
    Form form = MakeForm();
    EXPECT_FALSE(presenter.ShowForm(form)) << script.front();
  }
}

TEST(TerminalPresenter, PromptsEachFieldWithDefaults)
{
  std::deque<std::string> lines = {"0", "7", "", "n", "2.5", ""}; // rows 0 is refused, then 7
  TerminalPresenter presenter(
      [&](const std::string&, std::string& line)
      {
        if (lines.empty())
          return false;
        line = lines.front();
        lines.pop_front();
        return true;
      },
      std::tmpfile());
  HeadlessPresenter messages;
  Form form = MakeForm();
  EXPECT_TRUE(presenter.ShowForm(form));
  EXPECT_EQ(form.IntValue("Rows"), 7);
  EXPECT_EQ(form.Value("Format"), "0");
  EXPECT_FALSE(form.Checked("Comma"));
  EXPECT_DOUBLE_EQ(form.NumberValue("Probe"), 2.5);
}

TEST(TerminalPresenter, EndOfInputCancels)
{
  TerminalPresenter presenter([](const std::string&, std::string&) { return false; }, std::tmpfile());
  Form form = MakeForm();
  EXPECT_FALSE(presenter.ShowForm(form));
}

TEST(TerminalPresenter, PasswordsGoThroughTheSecretReaderAndAreNeverShown)
{
  std::vector<std::string> prompts, secretPrompts;
  std::FILE* out = std::tmpfile();
  TerminalPresenter presenter(
      [&](const std::string& prompt, std::string& line)
      {
        prompts.push_back(prompt);
        line.clear();
        return true;
      },
      out,
      [&](const std::string& prompt, std::string& line)
      {
        secretPrompts.push_back(prompt);
        line = "s3cret";
        return true;
      });
  Form form("RP Password");
  form.Add({"Password", "Password for part.rp", FieldKind::Password});
  ASSERT_TRUE(presenter.ShowForm(form));
  EXPECT_EQ(form.Value("Password"), "s3cret");
  EXPECT_EQ(secretPrompts, std::vector<std::string>{"Password for part.rp []: "});
  EXPECT_EQ(prompts, std::vector<std::string>{"RP Password: OK, Edit or Cancel [OK]: "});
  std::rewind(out);
  std::string shown;
  for (int c; (c = std::fgetc(out)) != EOF;)
    shown += static_cast<char>(c);
  EXPECT_EQ(shown.find("s3cret"), std::string::npos) << shown;
  std::fclose(out);
}
