#include "container/ContainerWriter.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>

#include "container/LittleEndian.h"
#include "container/TaggedValueWriter.h"
#include "container/TextScrambling.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

constexpr std::size_t kDataBlockSize = 1 << 20;
constexpr std::int64_t kMaxLength = std::numeric_limits<std::int32_t>::max();

}  // namespace

ContainerWriter::ContainerWriter(Stream& out, std::int32_t accountCount)
    : out_(out), start_(out.Position()), accountCount_(accountCount) {
  if (accountCount < 0) throw std::invalid_argument("ContainerWriter: negative account count");
  std::string header;
  AppendInt32(header, 0);  // the member count, written again by Finish
  AppendInt32(header, accountCount);
  out_.WriteBuffer(header.data(), header.size());
}

void ContainerWriter::WriteRecordHead(const AnsiString& name, const std::vector<std::int32_t>& flags,
                                      std::int64_t length, std::optional<std::int32_t> storedSize) {
  if (finished_) throw std::logic_error("ContainerWriter: member added after Finish");
  if (flags.size() != static_cast<std::size_t>(accountCount_)) {
    throw std::invalid_argument("ContainerWriter: one flag per account is needed");
  }
  if (length < 0 || length > kMaxLength || name.size() > static_cast<std::size_t>(kMaxLength)) {
    throw std::invalid_argument("ContainerWriter: a member must stay below 2 GiB");
  }
  if (memberCount_ == std::numeric_limits<std::int32_t>::max()) {
    throw std::invalid_argument("ContainerWriter: too many members");
  }
  std::string head;
  AppendInt32(head, static_cast<std::int32_t>(name.size()));
  head += ScrambleText(name);
  for (const std::int32_t flag : flags) AppendInt32(head, flag);
  AppendInt32(head, storedSize.value_or(static_cast<std::int32_t>(length)));
  AppendInt32(head, static_cast<std::int32_t>(length));
  out_.WriteBuffer(head.data(), head.size());
  ++memberCount_;
}

void ContainerWriter::AddMember(const AnsiString& name, const std::vector<std::int32_t>& flags, std::string_view data,
                                std::optional<std::int32_t> storedSize) {
  WriteRecordHead(name, flags, static_cast<std::int64_t>(data.size()), storedSize);
  out_.WriteBuffer(data.data(), data.size());
}

void ContainerWriter::AddMemberFrom(const AnsiString& name, const std::vector<std::int32_t>& flags, Stream& data,
                                    std::int64_t length, std::optional<std::int32_t> storedSize) {
  WriteRecordHead(name, flags, length, storedSize);
  std::unique_ptr<char[]> block(new char[kDataBlockSize]);
  while (length > 0) {
    const auto step = static_cast<std::size_t>(std::min<std::int64_t>(length, kDataBlockSize));
    data.ReadBuffer(block.get(), step);
    out_.WriteBuffer(block.get(), step);
    length -= static_cast<std::int64_t>(step);
  }
}

void ContainerWriter::Finish(const std::vector<ContainerAccount>& accounts, const AnsiString& title,
                             const AnsiString& author, const std::optional<std::string>& extraValue) {
  if (finished_) throw std::logic_error("ContainerWriter: Finish called twice");
  if (accounts.size() != static_cast<std::size_t>(accountCount_)) {
    throw std::invalid_argument("ContainerWriter: the account count differs from the header");
  }
  TaggedValueWriter trailer;
  trailer.ListStart();
  for (const ContainerAccount& account : accounts) {
    trailer.Text(ScrambleText(account.Name));
    trailer.Text(ScrambleText(account.Password));
    trailer.Integer(account.Column);
  }
  trailer.Flag(extraValue.has_value());
  if (extraValue) trailer.Raw(*extraValue);
  trailer.Text(title);
  trailer.Text(author);
  trailer.ListEnd();
  out_.WriteBuffer(trailer.Bytes().data(), trailer.Bytes().size());

  const std::int64_t end = out_.Position();
  std::string count;
  AppendInt32(count, memberCount_);
  out_.Seek(start_, SeekOrigin::Begin);
  out_.WriteBuffer(count.data(), count.size());
  out_.Seek(end, SeekOrigin::Begin);
  finished_ = true;
}

}  // namespace sorvane
