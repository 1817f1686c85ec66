#pragma once

#include <string>
#include <vector>

namespace sorvane {

// Starts argv[0] (a path) with argv, detached from this program: in a
// session of its own, adopted by init so that it never becomes our zombie,
// standard input and output on /dev/null (standard error too unless
// keepErrors), in folder when that is not empty. Nothing is waited for; a
// program that cannot be started is not reported.
void SpawnDetached(const std::vector<std::string>& argv, const std::string& folder, bool keepErrors);

}  // namespace sorvane
