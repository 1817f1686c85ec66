#include "WizardFixture.h"

#include "container/ContainerWriter.h"
#include "platform/MemoryStream.h"

namespace sorvane {

WizardFixture::WizardFixture() {
  files.AddFolder("/prog");
  files.AddFile("/prog/sorvane", "program");
  files.AddFolder("/tmp/user");
  files.AddFolder("/out");
}

std::string WizardFixture::ContainerBytes(const std::vector<ContainerAccount>& accounts,
                                          const std::vector<TestMember>& members, const AnsiString& title,
                                          const AnsiString& author) {
  MemoryStream out;
  ContainerWriter writer(out, static_cast<std::int32_t>(accounts.size()));
  for (const TestMember& member : members) writer.AddMember(member.name, member.flags, member.data);
  writer.Finish(accounts, title, author);
  return out.Bytes();
}

void WizardFixture::AddContainer(const std::string& path, const std::vector<ContainerAccount>& accounts,
                                 const std::vector<TestMember>& members, const AnsiString& title,
                                 const AnsiString& author) {
  files.AddFile(path, ContainerBytes(accounts, members, title, author));
}

void WizardFixture::StartAndLoad(const std::string& name) {
  wizard.Create();
  for (std::size_t i = 0; i < view.progPath.size(); ++i) {
    if (view.progPath[i].caption == name) view.UserSelectProgPath(static_cast<int>(i));
  }
  ASSERT_GE(view.progPathSelection, 0) << name << " is not listed";
  form.ListView_ProgPathSelectItem();
  form.Button_NextClick();
  ASSERT_EQ(form.PageIndex(), 1);
}

void WizardFixture::LogInAsGuest() {
  view.UserCheck(Form1Radio::RadioButton_Guest);
  form.RadioButton_LoggingIn();
  form.Button_NextClick();
  ASSERT_EQ(form.PageIndex(), 2);
}

void WizardFixture::LogInAsUser(const std::string& user, const std::string& password) {
  view.UserType(Form1Edit::Edit_UserName, user);
  form.Edit_UserNameChange();
  view.UserType(Form1Edit::Edit_Password, password);
  form.Edit_UserNameChange();
  form.Button_NextClick();
  ASSERT_EQ(form.PageIndex(), 2);
}

}  // namespace sorvane
