#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "container/MemberTable.h"
#include "platform/FileStamp.h"
#include "platform/Stream.h"

namespace sorvane {

// Where a member's record lies in the container file: from its head to the
// end of its data.
struct RecordExtent {
  std::int64_t begin;
  std::int64_t end;
};

// Where the loaded container's member records lie, so that a copy goes
// straight to its member instead of walking the records from the start.
// The load keeps only the file's stamp and where its records end; the
// positions are learnt by a pass over the records made when a copy first
// needs them, a stretch ahead at a time, so the load keeps its speed and
// memory and a single copy (a preview) pays no more than a walk to its
// member. They are used only while the file has the stamp it had when it
// was loaded: the same file, size and modification time.
class RecordPositions {
 public:
  // Starts over for a container just loaded from a file of that stamp (none
  // where the system gives none: then nothing is ever found directly) whose
  // records end at recordsEnd.
  void Reset(std::optional<FileStamp> stamp, std::int64_t recordsEnd);

  // Where member index of members lies in source, or nothing when source is
  // not the loaded file as it was loaded, or its records are not where the
  // load saw them. May read source and leaves its position anywhere.
  std::optional<RecordExtent> Find(Stream& source, const MemberTable& members, std::int32_t index);

  // A record was not what the positions said: the file changed without its
  // stamp showing it, and nothing of it is found directly any more.
  void Distrust() { stamp_.reset(); }

 private:
  bool PassTo(Stream& source, const MemberTable& members, std::size_t last);

  std::optional<FileStamp> stamp_;
  std::int64_t recordsEnd_ = 0;
  // The starts of the records passed so far, and after them where the next
  // one starts. Containers stay below 2 GiB, so 32 bits hold every offset:
  // 4 MB for a million members.
  std::vector<std::uint32_t> starts_;
};

}  // namespace sorvane
