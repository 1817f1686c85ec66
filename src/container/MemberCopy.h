#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "container/RecordPositions.h"
#include "platform/Stream.h"

namespace sorvane {

// Copies count bytes from source's position to destination's, in blocks of
// at most 61,440 bytes. Whatever the source delivers is written before a
// short source is reported (EReadError "Stream-Lesefehler"), so the
// destination keeps every byte there was; a destination that takes fewer
// bytes than given is an EWriteError "Stream-Schreibfehler".
void CopyMemberBytes(Stream& source, Stream& destination, std::int64_t count);

// Copies the data of the record at extent in source, when its head is the
// one expected there: the name scrambledName (as stored) and the data
// length that fills the extent, for a container of that many flag columns.
// False, with nothing written, when it is not (the file changed) or its head
// cannot be read whole; the walk from the start then decides. A small
// record is read at once, head and data, into scratch. Throws as
// CopyMemberBytes does once the head has been found right.
bool CopyRecordAt(Stream& source, Stream& destination, std::string_view scrambledName, std::size_t columns,
                  RecordExtent extent, std::vector<unsigned char>& scratch);

}  // namespace sorvane
