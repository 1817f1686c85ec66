#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/DynamicLibrary.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/Resources.h"

namespace sorvane {

// A failure of the ZIP component or its engine, with the engine's German text.
class EZipError : public Exception {
  using Exception::Exception;
};

namespace texts {
inline constexpr char kEngineNotLoaded[] = "Die ZIP-Engine %s kann nicht geladen werden";
inline constexpr char kEngineInvalid[] = "Die ZIP-Engine %s ist ungültig oder passt nicht zu diesem Programm";
inline constexpr char kNoZipFileName[] = "Es ist kein ZIP-Archiv angegeben";
}  // namespace texts

// The options of Extract: none (the program's setting) writes every member
// under its last name part into ExtractBaseDir.
struct TExtractOptions {
  bool FolderNames = false;  // keep the members' folders below ExtractBaseDir
  bool Overwrite = false;    // a later member of a name replaces an earlier one
};

// The ZIP archive component. It unpacks through the unpacking engine, a
// shared library loaded on the first Extract: "UNZIPENGINE.DLL" in
// EngineDirectory when that file exists there and holds exactly the engine
// the program carries, else "UnzipEngine.dll" in the system folder, where the
// update component placed it. EngineDirectory is the program folder, which
// may be Downloads or any folder a stranger's file can land in; loading a
// library runs its code, so no file there is loaded that the program did not
// bring itself.
//
// Extract writes every member into ExtractBaseDir (see ZipEngineApi.h for
// the rules of names): a file of a member's name that lay there before is
// replaced, within one archive the first member of a name wins, and a member
// whose data is damaged leaves no file and ends Extract with EZipError.
class TZipArchive {
 public:
  using TMessageEvent = std::function<void(TZipArchive& sender, const std::string& text)>;

  // systemFolder ends with "/". The engine file is looked for in files,
  // compared with the carried "UNZIPENGINE" of engines (EnginePlacement.h)
  // and loaded through libraries; all three outlive the component.
  TZipArchive(std::string systemFolder, FileSystem& files, DynamicLibraries& libraries, ProgramResources& engines);
  ~TZipArchive();
  TZipArchive(const TZipArchive&) = delete;
  TZipArchive& operator=(const TZipArchive&) = delete;

  // Stored settings.
  TExtractOptions ExtractOptions;
  bool Unattended = false;  // never asks anything in any case
  bool Verbose = false;     // OnMessage hears each file written
  bool Trace = false;       // OnMessage hears each member skipped, too
  TMessageEvent OnMessage;

  // Folder of a private unpacking engine; a trailing separator is dropped.
  void SetEngineDirectory(const std::string& folder);
  const std::string& EngineDirectory() const { return engineDirectory_; }

  std::string ZipFileName;     // the archive
  std::string ExtractBaseDir;  // the folder Extract writes into
  // A folder whose files give their modes to the members of their names
  // that are unpacked to replace them (ZipEngineApi.h); empty: none.
  std::string ModeBaseDir;

  // Unpacks the archive. Throws EZipError: the engine cannot be loaded, or
  // its German error text.
  void Extract();

  // Files written and members skipped by the last Extract.
  std::uint32_t ExtractedCount() const { return extracted_; }
  std::uint32_t SkippedCount() const { return skipped_; }

  // The engine file Extract loads now.
  std::string EnginePath() const;

 private:
  class Engine;

  std::string systemFolder_;
  FileSystem& files_;
  DynamicLibraries& libraries_;
  ProgramResources& engines_;
  std::string engineDirectory_;
  std::unique_ptr<Engine> engine_;
  std::uint32_t extracted_ = 0;
  std::uint32_t skipped_ = 0;
};

}  // namespace sorvane
