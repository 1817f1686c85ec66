#include "platform/win32/Win32ProgramResources.h"

#include <windows.h>

namespace sorvane {

std::optional<std::string_view> Win32ProgramResources::Find(const std::string& name, const std::string& type) {
  // Windows compares resource names and types by their upper-case form.
  HMODULE program = ::GetModuleHandleA(nullptr);
  HRSRC found = ::FindResourceA(program, name.c_str(), type.c_str());
  if (found == nullptr) return std::nullopt;
  // A loaded resource stays mapped as long as the program runs; there is
  // nothing to release.
  HGLOBAL loaded = ::LoadResource(program, found);
  const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  return std::string_view(static_cast<const char*>(bytes), ::SizeofResource(program, found));
}

}  // namespace sorvane
