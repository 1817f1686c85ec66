#include "app/DefaultErrorDisplay.h"

#include <new>

#include "platform/Errors.h"

namespace sorvane {

std::string ErrorDisplayText(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    return text + ".";
  }
  return text;
}

void ShowDefaultError(Dialogs& dialogs, const std::exception& failure) {
  // The library's own text for a failed allocation is English and says
  // nothing to the user.
  const std::string text =
      dynamic_cast<const std::bad_alloc*>(&failure) != nullptr ? std::string(texts::kOutOfMemory) : failure.what();
  dialogs.ShowMessage(ErrorDisplayText(text), ApplicationTitle, MessageIcon::Error);
}

}  // namespace sorvane
