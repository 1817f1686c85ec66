#include "app/MemberExtraction.h"

#include <memory>

#include "platform/FilePath.h"
#include "app/ShellRoutines.h"
#include "app/WatchedStream.h"
#include "container/MemberName.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

constexpr char kFolderPrompt[] = "Geben Sie das Verzeichnis an, in das die Dateien extrahiert werden sollen.";
constexpr char kOverwriteTitle[] = "Warnung";
constexpr unsigned kWarningBeep = 48;

std::string OverwriteQuestion(const std::string& target) {
  return "Die Datei " + target + " existiert bereits. Soll Sie überschrieben werden?";
}

}  // namespace

MemberExtraction::MemberExtraction(ContainerCatalogue& catalogue, const WizardServices& services)
    : catalogue_(catalogue), services_(services) {}

std::string MemberExtraction::ExtractMember(std::int32_t index, std::string folder, bool PreviewMode) {
  if (index < 0 || static_cast<std::size_t>(index) >= catalogue_.Members.size()) {
    throw ERangeError(texts::kRangeError);
  }
  const AnsiString name(catalogue_.Members[static_cast<std::size_t>(index)].Name);
  // A name with a folder part (or "..") would write outside the chosen
  // folder. Refused before anything is asked, like a target that cannot be
  // created.
  if (!IsPlainFileName(name)) throw EFCreateError(UnsafeMemberNameMessage(name, services_.codePage));

  std::string targetFolder = folder;
  if (targetFolder.empty()) {
    if (watch_ != nullptr) watch_->Asking();
    if (!BrowseForFolder(services_.dialogs, services_.files, kFolderPrompt, "", targetFolder, false, false)) {
      return CancelMarker;
    }
  }
  ExtractFolder = targetFolder;

  std::string target = targetFolder;
  if (target.back() != '/') target += '/';
  target += services_.codePage.AnsiToUtf8(name);

  while (services_.files.FileExists(target)) {
    if (PreviewMode && !folder.empty()) {
      // A temporary copy never replaces a file that is there already.
      target = ExtractFilePath(target) + "_" + ExtractFileName(target);
      continue;
    }
    if (OverwriteAll) {
      if (!*OverwriteAll) return {};
      break;
    }
    if (watch_ != nullptr) watch_->Asking();
    services_.dialogs.MessageBeep(kWarningBeep);
    const DialogAnswer answer =
        services_.dialogs.AskYesNoAll(OverwriteQuestion(target), kOverwriteTitle, MessageIcon::Warning);
    if (answer == DialogAnswer::YesToAll || answer == DialogAnswer::NoToAll) {
      OverwriteAll = answer == DialogAnswer::YesToAll;
    }
    if (answer == DialogAnswer::No || answer == DialogAnswer::NoToAll) return {};
    if (answer == DialogAnswer::Yes || answer == DialogAnswer::YesToAll) break;
    // Closed in another way: the question comes again.
  }

  if (watch_ != nullptr) {
    watch_->MemberStarts(services_.codePage.AnsiToUtf8(name),
                         catalogue_.Members[static_cast<std::size_t>(index)].StoredSize);
  }
  // The container first: when it cannot be opened no target is created.
  // The target is declared last so it is closed first.
  const std::unique_ptr<Stream> source = services_.files.OpenRead(catalogue_.ContainerPath);
  std::unique_ptr<Stream> destination = Watched(services_.files.Create(target), watch_);
  try {
    catalogue_.CopyMemberDataDirect(name, *source, *destination);
  } catch (const ExtractionStopped&) {
    // The files written before stay; half a file would pass for the member.
    destination.reset();
    services_.files.DeleteFile(target);
    throw;
  } catch (...) {
    // An extracted file keeps what was written, but a half-written
    // temporary copy is of no use to anyone and would stay behind.
    if (PreviewMode && !folder.empty()) {
      destination.reset();
      services_.files.DeleteFile(target);
    }
    throw;
  }
  return target;
}

}  // namespace sorvane
