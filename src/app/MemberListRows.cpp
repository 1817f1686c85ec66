#include "app/MemberListRows.h"

#include <algorithm>

#include "platform/FormatSize.h"

namespace sorvane {

MemberListRows::MemberListRows(const ContainerCatalogue& catalogue, CodePage& codePage, Locale& locale)
    : catalogue_(catalogue), codePage_(codePage), locale_(locale) {}

void MemberListRows::Fill(std::vector<std::int32_t> members) {
  members_ = std::move(members);
  ticks_.assign(members_.size(), 0);
  ticked_ = 0;
}

bool MemberListRows::Member(int row, ContainerMember& member) const {
  if (!Inside(row)) return false;
  const auto index = static_cast<std::size_t>(members_[static_cast<std::size_t>(row)]);
  if (index >= catalogue_.Members.size()) return false;
  member = catalogue_.Members[index];
  return true;
}

std::string_view MemberListRows::Name(int row) const {
  ContainerMember member;
  return Member(row, member) ? member.Name : std::string_view();
}

std::int64_t MemberListRows::Size(int row) const {
  ContainerMember member;
  return Member(row, member) ? member.StoredSize : 0;
}

std::string MemberListRows::Caption(int row) { return codePage_.AnsiToUtf8(AnsiString(Name(row))); }

std::string MemberListRows::SizeText(int row) {
  ContainerMember member;
  if (!Member(row, member)) return {};
  return FormatSize(1, false, member.StoredSize, locale_.DecimalSeparator());
}

void MemberListRows::SetTicked(int row, bool ticked) {
  if (!Inside(row)) return;
  std::uint8_t& tick = ticks_[static_cast<std::size_t>(row)];
  if ((tick != 0) == ticked) return;
  tick = ticked ? 1 : 0;
  if (ticked) {
    ++ticked_;
  } else {
    --ticked_;
  }
}

void MemberListRows::SetAllTicked(bool ticked) {
  std::fill(ticks_.begin(), ticks_.end(), ticked ? 1 : 0);
  ticked_ = ticked ? ticks_.size() : 0;
}

}  // namespace sorvane
