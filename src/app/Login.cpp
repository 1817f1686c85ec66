#include "app/Login.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>

namespace sorvane {
namespace {

// Sorts members (indices into Members) stably by the sort keys of their
// names, where the locale has such keys; false, members unchanged, where it
// has none.
bool SortBySortKeys(const ContainerCatalogue& catalogue, Locale& locale, std::vector<std::int32_t>& members) {
  const auto name = [&](std::int32_t member) { return catalogue.Members[static_cast<std::size_t>(member)].Name; };
  if (members.empty()) return true;
  std::string keys;  // one after the other, ending at ends
  // The first key says whether there are keys, before any room is taken.
  if (!locale.AppendSortKey(name(members[0]), keys)) return false;
  std::size_t estimate = 0;
  for (const std::int32_t member : members) estimate += 2 * name(member).size() + 8;
  keys.reserve(estimate);
  std::vector<std::size_t> ends{keys.size()};
  ends.reserve(members.size());
  for (std::size_t i = 1; i < members.size(); ++i) {
    if (!locale.AppendSortKey(name(members[i]), keys)) return false;
    ends.push_back(keys.size());
  }
  const std::string_view all(keys);
  const auto key = [&](std::int32_t position) {
    const auto at = static_cast<std::size_t>(position);
    const std::size_t begin = at == 0 ? 0 : ends[at - 1];
    return all.substr(begin, ends[at] - begin);
  };
  std::vector<std::int32_t> order(members.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) { return key(a) < key(b); });
  for (std::int32_t& position : order) position = members[static_cast<std::size_t>(position)];
  members.swap(order);
  return true;
}

}  // namespace

bool GuestNeedsPassword(const ContainerCatalogue& catalogue) {
  return !catalogue.Accounts.empty() && !catalogue.Accounts[0].Password.empty();
}

LoginOutcome LogInAsGuest(const ContainerCatalogue& catalogue, const AnsiString& password) {
  LoginOutcome outcome;
  if (catalogue.Accounts.empty()) {
    outcome.Message = login_texts::kNoGuestAccount;
    return outcome;
  }
  if (GuestNeedsPassword(catalogue) && password != catalogue.Accounts[0].Password) {
    outcome.Message = login_texts::kWrongPassword;
    return outcome;
  }
  outcome.Account = 0;
  outcome.Column = 0;
  return outcome;
}

LoginOutcome FindUserAccount(const ContainerCatalogue& catalogue, const AnsiString& userName) {
  LoginOutcome outcome;
  // An empty name is refused even when an account of that name exists.
  if (userName.empty()) {
    outcome.Message = login_texts::kEmptyUserName;
    return outcome;
  }
  const std::int32_t account = catalogue.FindAccount(userName);
  if (account < 0) {
    outcome.Message = login_texts::kUnknownUser;
    return outcome;
  }
  outcome.Account = account;
  outcome.Column = catalogue.Accounts[static_cast<std::size_t>(account)].Column;
  return outcome;
}

LoginOutcome LogInAsUser(const ContainerCatalogue& catalogue, const AnsiString& userName, const AnsiString& password) {
  LoginOutcome outcome = FindUserAccount(catalogue, userName);
  if (outcome.Accepted() && password != catalogue.Accounts[static_cast<std::size_t>(outcome.Account)].Password) {
    outcome = LoginOutcome{login_texts::kWrongPassword};
  }
  return outcome;
}

std::vector<std::int32_t> ListVisibleMembers(const ContainerCatalogue& catalogue, std::int32_t column, Locale& locale) {
  std::vector<std::int32_t> visible;
  for (std::size_t i = 0; i < catalogue.Members.size(); ++i) {
    if (ContainerCatalogue::IsVisible(catalogue.Members[i], column)) visible.push_back(static_cast<std::int32_t>(i));
  }
  if (!SortBySortKeys(catalogue, locale, visible)) {
    std::stable_sort(visible.begin(), visible.end(), [&](std::int32_t a, std::int32_t b) {
      return locale.CompareStrings(catalogue.Members[static_cast<std::size_t>(a)].Name,
                                   catalogue.Members[static_cast<std::size_t>(b)].Name) < 0;
    });
  }
  return visible;
}

}  // namespace sorvane
