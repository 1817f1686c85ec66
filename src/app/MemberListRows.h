#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/Form1View.h"
#include "container/ContainerCatalogue.h"
#include "platform/CodePage.h"
#include "platform/Locale.h"

namespace sorvane {

// The entries of ListView_Files as the main window keeps them: the members
// a login sees, in the order of the list, each with its tick. A login may
// see a million members, so the list control holds none of them; it asks
// here for the rows it draws. An entry refers to its member by index into
// the catalogue's members; the member actions find it again by name.
class MemberListRows : public Form1FileRows {
 public:
  MemberListRows(const ContainerCatalogue& catalogue, CodePage& codePage, Locale& locale);

  // The entries become members (indices into Members, in list order), none
  // ticked.
  void Fill(std::vector<std::int32_t> members);

  // Form1FileRows.
  int Count() override { return static_cast<int>(members_.size()); }
  std::string Caption(int row) override;
  std::string SizeText(int row) override;
  bool IsTicked(int row) override { return Inside(row) && ticks_[static_cast<std::size_t>(row)] != 0; }
  void SetTicked(int row, bool ticked) override;

  void SetAllTicked(bool ticked);
  bool AnyTicked() const { return ticked_ > 0; }
  // The member's name of an entry; empty outside the list (or when the
  // catalogue no longer holds the member).
  std::string_view Name(int row) const;
  // The size the entry shows, in bytes; 0 where Name is empty.
  std::int64_t Size(int row) const;

 private:
  bool Inside(int row) const { return row >= 0 && static_cast<std::size_t>(row) < members_.size(); }
  // The member of an entry, or nothing (see Name).
  bool Member(int row, ContainerMember& member) const;

  const ContainerCatalogue& catalogue_;
  CodePage& codePage_;
  Locale& locale_;
  std::vector<std::int32_t> members_;
  std::vector<std::uint8_t> ticks_;
  std::size_t ticked_ = 0;
};

}  // namespace sorvane
