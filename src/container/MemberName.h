#pragma once

#include <string>

#include "platform/CodePage.h"
#include "platform/Text.h"

namespace sorvane {

// A member is extracted into the chosen folder under its name, so the name
// must be a plain file name: not empty, not "." or "..", and without "/",
// "\" or a zero byte. Any other name could write outside the folder; such a
// member is refused rather than written.
bool IsPlainFileName(const AnsiString& name);

// The message that refuses a member whose name is not a plain file name,
// naming it in UTF-8 (control characters shown as "?").
std::string UnsafeMemberNameMessage(const AnsiString& name, CodePage& codePage);

}  // namespace sorvane
