#include "platform/win32/WindowsApi.h"
// After windows.h, which it needs.
#include <sddl.h>

#include <memory>

#include "platform/NativeServices.h"
#include "platform/win32/WidePath.h"

namespace sorvane {
namespace {

// A security descriptor whose list grants this user alone, protected from
// what the folder would pass on; nothing when the user cannot be told.
std::shared_ptr<void> OwnerOnlyDescriptor() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return nullptr;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::string buffer(size, '\0');
  const bool known = size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size);
  CloseHandle(token);
  char* sid = nullptr;
  if (!known || !ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) return nullptr;
  const std::string rules = std::string("D:P(A;;FA;;;") + sid + ")";
  LocalFree(sid);
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(rules.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
    return nullptr;
  return std::shared_ptr<void>(descriptor, LocalFree);
}

}  // namespace

bool WritePrivateFile(const std::string& path, const std::string& bytes) {
  const std::shared_ptr<void> descriptor = OwnerOnlyDescriptor();
  if (!descriptor) return false;
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
  const HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, &attributes, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size();
  const bool closed = CloseHandle(file) != 0;
  if (!whole || !closed) DeleteFileW(WidePath(path).c_str());
  return whole && closed;
}

}  // namespace sorvane
