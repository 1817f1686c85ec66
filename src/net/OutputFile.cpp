#include "net/OutputFile.h"

#include "platform/Errors.h"

namespace sorvane {

OutputFile::OutputFile(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
  if (file_ == nullptr) throw EFCreateError(FormatText(texts::kFCreateError, path));
  std::setvbuf(file_, nullptr, _IONBF, 0);
}

OutputFile::~OutputFile() {
  if (file_ != nullptr) std::fclose(file_);
}

void OutputFile::Write(const void* data, std::size_t count) {
  if (count == 0) return;
  if (file_ == nullptr || std::fwrite(data, 1, count, file_) != count)
    throw EWriteError(texts::kWriteError);
}

void OutputFile::Close() {
  if (file_ == nullptr) return;
  const bool failed = std::fclose(file_) != 0;
  file_ = nullptr;
  if (failed) throw EWriteError(texts::kWriteError);
}

}  // namespace sorvane
