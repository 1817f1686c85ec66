// The packing engine over libzip. See ZipEngineApi.h for the contract.

#include <zip.h>

#include <cstddef>
#include <string>

#include "components/zip/engine/EngineResult.h"
#include "platform/UnpackFolder.h"

namespace sorvane::engine {
namespace {

std::string LastPart(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int32_t Pack(const ZipEngineCommand& command, ZipEngineResult& result) {
  if (command.fileCount > 0 && command.files == nullptr) {
    return Fail(&result, ZE_ERR_COMMAND, "Ungültiger Befehl an die ZIP-Engine");
  }
  // Unreadable files are found before anything is written.
  for (uint32_t i = 0; i < command.fileCount; ++i) {
    if (command.files[i] == nullptr || !FileReadable(command.files[i])) {
      return Fail(&result, ZE_ERR_READ, "Datei %s kann nicht gelesen werden",
                  command.files[i] != nullptr ? command.files[i] : "");
    }
  }
  int error = 0;
  zip_t* archive = zip_open(command.archive, ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) {
    return Fail(&result, ZE_ERR_CREATE, "Datei %s kann nicht erstellt werden", command.archive);
  }
  const int32_t level = command.level < 0 ? 6 : command.level > 9 ? 9 : command.level;
  for (uint32_t i = 0; i < command.fileCount; ++i) {
    zip_source_t* source = zip_source_file(archive, command.files[i], 0, -1);
    const zip_int64_t index =
        source == nullptr ? -1
                          : zip_file_add(archive, LastPart(command.files[i]).c_str(), source,
                                         ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      if (source != nullptr) zip_source_free(source);
      zip_discard(archive);
      return Fail(&result, ZE_ERR_READ, "Datei %s kann nicht gelesen werden", command.files[i]);
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), level == 0 ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                             static_cast<zip_uint32_t>(level));
    ++result.written;
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    return Fail(&result, ZE_ERR_WRITE, "Datei %s kann nicht geschrieben werden", command.archive);
  }
  return ZE_OK;
}

}  // namespace
}  // namespace sorvane::engine

ZIP_ENGINE_EXPORT uint32_t GetZipEngineVersion(void) { return ZIP_ENGINE_VERSION; }

ZIP_ENGINE_EXPORT int32_t ZipEngineExec(const ZipEngineCommand* given, ZipEngineResult* result) {
  using namespace sorvane::engine;
  if (Begin(result) == nullptr) return ZE_ERR_COMMAND;
  ZipEngineCommand command;
  if (!CopyCommand(given, command, offsetof(ZipEngineCommand, level) + sizeof(int32_t)) || command.archive == nullptr) {
    return Fail(result, ZE_ERR_COMMAND, "Ungültiger Befehl an die ZIP-Engine");
  }
  return Pack(command, *result);
}
