#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "container/ContainerCatalogue.h"
#include "platform/Stream.h"
#include "platform/Text.h"

namespace sorvane {

// Writes a container file front to back onto a stream, in the layout the
// catalogue reads: a header of two counts, one record per member (scrambled
// name, one flag per visibility column, shown size, data), and a tagged
// trailer with the accounts, an optional extra value, title and author.
//
//   MemoryStream out;                       // or a file from FileSystem::Create
//   ContainerWriter writer(out, 1);         // one account, so one flag column
//   writer.AddMember("a.txt", {1}, "hi");   // visible in column 0
//   writer.Finish({{"abc", "", 0}}, "T", "A");
//
// gives the 49-byte container that lists a.txt for the account "abc".
//
// Names, passwords, title and author are ANSI byte strings, written as given
// (names and account texts scrambled). Flags are stored as the full 32-bit
// values given; the reader keeps their low byte, so 256 hides a member.
// The member count in the header is written by Finish, which therefore seeks
// back to where the container began; everything else is written in order.
//
// Misuse (a flag list that does not have one value per account, a member of
// 2 GiB or more, more accounts or fewer than announced, adding after Finish)
// throws std::invalid_argument or std::logic_error; a stream that does not
// take the bytes throws EWriteError, a data source that ends early EReadError.
class ContainerWriter {
 public:
  // Writes the header at out's current position. out must outlive the writer.
  ContainerWriter(Stream& out, std::int32_t accountCount);

  // A member whose data is in memory. storedSize, when given, is the size the
  // member list shows instead of the data's length.
  void AddMember(const AnsiString& name, const std::vector<std::int32_t>& flags, std::string_view data,
                 std::optional<std::int32_t> storedSize = std::nullopt);

  // A member whose length bytes of data are read from data's current
  // position, in blocks, so members of any size need little memory.
  void AddMemberFrom(const AnsiString& name, const std::vector<std::int32_t>& flags, Stream& data,
                     std::int64_t length, std::optional<std::int32_t> storedSize = std::nullopt);

  // Writes the trailer and the final member count. accounts must hold exactly
  // accountCount entries, the guest account first. extraValue, when given,
  // is one complete encoded tagged value (see TaggedValueWriter) stored
  // after a true flag; the reader skips it.
  void Finish(const std::vector<ContainerAccount>& accounts, const AnsiString& title, const AnsiString& author,
              const std::optional<std::string>& extraValue = std::nullopt);

  std::int32_t MemberCount() const { return memberCount_; }

 private:
  void WriteRecordHead(const AnsiString& name, const std::vector<std::int32_t>& flags, std::int64_t length,
                       std::optional<std::int32_t> storedSize);

  Stream& out_;
  std::int64_t start_;
  std::int32_t accountCount_;
  std::int32_t memberCount_ = 0;
  bool finished_ = false;
};

}  // namespace sorvane
