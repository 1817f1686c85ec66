#pragma once

#include <memory>
#include <string>

namespace sorvane {

// A shared library loaded into the program. It stays loaded as long as the
// object lives; what Symbol returned is invalid afterwards.
class DynamicLibrary {
 public:
  virtual ~DynamicLibrary() = default;

  // The address of an exported function or variable; nullptr when the
  // library exports none of that name.
  virtual void* Symbol(const std::string& name) = 0;
};

// Loads shared libraries by path.
class DynamicLibraries {
 public:
  virtual ~DynamicLibraries() = default;

  // The library in the file at path; nullptr with reason set to the
  // system's explanation when it cannot be loaded (missing, damaged, of
  // another architecture). Each library keeps its symbols to itself, so two
  // libraries with the same entry points loaded from different files never
  // mix.
  virtual std::unique_ptr<DynamicLibrary> Open(const std::string& path, std::string& reason) = 0;
};

}  // namespace sorvane
