#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/ExtractionWatch.h"
#include "app/WizardServices.h"
#include "container/ContainerCatalogue.h"

namespace sorvane {

// The result of ExtractMember when the user cancelled the folder choice.
inline constexpr char CancelMarker[] = "-";

// Writes members of the loaded container as files: the routine behind
// "E&xtrahieren", "Aus&führen" and the picture preview.
class MemberExtraction {
 public:
  MemberExtraction(ContainerCatalogue& catalogue, const WizardServices& services);

  // The folder chosen during the current extract or execute click; the
  // clicks empty it, ExtractMember sets it to the folder it used.
  std::string ExtractFolder;

  // The overwrite question's "Ja, alle" (true) or "Nein, alle" (false): it
  // answers every later question of the same click, which empties it at its
  // start, as it does ExtractFolder.
  std::optional<bool> OverwriteAll;

  // Watches the writing while one click runs (nullptr: nobody does).
  void SetWatch(ExtractionWatch* watch) { watch_ = watch; }

  // Writes Members[index] into folder under its name (converted to UTF-8)
  // and returns the file's path. An empty folder asks the user for one
  // (CancelMarker when cancelled, nothing written). An existing target is
  // overwritten only when the user answers "&Ja" or "Ja, alle" (empty
  // result on "&Nein" or "Nein, alle"; OverwriteAll keeps the answers for
  // all); with PreviewMode and a given folder it is never touched: "_" goes
  // in front of the file name until the name is free.
  // The container is opened afresh for each member and closed again, also
  // on failure. Throws EFOpenError when the container cannot be opened (no
  // target is created then), EFCreateError when the target cannot be
  // created or the member's name is not a plain file name (nothing is asked
  // or written then), ERangeError for an index outside Members, and the
  // copy's read and write errors; a temporary copy (PreviewMode with a
  // folder) that fails half-way is deleted before the error leaves, and so
  // is a target whose writing the watch stops (ExtractionStopped). folder is
  // taken by value: callers pass ExtractFolder itself, which this routine
  // changes.
  std::string ExtractMember(std::int32_t index, std::string folder, bool PreviewMode);

 private:
  ContainerCatalogue& catalogue_;
  WizardServices services_;
  ExtractionWatch* watch_ = nullptr;
};

}  // namespace sorvane
