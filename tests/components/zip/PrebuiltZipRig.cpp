#include <filesystem>

#include "components/zip/ZipRig.h"

namespace sorvane {

void ZipRig::Prebuilt(const std::string& archive) {
  std::filesystem::copy_file(SORVANE_ZIP_ARCHIVES "/" + archive, root + archive,
                             std::filesystem::copy_options::overwrite_existing);
}

}  // namespace sorvane
