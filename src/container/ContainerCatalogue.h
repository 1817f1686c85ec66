#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "container/LoadEffects.h"
#include "container/MemberTable.h"
#include "container/RecordPositions.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/Stream.h"
#include "platform/Text.h"

namespace sorvane {

struct ContainerAccount {
  AnsiString Name;      // unscrambled
  AnsiString Password;  // unscrambled; empty when the account has none
  std::int32_t Column = 0;
};

// The in-memory picture of the opened container: members with their
// visibility and shown size, accounts, title and author. It keeps no member
// data. CopyMemberData scans the container file afresh;
// CopyMemberDataDirect goes straight to the member while the file is the
// one loaded.
class ContainerCatalogue {
 public:
  ContainerCatalogue(FileSystem& files, CodePage& codePage, LoadEffects& effects);

  // Path of the container to load (as the file system spells it). Set by the
  // caller before LoadCatalogue; the catalogue never changes it.
  std::string ContainerPath;
  MemberTable Members;
  std::vector<ContainerAccount> Accounts;
  AnsiString Title;
  AnsiString Author;

  // Reads the container at ContainerPath. On success Members, Accounts,
  // Title and Author describe it. On failure throws one of the runtime's
  // error kinds with its German text and leaves the previous catalogue as it
  // was; the window effects are undone either way (see LoadEffects).
  //
  // The failures: EFOpenError when the file cannot be opened (before any
  // window effect); ERangeError for a negative count or a table whose size in
  // bytes exceeds 32 bits; EReadError "Stream-Lesefehler" for a file that
  // ends early, a negative length or data reaching past the end of the file,
  // including counts the rest of the file cannot hold; EReadError
  // "Ungültiger Eigenschaftswert" for a trailer value of the wrong kind;
  // EOutOfMemory when memory runs out. Member records are read directly from
  // the file with their data passed over by seeking, so the time grows with
  // the number of members, not their size; records that lie close together
  // share the reads of a read-ahead buffer.
  void LoadCatalogue();

  // Index of the first member / account whose Name equals name byte for
  // byte, or -1.
  std::int32_t FindMember(std::string_view name) const;
  std::int32_t FindAccount(const AnsiString& name) const;

  // Whether member is visible in column; a column outside its flags is not
  // visible.
  static bool IsVisible(const ContainerMember& member, std::int32_t column);

  // Copies the data of the first member record named name from source (a
  // container positioned at its start) to destination, in blocks of at most
  // 61,440 bytes. A name that is not there writes nothing. Leaves source
  // where it was on success.
  //
  // The records are scanned afresh, so the copy reflects the file as it is
  // now. Failures: EReadError "Stream-Lesefehler" when the source ends before
  // the data does (every byte obtained has been written) or a record has a
  // negative length; ERangeError for negative counts; EWriteError
  // "Stream-Schreibfehler" when the destination takes fewer bytes than given.
  // After a failure the source position is not restored.
  static void CopyMemberData(std::string_view name, Stream& source, Stream& destination);

  // The same copy, with the same result, errors and leftovers, but the
  // member's record is found where it lies instead of by a walk from the
  // start, so that copying every member takes time in their number, not its
  // square. It goes there only while source is the file last loaded,
  // unchanged (see RecordPositions), and only when the record's head there
  // holds the name and the data length expected; otherwise, and for a name
  // the catalogue does not know, it walks as CopyMemberData does.
  void CopyMemberDataDirect(std::string_view name, Stream& source, Stream& destination);

  // Size of the file at path (made a full path first), -1 when there is
  // none; a folder has size 0. Files beyond 2 GiB report their full size.
  std::int64_t GetFileSize(const std::string& path);

 private:
  FileSystem& files_;
  CodePage& codePage_;
  LoadEffects& effects_;
  RecordPositions positions_;
  std::vector<unsigned char> scratch_;  // a small record, read whole
};

}  // namespace sorvane
