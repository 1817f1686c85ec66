#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Resources.h"

namespace sorvane {

// The engine libraries as the program carries them (resource type
// "ZIPFILE") and as they are called in the system folder.
inline constexpr char kEngineResourceType[] = "ZIPFILE";
inline constexpr char kZipEngineResource[] = "ZIPENGINE";
inline constexpr char kUnzipEngineResource[] = "UNZIPENGINE";
inline constexpr char kZipEngineFile[] = "ZipEngine.dll";
inline constexpr char kUnzipEngineFile[] = "UnzipEngine.dll";

// Writes the two engine resources unchanged as "ZipEngine.dll" and then
// "UnzipEngine.dll" into systemFolder (ending with "/") unless
// "UnzipEngine.dll" there holds exactly the unpacking engine this program
// carries; then neither file is touched. A damaged engine or one of another
// version is thus replaced, not only a missing one. The bytes are compared
// rather than the library loaded: loading a file cut short can crash the
// program. Each file is written beside its place and renamed over it, so
// that no engine is ever found half written. True when the files were
// written. Throws EFCreateError "Datei %s kann nicht erstellt werden" for a
// file that cannot be written (a resource the program lacks counts as one).
// The unpacking engine is written last, so a placement cut short is made
// again at the next start.
bool PlaceZipEngines(FileSystem& files, ProgramResources& resources, const std::string& systemFolder);

// True when the file at path holds exactly the unpacking engine in
// resources; false also when it is missing, unreadable or resources lack it.
bool HoldsCarriedUnzipEngine(FileSystem& files, ProgramResources& resources, const std::string& path);

// The engines embedded in this program at build time.
ProgramResources& EmbeddedEngineResources();

}  // namespace sorvane
