#pragma once

#include <string>
#include <vector>

#include "components/update/UpdateSteps.h"
#include "components/zip/TZipArchive.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/ProgramFile.h"
#include "platform/ScriptDialect.h"

namespace sorvane {

// A template line that does not exist.
class EStringListError : public Exception {
  using Exception::Exception;
};

namespace texts {
inline constexpr char kListIndexError[] = "Listenindex überschreitet das Maximum (%d)";
}  // namespace texts

// The installation script's name, in the temporary folder.
inline constexpr char kUpdateScriptName[] = "Update.bat";

// The three paths a template works with, UTF-8 as the file system has them.
struct ScriptPaths {
  std::string programFolder;  // P: the program's folder, ending with "/"
  std::string tempFolder;     // T: the temporary folder, ending with "/"
  std::string programFile;    // F: the program file's full path
};

// The lines of a text as the runtime's string list reads it: lines end at
// CR LF, LF or a lone CR; a last line without an end counts, a final line
// end adds no empty line; a NUL byte ends the text.
std::vector<std::string> SplitTemplateLines(const std::string& text);

// The installation script made from a template's text, as the bytes saved
// as "Update.bat": groups of four lines (the first copied, the second and
// third formatted with P, the fourth with T and P) up to a line at a group
// position that begins with a blank, which starts the tail (every line
// formatted with T); then, with restart, the dialect's restart of the
// program, and the script's own removal. P and T enter the lines as the
// dialect writes paths, and every line ends as the dialect's lines do.
//
// Throws EStringListError "Listenindex überschreitet das Maximum (i)" for an
// empty template or an incomplete group (i the missing line's index), and
// Format's EConvertError for a line that does not fit its arguments.
std::string BuildUpdateScript(const std::string& templateText, const ScriptPaths& paths, bool restart,
                              const ScriptDialect& dialect);

enum class InstallationResult {
  ArchiveMissing,  // TempFolder + archive name does not exist: nothing was done
  Prepared,        // unpacked, "Update.bat" written, the archive deleted
};

// Prepares the installation of a downloaded update: removes any earlier
// "Update.bat" (in any case) from the temporary folder, unpacks the archive
// (TempFolder + zipFileName) with zip into it (engine directory and mode
// folder: the program's folder, so that a member replacing a program file
// gets that file's mode), turns the archive's "Update.bat" (its name in any
// case, as Windows finds it) into the installation script "Update.bat",
// and deletes the archive. The script is started when the program ends
// (ScriptRunner). paths.tempFolder is the temporary folder.
//
// Errors leave as exceptions with the runtime's German texts: the ZIP
// component's EZipError; EFOpenError "Datei %s kann nicht geöffnet werden"
// when the archive brought no "Update.bat"; the template errors of
// BuildUpdateScript; EFCreateError "Datei %s kann nicht erstellt werden"
// when an earlier script cannot be removed or the script cannot be written;
// check's errors; the dialect's error for a folder or the program file that
// the script cannot name, before anything is unpacked. The archive stays
// then (unless check deleted it).
//
// With check, what is unpacked is the file check makes of the archive (its
// checked private copy), deleted once unpacked; without, the archive itself,
// for tools and tests that have nothing to check.
InstallationResult PrepareInstallation(TZipArchive& zip, FileSystem& files, const ScriptPaths& paths,
                                       const std::string& zipFileName, bool restart, const ScriptDialect& dialect,
                                       const ArchiveCheck& check = nullptr);

// The update wizard's installation step over PrepareInstallation: P and F
// from the running program, T the wizard's temporary folder.
class ZipUpdateInstallation : public UpdateInstallation {
 public:
  ZipUpdateInstallation(TZipArchive& zip, FileSystem& files, ProgramFile& program, const ScriptDialect& dialect)
      : zip_(zip), files_(files), program_(program), dialect_(dialect) {}

  bool Prepare(const std::string& tempFolder, const std::string& zipFileName, bool restart,
               const ArchiveCheck& check) override;

 private:
  TZipArchive& zip_;
  FileSystem& files_;
  ProgramFile& program_;
  const ScriptDialect& dialect_;
};

}  // namespace sorvane
