#pragma once

#include <ostream>

#include "PasswordPrompt.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"

namespace sorvane::zvq {

// The services a zvq run works with; the program hands in the real ones,
// tests may hand in others.
struct ZvqServices {
  FileSystem& files;
  CodePage& codePage;
  Locale& locale;
  PasswordPrompt& prompt;
  std::ostream& out;
  std::ostream& err;
  // Set when standard error is a terminal: extract then shows its progress
  // there (ExtractProgress). Null: nothing beyond the messages, as scripts
  // expect.
  Clock* progressClock = nullptr;
};

// Reports a failure on standard error as "zvq: text", with a full stop added
// when the text's last character sorts after "." (as the program's error
// display does).
void Report(ZvqServices& services, const std::string& text);

}  // namespace sorvane::zvq
