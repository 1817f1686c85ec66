#pragma once

#include <string>

namespace sorvane {

// Where the ZIP engines go on Windows: systemFolder (ending with "/") when
// this process may create files in it, else userFolder, made when missing.
// The engines belong in the system folder, but a program that runs without
// elevation may not write there on today's Windows, and placing them would
// then fail at every start; the user's own folder takes them instead, as
// HKEY_CURRENT_USER takes what HKEY_LOCAL_MACHINE refuses. Both in "/" form.
std::string ChooseEngineFolder(const std::string& systemFolder, const std::string& userFolder);

}  // namespace sorvane
