#pragma once

#include <map>
#include <string>
#include <vector>

#include "fakes/FakeLocale.h"
#include "platform/FileSystem.h"
#include "platform/PictureDecoder.h"
#include "platform/ProgramFile.h"
#include "platform/Shell.h"
#include "platform/SystemFolders.h"

namespace sorvane {

// A shell that records its calls; deletions act on the given file system,
// so a test sees a deleted copy gone.
class FakeShell : public Shell {
 public:
  explicit FakeShell(FileSystem& files) : files_(files) {}

  struct OpenCall {
    std::string path, parameters, workingFolder;
    int showCommand;
  };
  struct FileOperationCall {
    int operation;
    std::vector<std::string> files;
    std::string destination;
    bool confirm;
  };
  std::vector<OpenCall> opened;
  std::vector<FileOperationCall> operations;

  void Open(const std::string& path, const std::string& parameters, const std::string& workingFolder,
            int showCommand) override {
    opened.push_back({path, parameters, workingFolder, showCommand});
  }
  bool FileOperation(int operation, const std::vector<std::string>& files, const std::string& destination,
                     bool confirm) override {
    operations.push_back({operation, files, destination, confirm});
    bool ok = true;
    if (operation == FO_DELETE) {
      for (const std::string& file : files) ok = files_.DeleteFile(file) && ok;
    }
    return ok;
  }

 private:
  FileSystem& files_;
};

class FakeSystemFolders : public SystemFolders {
 public:
  std::string tempPath = "/tmp/user/";
  std::string TempPath() override { return tempPath; }
};

class FakeProgramFile : public ProgramFile {
 public:
  std::string path = "/prog/sorvane";
  std::string native;  // NativeProgramPath's answer when set
  std::string ProgramPath() override { return path; }
  std::string NativeProgramPath() override { return native.empty() ? path : native; }
};

// Decodes "files" written as "PIC <width> <height>" (what the tests store in
// picture members); anything else fails with the decoder's message. Records
// every call as "jpeg <path>" or "bitmap <path>" with the bytes the file had.
class FakePictureDecoder : public PictureDecoder {
 public:
  explicit FakePictureDecoder(FileSystem& files) : files_(files) {}

  std::vector<std::string> calls;

  Picture DecodeJpeg(const std::string& path) override { return Decode("jpeg", path, "JPEG-Fehler #53"); }
  Picture DecodeBitmap(const std::string& path) override { return Decode("bitmap", path, "Bitmap ist ungültig"); }

 private:
  Picture Decode(const std::string& kind, const std::string& path, const std::string& failure);
  FileSystem& files_;
};

}  // namespace sorvane
