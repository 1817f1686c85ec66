#include "platform/posix/PosixDynamicLibraries.h"

#include <dlfcn.h>

namespace sorvane {
namespace {

class PosixDynamicLibrary : public DynamicLibrary {
 public:
  explicit PosixDynamicLibrary(void* handle) : handle_(handle) {}
  ~PosixDynamicLibrary() override { ::dlclose(handle_); }
  PosixDynamicLibrary(const PosixDynamicLibrary&) = delete;
  PosixDynamicLibrary& operator=(const PosixDynamicLibrary&) = delete;

  void* Symbol(const std::string& name) override { return ::dlsym(handle_, name.c_str()); }

 private:
  void* handle_;
};

}  // namespace

std::unique_ptr<DynamicLibrary> PosixDynamicLibraries::Open(const std::string& path, std::string& reason) {
  // RTLD_LOCAL: the library's symbols stay its own, so two engines loaded
  // from different folders never mix.
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = ::dlerror();
    reason = why != nullptr ? why : "";
    return nullptr;
  }
  reason.clear();
  return std::make_unique<PosixDynamicLibrary>(handle);
}

}  // namespace sorvane
