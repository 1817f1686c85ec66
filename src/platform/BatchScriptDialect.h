#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/BackslashPath.h"
#include "platform/Errors.h"
#include "platform/ScriptDialect.h"

namespace sorvane {

namespace texts {
inline constexpr char kBatchPathUnwritable[] =
    "Das Update kann nicht installiert werden: Der Pfad %s lässt sich nicht in die Update-Datei schreiben, "
    "weil die Eingabeaufforderung seine Zeichen nicht lesen kann und er keinen kurzen Namen (8.3) hat";
}  // namespace texts

// A Windows batch file: the paths go in with "\" between folders (the
// command interpreter takes "/" for an option), in the code page the
// interpreter reads batch files in, and otherwise as they stand (the
// template quotes them as the interpreter needs); lines end with CR LF, the
// restart is a "start" of its own, and "del" removes the script, named in
// quotes so that a temporary folder with blanks in its name (as a user name
// may give it) is one argument rather than several files to delete. A "%"
// in a path is doubled: the interpreter reads "%...%" in a batch file as a
// variable, and an unknown one vanishes, so "50% von 100%" would name the
// folder "50" and "del" would remove a file of another folder. A path that
// the interpreter's code page cannot spell is never written with a
// stand-in: Path throws Exception kBatchPathUnwritable instead.
class BatchScriptDialect : public ScriptDialect {
 public:
  // A path of the program in the interpreter's code page (on Windows the
  // OEM code page, or the path's short form), nothing when it cannot be
  // spelled there; no conversion: the path's bytes as they stand.
  using Conversion = std::function<std::optional<std::string>(const std::string&)>;

  explicit BatchScriptDialect(Conversion toScriptCodePage = {}) : convert_(std::move(toScriptCodePage)) {}

  std::string Path(const std::string& path) const override {
    std::optional<std::string> native = BackslashPath(path);
    if (convert_) native = convert_(*native);
    if (!native) throw Exception(FormatText(texts::kBatchPathUnwritable, BackslashPath(path)));
    std::string escaped;
    for (const char c : *native) {
      if (c == '%') escaped += '%';
      escaped += c;
    }
    return escaped;
  }
  std::string RestartLine(const std::string& programFile) const override {
    return "start \"\" \"" + Path(programFile) + "\"";
  }
  std::string RemovalLine(const std::string& script) const override { return "del \"" + Path(script) + "\""; }
  const char* LineEnd() const override { return "\r\n"; }

 private:
  Conversion convert_;
};

}  // namespace sorvane
