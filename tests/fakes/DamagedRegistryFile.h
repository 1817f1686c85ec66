#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "platform/Registry.h"
#include "platform/posix/SqliteRegistryStore.h"

namespace sorvane {

// A real registry database in folder, with enough values under
// HKEY_CURRENT_USER\SOFTWARE\Orvel\Sorvane to fill a dozen pages, whose two
// middle pages are then overwritten as a failing disk leaves them; the header
// page stays intact. Gives the damaged file's bytes.
inline std::string MakeDamagedRegistryFile(const std::string& folder) {
  {
    SqliteRegistryStore store(folder);
    Registry registry(store);
    if (!registry.OpenKey("SOFTWARE\\Orvel\\Sorvane", true)) throw std::runtime_error("no key");
    for (int i = 0; i < 400; ++i) registry.WriteString("Wert" + std::to_string(i), std::string(100, 'x'));
  }
  const std::string file = folder + "/" + SqliteRegistryStore::kFileName;
  std::ostringstream read;
  read << std::ifstream(file, std::ios::binary).rdbuf();
  std::string bytes = read.str();
  constexpr std::size_t kPage = 4096;
  const std::size_t middle = bytes.size() / kPage / 2 * kPage;
  if (middle < 4 * kPage) throw std::runtime_error("too few pages");
  for (std::size_t i = middle - kPage; i < middle + kPage; ++i) bytes[i] = static_cast<char>(0xA5 ^ (i * 7));
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  return bytes;
}

}  // namespace sorvane
