#include "ContainerSession.h"
#include "ExitStatus.h"
#include "TypedText.h"
#include "ZvqCommands.h"
#include "platform/FormatSize.h"
#include "app/Login.h"

namespace sorvane::zvq {

int RunInfo(const ZvqOptions& options, ZvqServices& services) {
  NoLoadEffects effects;
  ContainerCatalogue catalogue(services.files, services.codePage, effects);
  if (!LoadContainer(catalogue, options, services)) return kUnreadable;
  services.out << "Titel: " << Shown(catalogue.Title, services.codePage) << '\n'
               << "Autor: " << Shown(catalogue.Author, services.codePage) << '\n'
               << "Dateien: " << catalogue.Members.size() << '\n'
               << "Konten: " << catalogue.Accounts.size() << '\n';
  return kDone;
}

int RunList(const ZvqOptions& options, ZvqServices& services) {
  LoggedInContainer container(services);
  if (const int status = container.Open(options, services); status != kDone) return status;
  const std::string separator = services.locale.DecimalSeparator();
  for (const std::int32_t index : ListVisibleMembers(container.catalogue, container.column, services.locale)) {
    const ContainerMember member = container.catalogue.Members[static_cast<std::size_t>(index)];
    services.out << Shown(AnsiString(member.Name), services.codePage) << '\t'
                 << FormatSize(1, false, member.StoredSize, separator) << '\n';
  }
  return kDone;
}

}  // namespace sorvane::zvq
