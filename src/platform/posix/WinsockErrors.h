#pragma once

namespace sorvane {

// The Windows Sockets number of a POSIX errno value from a socket call; 0
// only for 0. Values without a counterpart stay the errno value itself, which
// no Windows Sockets number equals.
int WinsockErrorFromErrno(int errnoValue);

}  // namespace sorvane
