#include "components/zip/TZipArchive.h"

#include <utility>

#include "components/zip/EnginePlacement.h"
#include "components/zip/ZipEngineApi.h"

namespace sorvane {

// One loaded unpacking engine, kept until the component goes or another
// engine file is asked for.
class TZipArchive::Engine {
 public:
  Engine(DynamicLibraries& libraries, std::string path) : path_(std::move(path)) {
    std::string reason;
    library_ = libraries.Open(path_, reason);
    if (!library_) {
      std::string text = FormatText(texts::kEngineNotLoaded, path_);
      if (!reason.empty()) text += " (" + reason + ")";
      throw EZipError(text);
    }
    exec_ = reinterpret_cast<UnzipEngineExecFunction>(library_->Symbol("UnzipEngineExec"));
    const auto version = reinterpret_cast<GetEngineVersionFunction>(library_->Symbol("GetUnzipEngineVersion"));
    if (exec_ == nullptr || version == nullptr ||
        ZIP_ENGINE_VERSION_MAJOR(version()) != ZIP_ENGINE_VERSION_MAJOR(ZIP_ENGINE_VERSION)) {
      throw EZipError(FormatText(texts::kEngineInvalid, path_));
    }
  }

  const std::string& Path() const { return path_; }
  UnzipEngineExecFunction Exec() const { return exec_; }

 private:
  std::string path_;
  std::unique_ptr<DynamicLibrary> library_;
  UnzipEngineExecFunction exec_ = nullptr;
};

TZipArchive::TZipArchive(std::string systemFolder, FileSystem& files, DynamicLibraries& libraries,
                         ProgramResources& engines)
    : systemFolder_(std::move(systemFolder)), files_(files), libraries_(libraries), engines_(engines) {}

TZipArchive::~TZipArchive() = default;

void TZipArchive::SetEngineDirectory(const std::string& folder) {
  engineDirectory_ = folder;
  while (engineDirectory_.size() > 1 && (engineDirectory_.back() == '/' || engineDirectory_.back() == '\\')) {
    engineDirectory_.pop_back();
  }
}

std::string TZipArchive::EnginePath() const {
  if (!engineDirectory_.empty()) {
    const std::string own = engineDirectory_ + "/UNZIPENGINE.DLL";
    if (HoldsCarriedUnzipEngine(files_, engines_, own)) return own;
  }
  return systemFolder_ + kUnzipEngineFile;
}

void TZipArchive::Extract() {
  extracted_ = skipped_ = 0;
  if (ZipFileName.empty()) throw EZipError(texts::kNoZipFileName);
  const std::string path = EnginePath();
  if (!engine_ || engine_->Path() != path) {
    engine_.reset();
    engine_ = std::make_unique<Engine>(libraries_, path);
  }

  const std::string target = ExtractBaseDir.empty() ? std::string(".") : ExtractBaseDir;
  UnzipEngineCommand command{};
  command.size = sizeof command;
  command.archive = ZipFileName.c_str();
  command.target = target.c_str();
  command.options = (ExtractOptions.FolderNames ? UZ_OPT_FOLDER_NAMES : 0u) |
                    (ExtractOptions.Overwrite ? UZ_OPT_OVERWRITE : 0u);
  const bool listening = OnMessage && (Verbose || Trace);
  if (listening) {
    command.report = [](void* context, int32_t kind, const char* text) {
      auto& self = *static_cast<TZipArchive*>(context);
      if (kind == UZ_REPORT_WRITTEN && (self.Verbose || self.Trace)) self.OnMessage(self, text);
      if (kind == UZ_REPORT_SKIPPED && self.Trace) self.OnMessage(self, std::string("übersprungen: ") + text);
    };
    command.context = this;
  }
  command.modeFolder = ModeBaseDir.c_str();
  ZipEngineResult result{};
  result.size = sizeof result;
  const int32_t error = engine_->Exec()(&command, &result);
  extracted_ = result.written;
  skipped_ = result.skipped;
  if (error != ZE_OK) {
    result.message[sizeof result.message - 1] = '\0';
    throw EZipError(result.message[0] != '\0' ? result.message : FormatText(texts::kEngineInvalid, path));
  }
}

}  // namespace sorvane
