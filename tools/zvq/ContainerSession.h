#pragma once

#include <cstdint>
#include <optional>

#include "ZvqOptions.h"
#include "ZvqServices.h"
#include "container/ContainerCatalogue.h"

namespace sorvane::zvq {

// A loaded container and the column of the login, for the commands that
// log in. Open() does both; on failure it has reported why and gives the
// exit status to end with.
class LoggedInContainer {
 public:
  explicit LoggedInContainer(ZvqServices& services) : catalogue(services.files, services.codePage, effects_) {}
  int Open(const ZvqOptions& options, ZvqServices& services);

 private:
  NoLoadEffects effects_;  // before catalogue, which holds on to it

 public:
  ContainerCatalogue catalogue;
  std::int32_t column = 0;
};

// Loads options.container into catalogue. On failure reports the load's
// error text and returns false (exit status 3).
bool LoadContainer(ContainerCatalogue& catalogue, const ZvqOptions& options, ZvqServices& services);

// Logs in as the options say (guest, or --user) with the login rules of the
// program, asking for a password where one is needed. Gives the visibility
// column, or nothing after reporting why the login was refused (exit status
// 2; a cancelled password query reports nothing).
std::optional<std::int32_t> LogIn(const ContainerCatalogue& catalogue, const ZvqOptions& options,
                                  ZvqServices& services);

}  // namespace sorvane::zvq
