#include "components/update/TOrvelUpdateFile.h"

#include <cstring>
#include <limits>
#include <utility>

#include "components/update/UpdateHost.h"
#include "components/update/UpdateSchedule.h"
#include "components/zip/EnginePlacement.h"
#include "platform/Registry.h"
#include "platform/UpdateSection.h"

namespace sorvane {
namespace {

constexpr char kKeyPrefix[] = "Software\\Orvel\\";

// The open key is closed however AutomaticUpdate leaves.
class OpenKey {
 public:
  explicit OpenKey(Registry& registry) : registry_(registry) {}
  ~OpenKey() { registry_.CloseKey(); }

 private:
  Registry& registry_;
};

// "Update": exactly 8 bytes of binary data, a little-endian double.
double ReadUpdateDate(Registry& registry) {
  constexpr char kName[] = "Update";
  if (registry.GetDataType(kName) != RegistryType::Binary || registry.GetDataSize(kName) != 8) {
    throw ERegistryException(FormatText(texts::kRegInvalidDataType, kName));
  }
  const std::string bytes = registry.ReadBinaryData(kName);
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  double date = 0;
  std::memcpy(&date, &bits, sizeof date);
  return date;
}

}  // namespace

TOrvelUpdateFile::TOrvelUpdateFile(UpdateComponentOwner& owner, UpdateComponentServices services)
    : THttpClient(services.net), owner_(owner), services_(std::move(services)) {
  // Name is still empty here, as for any component while its window reads it.
  actionListName_ = "ActionList_" + Name;
  owner_.AddShortcutAction(actionListName_, "Ctrl+U", [this] { AutomaticUpdate("", true, 0); });
  PlaceZipEngines(services_.files, services_.resources, services_.systemFolder);
  Host = UpdateHost();
  Port = 21;
  Body.clear();
  Header.clear();
  TimeOut = 10000;
  HKCU = false;
  BodyToFile = true;
  wizard_ = &owner_.CreateUpdateWizard();
}

void TOrvelUpdateFile::AutomaticUpdate(const std::string& ExtraArgument, bool Manual, double ReferenceDate) {
  Registry registry(services_.registry);
  registry.SetRootKey(HKCU ? RegistryRoot::CurrentUser : RegistryRoot::LocalMachine);
  registry.OpenKey(kKeyPrefix + RegistryKey, true);
  const OpenKey closer(registry);

  const std::string programPath = services_.program.ProgramPath();
  if (!Manual) {
    // UTF-8, written as a path: the program's folder may hold any letter.
    std::string command = "\"" + services_.program.NativeProgramPath() + "\"";
    if (!ExtraArgument.empty()) command += " " + services_.codePage.AnsiToUtf8(ExtraArgument);
    registry.WritePath("ApplicationFileName", command);
  }

  ScheduleFacts facts;
  facts.driveType = services_.drives.GetDriveType(programPath);
  if (!UpdateAllowedOnDrive(facts.driveType)) return;

  double reference = ReferenceDate;
  // Without the program's date nothing can be shown to be newer: a date past
  // every offer's, so that the check finds no update instead of taking any
  // signed offer, however old, for one.
  if (reference == 0) {
    reference = services_.calendar.FileDate(programPath).value_or(std::numeric_limits<double>::infinity());
  }
  facts.today = services_.calendar.Today();
  facts.updateExists = registry.ValueExists("Update");
  if (facts.updateExists) facts.update = ReadUpdateDate(registry);
  facts.onlyUpdate = registry.ValueExists("OnlyUpdate");
  facts.noUpdate = registry.ValueExists("NoUpdate");
  facts.manual = Manual;
  const ScheduleDecision decision = DecideSchedule(facts);

  if (decision.showWizard) {
    wizard_->ShowModal(UpdateWizardValues{ProgramName, ZIPFileName, RegistryKey, reference, HKCU});
  }
  registry.CloseKey();
  if (decision.endProgram) {
    owner_.DetachDestroyHandler();
    services_.application.Terminate();
  }
}

void ApplyMainWindowValues(TOrvelUpdateFile& component) {
  component.Name = "OrvelUpdateFile";
  component.ProgramName = UpdateSection("ZVQ");
  component.RegistryKey = "Sorvane";
  component.HKCU = false;
  component.StatusLevel = 0;
  component.HeaderToFile = false;
  component.ProxyPort = 0;
}

}  // namespace sorvane
