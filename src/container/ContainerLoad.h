#pragma once

#include <vector>

#include "container/ContainerCatalogue.h"
#include "container/LoadEffects.h"
#include "platform/CodePage.h"
#include "platform/Stream.h"

namespace sorvane {

// What one successful read of a container file gives; the catalogue takes
// it over only when the whole file has been read.
struct LoadedContainer {
  MemberTable Members;
  std::vector<ContainerAccount> Accounts;
  AnsiString Title;
  AnsiString Author;
  std::int64_t RecordsEnd = 0;  // where the trailer starts
};

// Reads the container in file from its current position: the member records
// through a read-ahead buffer (passing over the data of large members by
// seeking), then the trailer through a TaggedValueReader. Reports progress through effects
// (range, wait window, a position per member) but neither disables nor
// enables the main window nor closes the wait window; the caller does that.
//
// Never reads outside the file and never allocates for more entries than the
// file's remaining bytes could hold: a member count the rest of the file
// cannot hold fails before anything is read, while the trailer's own
// shortcomings are left to the trailer's reading. Failures: ERangeError for negative
// counts or a table whose size in bytes exceeds 32 bits, EReadError
// "Stream-Lesefehler" for data that ends early or lengths that reach past the
// end, EReadError "Ungültiger Eigenschaftswert" for a trailer value of the
// wrong kind, EOutOfMemory when memory runs out.
LoadedContainer ReadContainer(Stream& file, CodePage& codePage, LoadEffects& effects);

}  // namespace sorvane
