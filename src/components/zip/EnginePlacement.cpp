#include "components/zip/EnginePlacement.h"

#include "platform/Errors.h"

namespace sorvane {
namespace {

void WriteResource(FileSystem& files, ProgramResources& resources, const char* name, const std::string& path) {
  const auto bytes = resources.Find(name, kEngineResourceType);
  if (!bytes) throw EFCreateError(FormatText(texts::kFCreateError, path));
  auto file = files.Create(path);
  try {
    file->WriteBuffer(bytes->data(), bytes->size());
  } catch (const Exception&) {
    file.reset();
    files.DeleteFile(path);
    throw EFCreateError(FormatText(texts::kFCreateError, path));
  }
}

}  // namespace

bool PlaceZipEngines(FileSystem& files, ProgramResources& resources, const std::string& systemFolder) {
  const std::string unzipEngine = systemFolder + kUnzipEngineFile;
  if (files.FileExists(unzipEngine)) return false;
  WriteResource(files, resources, kZipEngineResource, systemFolder + kZipEngineFile);
  WriteResource(files, resources, kUnzipEngineResource, unzipEngine);
  return true;
}

}  // namespace sorvane
