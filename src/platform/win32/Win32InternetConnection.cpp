#include "platform/win32/Win32InternetConnection.h"

#include <windows.h>
#include <wininet.h>

#include "platform/LoopbackHost.h"

namespace sorvane {

bool Win32InternetConnection::Connected(const std::string& updateHost) {
  DWORD flags = 0;
  return IsLoopbackHost(updateHost) || InternetGetConnectedState(&flags, 0);
}

}  // namespace sorvane
