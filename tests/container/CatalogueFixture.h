#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "container/ContainerCatalogue.h"
#include "container/ContainerWriter.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/RecordingLoadEffects.h"
#include "platform/Errors.h"
#include "platform/MemoryStream.h"
#include "platform/Cp1252CodePage.h"

namespace sorvane {

// A catalogue over an in-memory file system whose window effects are
// recorded, with helpers that load a container given as bytes.
class CatalogueFixture : public ::testing::Test {
 protected:
  CatalogueFixture() : catalogue(files, codePage, effects) {}

  // Stores bytes as /c/box.zvq and loads it.
  void Load(const std::string& bytes) {
    files.AddFile("/c/box.zvq", bytes);
    catalogue.ContainerPath = "/c/box.zvq";
    effects.calls.clear();
    catalogue.LoadCatalogue();
  }

  // Loads bytes and returns the failure's text, or "loaded".
  std::string LoadError(const std::string& bytes) {
    try {
      Load(bytes);
    } catch (const Exception& e) {
      return e.what();
    }
    return "loaded";
  }

  // A container of the given members (all visible in every column) for the
  // accounts, written the way the creator writes them.
  static std::string Container(const std::vector<std::pair<AnsiString, std::string>>& members,
                               const std::vector<ContainerAccount>& accounts, const AnsiString& title = "Titel",
                               const AnsiString& author = "Autor") {
    MemoryStream out;
    ContainerWriter writer(out, static_cast<std::int32_t>(accounts.size()));
    for (const auto& [name, data] : members) writer.AddMember(name, std::vector<std::int32_t>(accounts.size(), 1), data);
    writer.Finish(accounts, title, author);
    return out.Bytes();
  }

  // The calls a load makes after disabling the main window when it fails
  // before the member records: the wait window is closed all the same.
  static std::vector<std::string> EarlyFailureCalls() {
    return {"DisableMainWindow", "CloseWaitWindow", "EnableMainWindow"};
  }

  FakeFileSystem files;
  Cp1252CodePage codePage;
  RecordingLoadEffects effects;
  ContainerCatalogue catalogue;
};

}  // namespace sorvane
