#pragma once

#include <string>

namespace sorvane::testing {

// A new, empty folder in the user's temporary folder, in "/" form without
// a trailing "/"; its name begins with prefix.
std::string MakeTestFolder(const std::string& prefix);

// Removes the folder with everything in it.
void RemoveTestFolder(const std::string& folder);

}  // namespace sorvane::testing
