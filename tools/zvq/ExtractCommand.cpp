#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <system_error>

#include "ContainerSession.h"
#include "ExitStatus.h"
#include "ExtractProgress.h"
#include "TypedText.h"
#include "ZvqCommands.h"
#include "app/Login.h"
#include "container/MemberName.h"
#include "platform/Errors.h"

namespace sorvane::zvq {
namespace {

constexpr char kKept[] = "Die Datei %s existiert bereits und wurde nicht überschrieben";
constexpr char kNotInContainer[] = "Die Datei %s ist für dieses Konto nicht im Container enthalten";
constexpr char kNoFolder[] = "Das Verzeichnis %s kann nicht erstellt werden";

// The members to write, in the member list's order, each name once: a
// second member of the same name could only repeat the first one's data,
// since every copy finds its member by name. Nothing when a named member is
// not visible (reported; exit status 2, before anything is written).
std::optional<std::vector<std::int32_t>> ChooseMembers(const ContainerCatalogue& catalogue,
                                                       const std::vector<std::int32_t>& visible,
                                                       const ZvqOptions& options, ZvqServices& services) {
  std::set<AnsiString> wanted;
  bool missing = false;
  for (const std::string& typed : options.members) {
    const AnsiString name = TypedToAnsi(typed, services.codePage);
    bool found = false;
    for (const std::int32_t index : visible) found = found || catalogue.Members[static_cast<std::size_t>(index)].Name == name;
    if (!found) {
      Report(services, FormatText(kNotInContainer, typed));
      missing = true;
    }
    wanted.insert(name);
  }
  if (missing) return std::nullopt;

  // A name is known by its first member, which the name index finds at
  // once: a million names need no set of their own.
  std::vector<std::int32_t> chosen;
  std::vector<bool> seen(catalogue.Members.size());
  for (const std::int32_t index : visible) {
    const std::string_view name = catalogue.Members[static_cast<std::size_t>(index)].Name;
    if (!wanted.empty() && wanted.count(AnsiString(name)) == 0) continue;
    const auto first = static_cast<std::size_t>(catalogue.FindMember(name));
    if (!seen[first]) {
      seen[first] = true;
      chosen.push_back(index);
    }
  }
  return chosen;
}

std::string TargetPath(const std::string& folder, const std::string& fileName) {
  if (folder.empty()) return fileName;
  return folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
}

enum class WriteResult { kWritten, kNotWritten, kContainerUnreadable };

// The container, opened at the first member written and kept open for all
// the others: opening it anew cost every member three more system calls
// (open, fstat, close), about what writing a small member takes.
class SharedSource {
 public:
  explicit SharedSource(const std::string& path) : path_(path) {}
  Stream& Open(ZvqServices& services) {
    if (!stream_) stream_ = services.files.OpenRead(path_);
    return *stream_;
  }

 private:
  const std::string& path_;
  std::unique_ptr<Stream> stream_;
};

// One member: create the target, copy, close it. The target keeps what was
// copied when the copy fails.
WriteResult WriteMember(ContainerCatalogue& catalogue, const AnsiString& name, const std::string& target,
                        const std::string& shownTarget, SharedSource& container, ZvqServices& services,
                        ExtractProgress* progress) {
  Stream* source = nullptr;
  try {
    source = &container.Open(services);
  } catch (const Exception& e) {
    Report(services, e.what());
    return WriteResult::kContainerUnreadable;
  }
  std::unique_ptr<Stream> destination;
  try {
    destination = services.files.Create(target);
  } catch (const Exception& e) {
    Report(services, e.what());
    return WriteResult::kNotWritten;
  }
  try {
    if (progress != nullptr) {
      ProgressStream counted(*destination, *progress);
      catalogue.CopyMemberDataDirect(name, *source, counted);
    } else {
      catalogue.CopyMemberDataDirect(name, *source, *destination);
    }
  } catch (const EReadError& e) {
    if (progress != nullptr) progress->Finish();  // the message on a line of its own
    Report(services, shownTarget + ": " + e.what());
    return WriteResult::kContainerUnreadable;
  } catch (const Exception& e) {
    if (progress != nullptr) progress->Finish();
    Report(services, shownTarget + ": " + e.what());
    // A failed copy leaves the source anywhere; the next starts at the start.
    source->Seek(0, SeekOrigin::Begin);
    return WriteResult::kNotWritten;
  }
  return WriteResult::kWritten;
}

bool MakeFolder(const std::string& folder, ZvqServices& services) {
  if (folder.empty() || services.files.DirectoryExists(folder)) return true;
  std::error_code error;
  // The folder is UTF-8 (char8_t), whatever the system's narrow encoding.
  std::filesystem::create_directories(std::u8string(folder.begin(), folder.end()), error);
  if (!error && services.files.DirectoryExists(folder)) return true;
  Report(services, FormatText(kNoFolder, folder));
  return false;
}

}  // namespace

int RunExtract(const ZvqOptions& options, ZvqServices& services) {
  LoggedInContainer container(services);
  if (const int status = container.Open(options, services); status != kDone) return status;
  ContainerCatalogue& catalogue = container.catalogue;
  const auto chosen =
      ChooseMembers(catalogue, ListVisibleMembers(catalogue, container.column, services.locale), options, services);
  if (!chosen) return kUsageOrLogin;
  if (!MakeFolder(options.directory, services)) return kNotWritten;

  std::optional<ExtractProgress> progress;
  if (services.progressClock != nullptr) {
    progress.emplace(services.err, *services.progressClock, services.locale.DecimalSeparator());
  }
  SharedSource source(options.container);
  bool kept = false;
  bool notWritten = false;
  for (const std::int32_t index : *chosen) {
    const AnsiString name(catalogue.Members[static_cast<std::size_t>(index)].Name);
    // A name that is not a plain file name could write outside the folder.
    if (!IsPlainFileName(name)) {
      Report(services, UnsafeMemberNameMessage(name, services.codePage));
      notWritten = true;
      continue;
    }
    const std::string target = TargetPath(options.directory, services.codePage.AnsiToUtf8(name));
    const std::string shownTarget = TargetPath(options.directory, Shown(name, services.codePage));
    if (!options.overwrite && services.files.FileExists(target)) {
      Report(services, FormatText(kKept, shownTarget));
      kept = true;
      continue;
    }
    if (progress) {
      // The size shown is the first member's of the name, whose data is copied.
      const auto first = static_cast<std::size_t>(catalogue.FindMember(name));
      progress->Start(Shown(name, services.codePage), catalogue.Members[first].StoredSize);
    }
    const WriteResult result =
        WriteMember(catalogue, name, target, shownTarget, source, services, progress ? &*progress : nullptr);
    if (progress) progress->Finish();
    switch (result) {
      case WriteResult::kWritten: services.out << shownTarget << '\n'; break;
      case WriteResult::kNotWritten: notWritten = true; break;
      case WriteResult::kContainerUnreadable: return kUnreadable;
    }
  }
  if (notWritten) return kNotWritten;
  return kept ? kFileKept : kDone;
}

}  // namespace sorvane::zvq
