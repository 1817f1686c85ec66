#include <exception>

#include "ExitStatus.h"
#include "ZvqArguments.h"
#include "ZvqCommands.h"

namespace sorvane::zvq {

void Report(ZvqServices& services, const std::string& text) {
  services.err << "zvq: " << text;
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') services.err << '.';
  services.err << '\n';
}

int RunZvq(int argc, const char* const* argv, ZvqServices& services) {
  auto parsed = ParseArguments(argc, argv, services.out, services.err);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const ZvqOptions& options = std::get<ZvqOptions>(parsed);
  switch (options.command) {
    case Command::Info: return RunInfo(options, services);
    case Command::List: return RunList(options, services);
    case Command::Extract: return RunExtract(options, services);
  }
  return kUsageOrLogin;
}

}  // namespace sorvane::zvq
