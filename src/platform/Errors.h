#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace sorvane {

// Base of the program's failures. what() is the German text shown to the user
// by the default error display, in UTF-8.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The runtime's error kinds. Handlers catch them by kind; the text says what
// went wrong.
class EReadError : public Exception {
  using Exception::Exception;
};
class EWriteError : public Exception {
  using Exception::Exception;
};
class EFOpenError : public Exception {
  using Exception::Exception;
};
class EFCreateError : public Exception {
  using Exception::Exception;
};
class ERangeError : public Exception {
  using Exception::Exception;
};
class EOutOfMemory : public Exception {
  using Exception::Exception;
};
class ESockError : public Exception {
  using Exception::Exception;
};
class EAbortError : public Exception {
  using Exception::Exception;
};
// A text that does not convert: a date, a format that does not fit its arguments.
class EConvertError : public Exception {
  using Exception::Exception;
};

// The runtime's error texts.
namespace texts {
inline constexpr char kReadError[] = "Stream-Lesefehler";
inline constexpr char kWriteError[] = "Stream-Schreibfehler";
inline constexpr char kInvalidPropertyValue[] = "Ungültiger Eigenschaftswert";
inline constexpr char kFOpenError[] = "Datei %s kann nicht geöffnet werden";
inline constexpr char kFCreateError[] = "Datei %s kann nicht erstellt werden";
inline constexpr char kRangeError[] = "Fehler bei Bereichsprüfung";
inline constexpr char kOutOfMemory[] = "Zu wenig Arbeitsspeicher";
}  // namespace texts

// Replaces the first "%s" of pattern with argument (the one placeholder the
// runtime's texts carry).
std::string FormatText(std::string_view pattern, std::string_view argument);

}  // namespace sorvane
