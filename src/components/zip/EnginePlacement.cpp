#include "components/zip/EnginePlacement.h"

#include <string_view>

#include "platform/Errors.h"

namespace sorvane {
namespace {

void WriteResource(FileSystem& files, ProgramResources& resources, const char* name, const std::string& path) {
  const auto bytes = resources.Find(name, kEngineResourceType);
  if (!bytes) throw EFCreateError(FormatText(texts::kFCreateError, path));
  const std::string scratch = path + ".neu";
  try {
    auto file = files.Create(scratch);
    file->WriteBuffer(bytes->data(), bytes->size());
  } catch (const Exception&) {
    files.DeleteFile(scratch);
    throw EFCreateError(FormatText(texts::kFCreateError, path));
  }
  if (!files.RenameFile(scratch, path)) {
    files.DeleteFile(scratch);
    throw EFCreateError(FormatText(texts::kFCreateError, path));
  }
}

// True when the file at path holds exactly bytes.
bool Holds(FileSystem& files, const std::string& path, std::string_view bytes) {
  if (!files.FileExists(path)) return false;
  try {
    auto file = files.OpenRead(path);
    char block[16384];
    std::size_t at = 0;
    for (std::size_t got; (got = file->Read(block, sizeof block)) > 0; at += got) {
      if (at + got > bytes.size() || bytes.compare(at, got, std::string_view(block, got)) != 0) return false;
    }
    return at == bytes.size();
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace

bool HoldsCarriedUnzipEngine(FileSystem& files, ProgramResources& resources, const std::string& path) {
  const auto carried = resources.Find(kUnzipEngineResource, kEngineResourceType);
  return carried && Holds(files, path, *carried);
}

bool PlaceZipEngines(FileSystem& files, ProgramResources& resources, const std::string& systemFolder) {
  const std::string unzipEngine = systemFolder + kUnzipEngineFile;
  if (HoldsCarriedUnzipEngine(files, resources, unzipEngine)) return false;
  WriteResource(files, resources, kZipEngineResource, systemFolder + kZipEngineFile);
  WriteResource(files, resources, kUnzipEngineResource, unzipEngine);
  return true;
}

}  // namespace sorvane
