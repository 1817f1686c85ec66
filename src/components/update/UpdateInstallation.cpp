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

}  // namespace

InstallationResult PrepareInstallation(TZipArchive& zip, FileSystem& files, const ScriptPaths& paths,
                                       const std::string& zipFileName, bool restart, const ArchiveCheck& check) {
  const std::string archive = paths.tempFolder + zipFileName;
  if (!files.FileExists(archive)) return InstallationResult::ArchiveMissing;

  const std::string unpacked = check ? check(archive) : archive;
  const auto dropCopy = [&] {
    if (unpacked != archive) files.DeleteFile(unpacked);
  };
  zip.SetEngineDirectory(paths.programFolder);
  zip.ZipFileName = unpacked;
  zip.ExtractBaseDir = paths.tempFolder;
  try {
    zip.Extract();
  } catch (...) {
    dropCopy();
    throw;
  }
  dropCopy();

  const std::string scriptPath = paths.tempFolder + kUpdateScriptName;
  const std::string script = BuildUpdateScript(ReadWhole(files, scriptPath), paths, restart);
  {
    auto out = files.Create(scriptPath);
    try {
      out->WriteBuffer(script.data(), script.size());
    } catch (const Exception&) {
      throw EFCreateError(FormatText(texts::kFCreateError, scriptPath));
    }
  }
  files.DeleteFile(archive);
  return InstallationResult::Prepared;
}

bool ZipUpdateInstallation::Prepare(const std::string& tempFolder, const std::string& zipFileName, bool restart,
                                    const ArchiveCheck& check) {
  const ScriptPaths paths{program_.ProgramFolder(), tempFolder, program_.ProgramPath()};
  return PrepareInstallation(zip_, files_, paths, zipFileName, restart, check) == InstallationResult::Prepared;
}

}  // namespace sorvane
