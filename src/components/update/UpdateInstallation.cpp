#include "components/update/UpdateInstallation.h"

namespace sorvane {
namespace {

std::string ReadWhole(FileSystem& files, const std::string& path) {
  auto stream = files.OpenRead(path);
  std::string text;
  char block[16384];
  for (std::size_t got; (got = stream->Read(block, sizeof block)) > 0;) text.append(block, got);
  return text;
}

// The temporary folder's files named "Update.bat" in any case.
std::vector<std::string> ScriptsIn(FileSystem& files, const std::string& folder) {
  std::vector<std::string> found;
  for (const auto& entry : files.FindFiles(folder, kUpdateScriptName)) {
    if (!entry.directory) found.push_back(folder + entry.name);
  }
  return found;
}

}  // namespace

InstallationResult PrepareInstallation(TZipArchive& zip, FileSystem& files, const ScriptPaths& paths,
                                       const std::string& zipFileName, bool restart, const ScriptDialect& dialect,
                                       const ArchiveCheck& check) {
  const std::string archive = paths.tempFolder + zipFileName;
  if (!files.FileExists(archive)) return InstallationResult::ArchiveMissing;
  // A folder the script cannot name stops the update before anything is
  // unpacked (the dialect throws): the script never runs with another path.
  for (const std::string* path : {&paths.programFolder, &paths.tempFolder, &paths.programFile}) dialect.Path(*path);

  // Only the archive's own template may be found after the unpacking: the
  // script of an earlier update stays while its restarted program runs.
  for (const auto& stale : ScriptsIn(files, paths.tempFolder)) {
    if (!files.DeleteFile(stale)) throw EFCreateError(FormatText(texts::kFCreateError, stale));
  }
  const std::string unpacked = check ? check(archive) : archive;
  const auto dropCopy = [&] {
    if (unpacked != archive) files.DeleteFile(unpacked);
  };
  zip.SetEngineDirectory(paths.programFolder);
  zip.ZipFileName = unpacked;
  zip.ExtractBaseDir = paths.tempFolder;
  zip.ModeBaseDir = paths.programFolder;
  try {
    zip.Extract();
  } catch (...) {
    dropCopy();
    throw;
  }
  dropCopy();

  const std::string scriptPath = paths.tempFolder + kUpdateScriptName;
  std::string templatePath = scriptPath;
  if (!files.FileExists(scriptPath)) {
    const auto found = ScriptsIn(files, paths.tempFolder);
    if (!found.empty()) templatePath = found.front();
  }
  const std::string script = BuildUpdateScript(ReadWhole(files, templatePath), paths, restart, dialect);
  {
    auto out = files.Create(scriptPath);
    try {
      out->WriteBuffer(script.data(), script.size());
    } catch (const Exception&) {
      throw EFCreateError(FormatText(texts::kFCreateError, scriptPath));
    }
  }
  if (templatePath != scriptPath) files.DeleteFile(templatePath);
  files.DeleteFile(archive);
  return InstallationResult::Prepared;
}

bool ZipUpdateInstallation::Prepare(const std::string& tempFolder, const std::string& zipFileName, bool restart,
                                    const ArchiveCheck& check) {
  const ScriptPaths paths{program_.ProgramFolder(), tempFolder, program_.ProgramPath()};
  return PrepareInstallation(zip_, files_, paths, zipFileName, restart, dialect_, check) ==
         InstallationResult::Prepared;
}

}  // namespace sorvane
