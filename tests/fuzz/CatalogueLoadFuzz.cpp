// Fuzz entry: loads arbitrary bytes as a container. A load may fail, but only
// with one of the program's errors, with the windows given back; a load that
// succeeds must allow every listed member to be copied, and what it read must
// survive being written again by the writer and read back.

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "container/ContainerCatalogue.h"
#include "container/ContainerWriter.h"
#include "fakes/FakeFileSystem.h"
#include "platform/Errors.h"
#include "platform/MemoryStream.h"
#include "platform/Cp1252CodePage.h"

namespace {

using namespace sorvane;

// Checks the order of the window effects as they happen, without keeping a
// log whose size would grow with the member count.
class CheckedEffects : public LoadEffects {
 public:
  void DisableMainWindow() override {
    Expect(!disabled_);
    disabled_ = true;
  }
  void SetProgressRange(std::int32_t maximum) override {
    Expect(disabled_ && maximum >= 0);
    range_ = maximum;
  }
  void SetProgressPosition(std::int32_t position) override {
    Expect(position >= 0 && position <= range_ && (position == 0 || position == position_ + 1));
    position_ = position;
  }
  void ShowWaitWindow() override {
    Expect(disabled_);
    shown_ = true;
  }
  void ProcessMessages() override { Expect(shown_); }
  void CloseWaitWindow() override {
    Expect(disabled_);
    closed_ = true;
  }
  void EnableMainWindow() override {
    Expect(closed_);
    disabled_ = false;
  }
  void BringApplicationToFront() override { Expect(!disabled_); }
  void BringMainWindowToFront() override { Expect(!disabled_); }

  bool Disabled() const { return disabled_; }

  static void Expect(bool condition) {
    if (!condition) std::abort();
  }

 private:
  bool disabled_ = false;
  bool shown_ = false;
  bool closed_ = false;
  std::int32_t range_ = -1;
  std::int32_t position_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakeFileSystem files;
  files.AddFile("/box.zvq", std::string(reinterpret_cast<const char*>(data), size));
  Cp1252CodePage codePage;
  CheckedEffects effects;
  ContainerCatalogue catalogue(files, codePage, effects);
  catalogue.ContainerPath = "/box.zvq";
  try {
    catalogue.LoadCatalogue();
  } catch (const Exception&) {
    CheckedEffects::Expect(!effects.Disabled() && files.OpenCount("/box.zvq") == 0);
    CheckedEffects::Expect(catalogue.Members.empty() && catalogue.Accounts.empty());
    return 0;
  }
  CheckedEffects::Expect(!effects.Disabled());

  // Every member the load listed can be copied; a few distinct names suffice.
  std::set<AnsiString> copied;
  for (const ContainerMember& member : catalogue.Members) {
    const AnsiString name(member.Name);
    if (copied.size() == 8 || !copied.insert(name).second) continue;
    auto source = files.OpenRead(catalogue.ContainerPath);
    MemoryStream target;
    ContainerCatalogue::CopyMemberData(name, *source, target);
    CheckedEffects::Expect(source->Position() == 0);
  }
  for (const ContainerAccount& account : catalogue.Accounts) {
    for (const ContainerMember& member : catalogue.Members) ContainerCatalogue::IsVisible(member, account.Column);
    CheckedEffects::Expect(catalogue.FindAccount(account.Name) >= 0);
  }

  // What was read, written again by the writer, reads back the same.
  MemoryStream rewritten;
  ContainerWriter writer(rewritten, static_cast<std::int32_t>(catalogue.Accounts.size()));
  for (const ContainerMember& member : catalogue.Members) {
    writer.AddMember(AnsiString(member.Name), std::vector<std::int32_t>(member.Flags.begin(), member.Flags.end()), "",
                     static_cast<std::int32_t>(member.StoredSize));
  }
  writer.Finish(catalogue.Accounts, catalogue.Title, catalogue.Author);
  files.AddFile("/again.zvq", rewritten.Bytes());
  CheckedEffects againEffects;
  ContainerCatalogue again(files, codePage, againEffects);
  again.ContainerPath = "/again.zvq";
  again.LoadCatalogue();
  CheckedEffects::Expect(again.Title == catalogue.Title && again.Author == catalogue.Author);
  CheckedEffects::Expect(again.Members.size() == catalogue.Members.size());
  for (std::size_t i = 0; i < again.Members.size(); ++i) {
    const ContainerMember a = again.Members[i];
    const ContainerMember b = catalogue.Members[i];
    CheckedEffects::Expect(a.Name == b.Name && a.Flags == b.Flags && a.StoredSize == b.StoredSize);
  }
  CheckedEffects::Expect(again.Accounts.size() == catalogue.Accounts.size());
  for (std::size_t k = 0; k < again.Accounts.size(); ++k) {
    const ContainerAccount& a = again.Accounts[k];
    const ContainerAccount& b = catalogue.Accounts[k];
    CheckedEffects::Expect(a.Name == b.Name && a.Password == b.Password && a.Column == b.Column);
  }
  return 0;
}
