#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace sorvane {

// A file that receives an answer's header or body as it arrives. Opening
// creates it, or empties an existing one; every Write goes to the file at
// once (no buffering of its own: the blocks are large already, and what
// arrived must be on disk when the transfer breaks off). The destructor
// closes the file, also after a failure.
class OutputFile {
 public:
  // Throws EFCreateError "Datei %s kann nicht erstellt werden".
  explicit OutputFile(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Throws EWriteError "Stream-Schreibfehler" when the file takes less.
  void Write(const void* data, std::size_t count);

  // Closes now, reporting a late write failure as EWriteError.
  void Close();

 private:
  std::FILE* file_;
};

}  // namespace sorvane
