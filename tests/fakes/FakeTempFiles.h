#pragma once

#include <string>

#include "fakes/FakeFileSystem.h"
#include "platform/Errors.h"
#include "platform/InternetConnection.h"
#include "platform/TempFiles.h"

namespace sorvane {

// Temporary files in a FakeFileSystem: "<folder><prefix>1.tmp", "...2.tmp"
// and so on, skipping names that exist. Fail() makes the next calls throw
// as the real one does when the folder refuses new files.
class FakeTempFiles : public TempFiles {
 public:
  explicit FakeTempFiles(FakeFileSystem& files) : files_(files) {}

  std::string CreateUniqueFile(const std::string& folder, const std::string& prefix) override {
    const std::string stem = folder + prefix.substr(0, 3);
    if (fail_) throw EFCreateError(FormatText(texts::kFCreateError, stem + "XXXXXX.tmp"));
    std::string path;
    do path = stem + std::to_string(++counter_) + ".tmp";
    while (files_.HasFile(path));
    files_.AddFile(path, "");
    return path;
  }
  void Fail() { fail_ = true; }

 private:
  FakeFileSystem& files_;
  int counter_ = 0;
  bool fail_ = false;
};

// A connected state the test sets; remembers the host it was asked about.
struct FakeInternetConnection : InternetConnection {
  bool Connected(const std::string& updateHost) override {
    askedHost = updateHost;
    return connected;
  }
  bool connected = true;
  std::string askedHost;
};

}  // namespace sorvane
