#pragma once

#include "ZvqOptions.h"
#include "ZvqServices.h"

namespace sorvane::zvq {

// The whole program: reads the command line and runs the command. Returns
// the exit status (ExitStatus.h).
int RunZvq(int argc, const char* const* argv, ZvqServices& services);

// "Titel:", "Autor:", "Dateien:", "Konten:", one line each.
int RunInfo(const ZvqOptions& options, ZvqServices& services);

// The members the login sees, in the member list's order: name, tab, size.
int RunList(const ZvqOptions& options, ZvqServices& services);

// Writes the members the login sees (all, or those named) into the folder.
int RunExtract(const ZvqOptions& options, ZvqServices& services);

}  // namespace sorvane::zvq
