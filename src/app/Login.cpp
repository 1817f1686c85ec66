#include "app/Login.h"

#include <algorithm>

namespace sorvane {

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
  std::stable_sort(visible.begin(), visible.end(), [&](std::int32_t a, std::int32_t b) {
    return locale.CompareStrings(catalogue.Members[static_cast<std::size_t>(a)].Name,
                                 catalogue.Members[static_cast<std::size_t>(b)].Name) < 0;
  });
  return visible;
}

}  // namespace sorvane
