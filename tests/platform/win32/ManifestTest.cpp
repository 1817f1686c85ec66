// The application manifest that the Windows programs carry, read from this
// test program's own resources as the loader reads it.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace sorvane {
namespace {

TEST(ManifestTest, TheProgramRunsAsItsInvokerWithoutVirtualisation) {
  const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr) << "no manifest resource 1";
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  const std::string manifest(bytes, SizeofResource(nullptr, found));
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"), std::string::npos);
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos) << "Windows 10 and 11";
}

}  // namespace
}  // namespace sorvane
