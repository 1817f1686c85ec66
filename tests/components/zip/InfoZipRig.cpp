#include "components/zip/ZipRig.h"
#include "tools/zvq/RunProgram.h"

namespace sorvane {

void ZipRig::Zip(const std::string& archive, const std::vector<std::string>& arguments) {
  std::vector<std::string> all = {"-c", "cd \"$0\" && exec zip -q \"$@\"", src, "-X", root + archive};
  all.insert(all.end(), arguments.begin(), arguments.end());
  const auto result = testing::RunProgram("/bin/sh", all);
  ASSERT_EQ(result.status, 0) << result.err;
}

}  // namespace sorvane
